#include "Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace quorvex::ui {

void applyTheme(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    const QColor text(230, 233, 242);
    const QColor dim(122, 128, 148);
    QPalette p;
    p.setColor(QPalette::Window, QColor(24, 28, 44));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(21, 25, 42));
    p.setColor(QPalette::AlternateBase, QColor(28, 33, 50));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(45, 52, 76));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 120));
    p.setColor(QPalette::Highlight, QColor(61, 111, 214));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(45, 52, 76));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dim);
    p.setColor(QPalette::Link, QColor(130, 170, 255));
    p.setColor(QPalette::Light, QColor(70, 80, 110));
    p.setColor(QPalette::Midlight, QColor(55, 63, 90));
    p.setColor(QPalette::Mid, QColor(35, 40, 60));
    p.setColor(QPalette::Dark, QColor(12, 14, 24));
    p.setColor(QPalette::Shadow, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(34, 39, 56));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(17, 20, 33));
    app.setPalette(p);
    // The style's own indicators vanish on a dark ground; these keep choices visible.
    app.setStyleSheet(QStringLiteral(
        "QRadioButton::indicator, QCheckBox::indicator {"
        "  width: 13px; height: 13px; border: 1px solid #8d99c4; background: #0f121e; }"
        "QRadioButton::indicator { border-radius: 7px; }"
        "QCheckBox::indicator { border-radius: 3px; }"
        "QRadioButton::indicator:checked {"
        "  background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,"
        "    stop:0 #a8bcff, stop:0.5 #a8bcff, stop:0.6 #0f121e, stop:1 #0f121e); }"
        "QCheckBox::indicator:checked { background: #a8bcff; }"
        "QRadioButton::indicator:disabled, QCheckBox::indicator:disabled { border-color: #4a5170; "
        "}"));
}

}  // namespace quorvex::ui
