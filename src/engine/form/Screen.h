#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../state/GameState.h"
#include "../state/Int.h"
#include "Controls.h"
#include "Refusals.h"
#include "ScreenId.h"

namespace quorvex {

class Game;

// One of the game's 25 screens, headless: its controls hold what the window shows, its handlers
// are what the buttons do. A screen keeps only working values of the action in hand; everything
// else lives in the store.
class Screen {
public:
    Screen(Game& game, ScreenId id, std::string caption);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen() = default;

    ScreenId id() const { return id_; }
    std::string caption;

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name) const;

    // Runs every time the screen is shown.
    virtual void FormShow() {}

    // The button that leads back to the screen that opened this one (closing the window presses
    // it); none on the screens that have no way back (the ranking, the travel screen's planets
    // end the turn instead).
    Button* wayBack() const { return wayBack_; }

    // Where a keyboard player starts when the screen shows (the travel screen's destination);
    // none leaves the focus to the window's reading order.
    virtual const Control* focusOnShowing() const { return nullptr; }

    void addControl(Control& control);
    void setWayBack(Button& button);

protected:
    Game& game;
    GameState& s();
    const GameState& s() const;
    // The company whose turn it is.
    Int me() const;

    void message(const std::string& text);
    // The documented checks of an action; see Refusals.
    Refusals refusals();
    void messages(std::initializer_list<const char*> texts);
    bool confirm(const std::string& text);
    // An input box read as a whole number: no value on Cancel, "'x' is not a valid integer
    // value" for anything that is not one.
    std::optional<Int> askInt(const std::string& caption, const std::string& prompt,
                              Int defaultValue);

    // Shows the next screen, then hides this one, so one screen of a turn is visible at a time.
    void handOver(ScreenId next);
    void close();

    // The first-turn guidance is on: help was accepted and this is the first game turn.
    bool guidanceOn() const;

private:
    ScreenId id_;
    std::vector<Control*> controls_;
    Button* wayBack_ = nullptr;
};

}  // namespace quorvex
