#include "ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "Theme.h"

namespace quorvex::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);  // reachable with Tab, clicked with Space or Enter
}

void ClickableLabel::click() {
    if (isEnabled()) emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release over the label, as with a button.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) this->click();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A label draws no focus of its own; the planet Space or Enter would fly to is marked.
void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    drawFocusMark(&painter, QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quorvex::ui
