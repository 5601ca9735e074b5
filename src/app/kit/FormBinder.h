#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "form/Controls.h"
#include "form/Game.h"

class QMenu;
class QPoint;
class QTableWidget;
class QWidget;

namespace quorvex::ui {

class GameWindow;

// The one link between the game's headless screens and their windows. For every control of
// every screen it finds the widget of the same name; after every action of the person (and
// before every box the game shows) it copies the game's state into the widgets and shows and
// hides windows as the game does; what the person does in a widget it hands to the game as one
// action. It knows no screen in particular.
class FormBinder : public QObject {
    Q_OBJECT
public:
    using Windows = std::array<GameWindow*, kScreenCount>;
    FormBinder(Game& game, const Windows& windows, QObject* parent = nullptr);
    ~FormBinder() override;

    // The program's start: the main menu appears.
    void start();
    // A step of the game that is not a person's action (a test's set-up), finished like one.
    void run(const std::function<void()>& step);
    // Does one action of the person (see Game::act), then brings every window up to date and
    // pops up a menu the action asked for.
    void act(const Action& action);

    // Copies the game's state into every window, and shows and hides windows as the game does.
    void sync();

    // The window a box should open over: the game window shown last that is still open.
    QWidget* frontWindow() const;

    // Called after an action that hid the main menu: the program ends.
    std::function<void()> onMainMenuClosed;

    // Controls that found no widget of their name and kind ("Bank: Button2 (Button)"); empty
    // when every control is bound.
    const QStringList& unbound() const { return unbound_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        Control* control;
        QWidget* widget;
        int shownColour = -1;  // the label colour last applied
    };

    void bindScreen(ScreenId id);
    void connectWidget(ScreenId id, Control& control, QWidget* widget);
    void finish();
    void syncScreen(ScreenId id);
    void syncWindows();
    void place(GameWindow* window, const std::vector<GameWindow*>& leaving);
    void focusStart(GameWindow* window);
    void placeBeside(GameWindow* window, GameWindow* other);
    void centre(GameWindow* window);
    void showRequestedPopup();
    void popUp(PopupMenu& menu, QMenu* widget, const QPoint& where);
    bool popUpHeldMenu(QWidget* focus);
    void closeRequested(ScreenId id);
    void enterPressed(ScreenId id);
    void escapePressed(ScreenId id);

    Game& game_;
    Windows windows_;
    std::array<std::vector<Binding>, kScreenCount> bindings_;
    std::array<bool, kScreenCount> placed_{};
    struct WatchedGrid {
        QObject* viewport;
        QTableWidget* table;
        ScreenId id;
        StringGrid* grid;
    };
    std::vector<WatchedGrid> watchedGrids_;
    // A menu a move with the keys asked for, waiting for Enter on its grid.
    struct HeldMenu {
        PopupMenu* menu = nullptr;
        QMenu* widget = nullptr;
        QTableWidget* grid = nullptr;
    };
    HeldMenu heldMenu_;
    std::vector<ScreenId> shownDuringAction_;
    QStringList unbound_;
    GameWindow* front_ = nullptr;
    ScreenId origin_ = ScreenId::GameMenu;
    bool hasOrigin_ = false;
    bool acting_ = false;
    bool menuWasShown_ = false;
};

}  // namespace quorvex::ui
