#pragma once

#include <QPixmap>
#include <QWidget>

#include "form/ScreenId.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace quorvex::ui {

// The window of one of the game's screens. It lays out the screen's widgets and nothing more:
// what they show and what they do come from the game through the binder.
//
// The usual frame: the screen's caption as a heading, the screen's own content, and a row of
// buttons along the bottom. A window with a title of its own hides the heading.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(ScreenId id, QWidget* parent = nullptr);

    ScreenId screenId() const { return id_; }

    // The caption goes into the title bar and the heading.
    void setCaption(const QString& caption);
    QLabel* heading() const { return heading_; }

signals:
    // The person asked the window manager to close the window. The window stays open; the
    // binder decides what closing means for this screen.
    void closeRequested();

protected:
    QVBoxLayout* content() const { return content_; }
    QHBoxLayout* buttonRow() const { return buttons_; }
    // A picture from the resources, drawn to cover the whole window behind the widgets.
    void setBackground(const QString& resource);

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenId id_;
    QLabel* heading_;
    QVBoxLayout* content_;
    QHBoxLayout* buttons_;
    QPixmap background_;
};

}  // namespace quorvex::ui
