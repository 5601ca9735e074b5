#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvex::ui {

// Decodes the bytes of a JPEG file into an image. A damaged, truncated or unsupported picture
// gives a null image and, when asked for, the reason; it never stops the program.
QImage decodeJpeg(const QByteArray& bytes, QString* error = nullptr);

}  // namespace quorvex::ui
