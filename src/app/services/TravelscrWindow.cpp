#include "TravelscrWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <array>

#include "Backgrounds.h"
#include "kit/ClickableLabel.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

struct MapPlanet {
    const char* label;
    double x, y;  // centre, as a share of the map's width and height
    double size;  // radius, as a share of the map's height
    QColor colour;
};

// Where the planets sit on the map, and how they look. Pure decoration: the names come from the
// game through the labels.
constexpr int kMapPlanets = 12;
const std::array<MapPlanet, kMapPlanets> kMap{{
    {"PLanet1", 0.10, 0.20, 0.050, QColor(214, 120, 72)},
    {"PLanet2", 0.30, 0.12, 0.038, QColor(120, 170, 235)},
    {"PLanet3", 0.52, 0.22, 0.060, QColor(222, 190, 120)},
    {"PLanet4", 0.74, 0.12, 0.042, QColor(140, 210, 150)},
    {"PLanet5", 0.91, 0.26, 0.052, QColor(190, 140, 220)},
    {"PLanet6", 0.18, 0.50, 0.045, QColor(235, 215, 160)},
    {"PLanet7", 0.40, 0.45, 0.040, QColor(100, 200, 210)},
    {"PLanet8", 0.63, 0.52, 0.055, QColor(225, 105, 105)},
    {"PLanet9", 0.84, 0.58, 0.040, QColor(170, 180, 200)},
    {"PLanet10", 0.10, 0.82, 0.058, QColor(110, 150, 100)},
    {"PLanet11", 0.38, 0.78, 0.046, QColor(230, 160, 200)},
    {"PLanet12", 0.70, 0.84, 0.050, QColor(150, 130, 240)},
}};

// The area of the map: draws each planet as a lit sphere and keeps its name label beneath it.
// A click on a planet counts as a click on its name.
class StarMap : public QWidget {
public:
    StarMap() {
        for (const MapPlanet& p : kMap) {
            ClickableLabel* label = makeClickableLabel(p.label);
            label->setParent(this);
            label->setAlignment(Qt::AlignCenter);
            setFontSize(label, 16, true);
            labels_[&p - kMap.data()] = label;
        }
        setMinimumSize(560, 360);
        setCursor(Qt::CrossCursor);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        for (int i = 0; i < kMapPlanets; ++i) {
            const QRectF disc = discOf(i);
            ClickableLabel* label = labels_[i];
            const QSize hint = label->sizeHint().expandedTo(QSize(48, 0));
            label->setGeometry(static_cast<int>(disc.center().x() - hint.width() / 2.0),
                               static_cast<int>(disc.bottom() + 2), hint.width(), hint.height());
        }
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < kMapPlanets; ++i) {
            const QRectF disc = discOf(i);
            const QColor c = kMap[i].colour;
            // A soft halo, then the sphere lit from the upper left.
            QRadialGradient halo(disc.center(), disc.width() * 0.8);
            halo.setColorAt(0.55, QColor(c.red(), c.green(), c.blue(), 70));
            halo.setColorAt(1.0, QColor(c.red(), c.green(), c.blue(), 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(halo);
            painter.drawEllipse(disc.center(), disc.width() * 0.8, disc.height() * 0.8);
            QRadialGradient body(disc.center() - QPointF(disc.width() * 0.2, disc.height() * 0.2),
                                 disc.width() * 0.75);
            body.setColorAt(0.0, c.lighter(150));
            body.setColorAt(0.6, c);
            body.setColorAt(1.0, c.darker(400));
            painter.setBrush(body);
            painter.drawEllipse(disc);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        for (int i = 0; i < kMapPlanets; ++i) {
            const QRectF disc = discOf(i);
            const QPointF d = event->position() - disc.center();
            if (d.x() * d.x() + d.y() * d.y() <= disc.width() * disc.width() / 4) {
                labels_[i]->click();
                return;
            }
        }
        QWidget::mouseReleaseEvent(event);
    }

private:
    QRectF discOf(int i) const {
        const double r = kMap[i].size * height();
        // Keep a planet and its label inside the map however the window is shaped.
        const double x = 28 + kMap[i].x * (width() - 56);
        const double y = 10 + r + kMap[i].y * (height() - 2 * r - 46);
        return {x - r, y - r, 2 * r, 2 * r};
    }

    std::array<ClickableLabel*, kMapPlanets> labels_{};
};

}  // namespace

TravelscrWindow::TravelscrWindow(QWidget* parent) : GameWindow(ScreenId::Travelscr, parent) {
    setBackground(kTravelBackground);
    content()->addWidget(new StarMap, 1);
    // Help, Landing Cost, Back
    addAll(buttonRow(), {makeButton("Button4"), makeButton("Button3"), makeButton("Button1")});
}

}  // namespace quorvex::ui
