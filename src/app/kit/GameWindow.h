#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>

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

    // Where the window appears. Most windows take the place and size of the one they take over
    // from, so a turn feels like one window; some stand beside another screen's window (the buy
    // and sell windows beside the market), and the main window keeps its own place.
    std::optional<ScreenId> besideScreen() const { return beside_; }
    bool keepsOwnPlace() const { return ownPlace_; }

    // The caption goes into the title bar and the heading.
    void setCaption(const QString& caption);
    QLabel* heading() const { return heading_; }

signals:
    // The person asked the window manager to close the window. The window stays open; the
    // binder decides what closing means for this screen.
    void closeRequested();
    // Enter or Escape reached the window: the widget with the focus did not use it. The binder
    // presses the screen's main action or its way back.
    void enterPressed();
    void escapePressed();

protected:
    QVBoxLayout* content() const { return content_; }
    QHBoxLayout* buttonRow() const { return buttons_; }
    // A picture from the resources, drawn to cover the whole window behind the widgets.
    void setBackground(const QString& resource);
    void placeBeside(ScreenId other) { beside_ = other; }
    void keepOwnPlace() { ownPlace_ = true; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenId id_;
    QLabel* heading_;
    QVBoxLayout* content_;
    QHBoxLayout* buttons_;
    QPixmap background_;
    std::optional<ScreenId> beside_;
    bool ownPlace_ = false;
};

}  // namespace quorvex::ui
