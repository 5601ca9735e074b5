// Draws Quorvex's icon, a ringed planet with a ship flying past it, and writes it twice from the
// one description below: as SVG (quorvex.svg) and painted by Qt at 256 px (quorvex.png).
//
//   make-icon OUTPUT_FOLDER

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 256;  // the drawing's own units; the PNG is drawn at this size

struct Stop {
    double at;
    const char* colour;
};

// The shapes, back to front.
struct Star {
    double x, y, r, opacity;
};
const std::vector<Star> kStars = {{40, 44, 2.2, 0.9},  {206, 38, 1.6, 0.8}, {228, 98, 2.0, 0.7},
                                  {30, 150, 1.5, 0.6}, {62, 214, 2.2, 0.8}, {196, 226, 1.4, 0.6},
                                  {120, 26, 1.3, 0.7}, {232, 186, 1.7, 0.7}};

constexpr double kCorner = 52;  // the ground: a rounded square
const std::vector<Stop> kGround = {{0.0, "#1d2b6e"}, {1.0, "#070b22"}};

constexpr double kPlanetX = 146, kPlanetY = 150, kPlanetR = 62;
const std::vector<Stop> kPlanet = {{0.0, "#ffd08a"}, {0.55, "#e8893f"}, {1.0, "#8f3b22"}};

// The ring: an ellipse about the planet, tilted; its far half behind the planet, its near half
// in front.
constexpr double kRingRx = 104, kRingRy = 24, kRingTilt = -18, kRingWidth = 9;
constexpr const char* kRingColour = "#ffe7a8";

// The ship: a dart, nose first, with its flame, flying up and to the right.
const std::vector<QPointF> kShip = {{0, -32}, {20, 21}, {0, 11}, {-20, 21}};
const std::vector<QPointF> kFlame = {{-9, 16}, {0, 44}, {9, 16}, {0, 11}};
constexpr double kShipX = 66, kShipY = 78, kShipTurn = 40;
constexpr const char* kShipColour = "#f4f7ff";
constexpr const char* kFlameColour = "#ff9a3c";

QString points(const std::vector<QPointF>& shape) {
    QStringList list;
    for (const QPointF& p : shape)
        list << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return list.join(QLatin1Char(' '));
}

QString stops(const std::vector<Stop>& list) {
    QString out;
    for (const Stop& s : list)
        out += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                   .arg(s.at)
                   .arg(QLatin1String(s.colour));
    return out;
}

// The far (upper) or near (lower) half of the ring, before its tilt.
QString ringHalf(bool near) {
    return QStringLiteral("M %1,%2 A %3,%4 0 0 %5 %6,%2")
        .arg(kPlanetX - kRingRx)
        .arg(kPlanetY)
        .arg(kRingRx)
        .arg(kRingRy)
        .arg(near ? 0 : 1)
        .arg(kPlanetX + kRingRx);
}

QString svg() {
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
        << "\" viewBox=\"0 0 " << kSize << ' ' << kSize << "\">\n"
        << "  <title>Quorvex</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"ground\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        << stops(kGround) << "    </linearGradient>\n"
        << "    <radialGradient id=\"planet\" cx=\"" << kPlanetX << "\" cy=\"" << kPlanetY
        << "\" r=\"" << kPlanetR << "\" fx=\"" << kPlanetX - kPlanetR / 3 << "\" fy=\""
        << kPlanetY - kPlanetR / 3 << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << stops(kPlanet) << "    </radialGradient>\n"
        << "  </defs>\n"
        << "  <rect width=\"" << kSize << "\" height=\"" << kSize << "\" rx=\"" << kCorner
        << "\" fill=\"url(#ground)\"/>\n";
    for (const Star& star : kStars)
        out << "  <circle cx=\"" << star.x << "\" cy=\"" << star.y << "\" r=\"" << star.r
            << "\" fill=\"#ffffff\" fill-opacity=\"" << star.opacity << "\"/>\n";
    const QString tilt =
        QStringLiteral("rotate(%1 %2 %3)").arg(kRingTilt).arg(kPlanetX).arg(kPlanetY);
    const auto ring = [&](bool near) {
        out << "  <path d=\"" << ringHalf(near) << "\" transform=\"" << tilt
            << "\" fill=\"none\" stroke=\"" << kRingColour << "\" stroke-width=\"" << kRingWidth
            << "\" stroke-linecap=\"round\"/>\n";
    };
    ring(false);
    out << "  <circle cx=\"" << kPlanetX << "\" cy=\"" << kPlanetY << "\" r=\"" << kPlanetR
        << "\" fill=\"url(#planet)\"/>\n";
    ring(true);
    out << "  <g transform=\"translate(" << kShipX << ' ' << kShipY << ") rotate(" << kShipTurn
        << ")\">\n"
        << "    <polygon points=\"" << points(kFlame) << "\" fill=\"" << kFlameColour << "\"/>\n"
        << "    <polygon points=\"" << points(kShip) << "\" fill=\"" << kShipColour << "\"/>\n"
        << "  </g>\n"
        << "</svg>\n";
    return s;
}

QGradientStops qtStops(const std::vector<Stop>& list) {
    QGradientStops out;
    for (const Stop& s : list)
        out.append({s.at, QColor(QLatin1String(s.colour))});
    return out;
}

QPainterPath ringPath(bool near) {
    QPainterPath path;
    const QRectF box(kPlanetX - kRingRx, kPlanetY - kRingRy, 2 * kRingRx, 2 * kRingRy);
    path.arcMoveTo(box, 180);
    path.arcTo(box, 180, near ? 180 : -180);  // Qt turns counter-clockwise for positive angles
    return QTransform()
        .translate(kPlanetX, kPlanetY)
        .rotate(kRingTilt)
        .translate(-kPlanetX, -kPlanetY)
        .map(path);
}

QImage png() {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QLinearGradient ground(0, 0, 0, kSize);
    ground.setStops(qtStops(kGround));
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(0, 0, kSize, kSize), kCorner, kCorner);

    for (const Star& star : kStars) {
        QColor white(Qt::white);
        white.setAlphaF(static_cast<float>(star.opacity));
        p.setBrush(white);
        p.drawEllipse(QPointF(star.x, star.y), star.r, star.r);
    }

    QPen ringPen{QColor(QLatin1String(kRingColour)), kRingWidth, Qt::SolidLine, Qt::RoundCap};
    const auto ring = [&](bool near) {
        p.setPen(ringPen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(ringPath(near));
        p.setPen(Qt::NoPen);
    };
    ring(false);
    QRadialGradient planet(QPointF(kPlanetX, kPlanetY), kPlanetR,
                           QPointF(kPlanetX - kPlanetR / 3, kPlanetY - kPlanetR / 3));
    planet.setStops(qtStops(kPlanet));
    p.setBrush(planet);
    p.drawEllipse(QPointF(kPlanetX, kPlanetY), kPlanetR, kPlanetR);
    ring(true);

    p.translate(kShipX, kShipY);
    p.rotate(kShipTurn);
    p.setBrush(QColor(QLatin1String(kFlameColour)));
    p.drawPolygon(kFlame.data(), static_cast<int>(kFlame.size()));
    p.setBrush(QColor(QLatin1String(kShipColour)));
    p.drawPolygon(kShip.data(), static_cast<int>(kShip.size()));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QFile file(folder + QStringLiteral("/quorvex.svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.close();
    const QString pngName = folder + QStringLiteral("/quorvex.png");
    if (!png().save(pngName, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pngName));
        return 1;
    }
    return 0;
}
