#pragma once

#include <QPixmap>
#include <QString>

namespace quorvex::ui {

// The background pictures shipped inside the program.
inline const QString kMenuBackground = QStringLiteral(":/backgrounds/menu.jpg");
inline const QString kRankingBackground = QStringLiteral(":/backgrounds/ranking.jpg");
inline const QString kTravelBackground = QStringLiteral(":/backgrounds/travel.jpg");
inline const QString kHubBackground = QStringLiteral(":/backgrounds/hub.jpg");

// Reads a picture from the resources with our JPEG reader, once per run. A picture that cannot
// be read gives a null pixmap (and a warning), and the window keeps its plain colour.
QPixmap loadBackground(const QString& resource);

}  // namespace quorvex::ui
