#include "Theme.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace quorvex::ui {
namespace {

// The style's own focus marks all but vanish on a dark ground; a person playing with the keyboard
// must see at a glance which button Enter or Space presses.
class FocusMarkStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        const bool marked = element == CE_PushButton || element == CE_TabBarTabShape;
        if (marked && (option->state & State_HasFocus) && (option->state & State_Enabled))
            drawFocusMark(painter, QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5));
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox && (option->state & State_HasFocus))
            drawFocusMark(painter, QRectF(option->rect).adjusted(1, 1, -1, -1));
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect) {
            drawFocusMark(painter, QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // An edit box, a list or a grid with the focus: its whole frame.
        const bool framesContent = element == PE_PanelLineEdit || element == PE_Frame;
        if (framesContent && (option->state & State_HasFocus))
            drawFocusMark(painter, QRectF(option->rect).adjusted(1, 1, -1, -1));
    }
};

}  // namespace

void drawFocusMark(QPainter* painter, const QRectF& rect) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kFocusColour, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(rect, 3, 3);
    painter->restore();
}

void applyTheme(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(new FocusMarkStyle(fusion));
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
