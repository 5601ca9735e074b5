#include "GameWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "../Backgrounds.h"
#include "WindowKit.h"

namespace quorvex::ui {

GameWindow::GameWindow(ScreenId id, QWidget* parent)
    : QWidget(parent, Qt::Window),
      id_(id),
      heading_(makeDecoration(QString())),
      content_(new QVBoxLayout),
      buttons_(new QHBoxLayout) {
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(18, 14, 18, 14);
    frame->setSpacing(12);
    setFontSize(heading_, 20, true);
    frame->addWidget(heading_);
    frame->addLayout(content_, 1);
    buttons_->addStretch(1);
    frame->addLayout(buttons_);
    resize(kGameWindowSize);
}

void GameWindow::setCaption(const QString& caption) {
    // A literal "[*]" in a title would otherwise be taken for Qt's modified-marker.
    QString title = caption;
    setWindowTitle(title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    heading_->setText(caption.trimmed());
}

void GameWindow::setBackground(const QString& resource) {
    background_ = loadBackground(resource);
    update();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit enterPressed();
            return;
        case Qt::Key_Escape:
            emit escapePressed();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void GameWindow::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;  // the theme's plain window colour
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Cover the window, cropping what sticks out, so the picture keeps its proportions.
    const QSizeF picture = background_.size();
    const double scale = std::max(width() / picture.width(), height() / picture.height());
    const QSizeF shown = picture * scale;
    const QRectF target((width() - shown.width()) / 2, (height() - shown.height()) / 2,
                        shown.width(), shown.height());
    painter.drawPixmap(target, background_, QRectF(QPointF(0, 0), picture));
}

}  // namespace quorvex::ui
