#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "form/Controls.h"
#include "form/Game.h"

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

    // Runs one action of the person, begun on the given screen's window, then brings every
    // window up to date. An error puts the game back as it was and shows the error's text.
    void perform(ScreenId origin, const std::function<void()>& action);

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
    void syncScreen(ScreenId id);
    void syncWindows();
    void place(GameWindow* window, const std::vector<GameWindow*>& leaving);
    void placeBesideMarket(GameWindow* window);
    void centre(GameWindow* window);
    void showRequestedPopup(ScreenId origin);
    void closeRequested(ScreenId id);

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
    std::vector<ScreenId> shownDuringAction_;
    QStringList unbound_;
    GameWindow* front_ = nullptr;
    ScreenId origin_ = ScreenId::GameMenu;
    bool hasOrigin_ = false;
    bool acting_ = false;
    bool menuWasShown_ = false;
    bool popupShown_ = false;
};

}  // namespace quorvex::ui
