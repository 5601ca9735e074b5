#include "Backgrounds.h"

#include <QFile>
#include <QHash>
#include <QtDebug>

#include "JpegImage.h"

// The pictures live in a static library; naming the resource here keeps the linker from
// dropping it. Q_INIT_RESOURCE must be used outside any namespace.
static void registerBackgrounds() {
    Q_INIT_RESOURCE(backgrounds);
}

namespace quorvex::ui {

QPixmap loadBackground(const QString& resource) {
    static QHash<QString, QPixmap> cache;
    static const bool registered = (registerBackgrounds(), true);
    Q_UNUSED(registered);
    if (const auto found = cache.constFind(resource); found != cache.constEnd()) return *found;
    QPixmap pixmap;
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("background %s: %s", qPrintable(resource), qPrintable(file.errorString()));
    } else {
        QString error;
        const QImage image = decodeJpeg(file.readAll(), &error);
        if (image.isNull())
            qWarning("background %s: %s", qPrintable(resource), qPrintable(error));
        else
            pixmap = QPixmap::fromImage(image);
    }
    cache.insert(resource, pixmap);
    return pixmap;
}

}  // namespace quorvex::ui
