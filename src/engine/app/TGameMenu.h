#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The main menu: the program's main window. Closing it ends the program without saving.
class TGameMenu final : public Screen {
public:
    explicit TGameMenu(Game& game);

    Label Mission{*this, "Mission"};  // the text of the "Your Mission" group
    Label Credits{*this, "Credits"};
    Button Button1{*this, "Button1", "Load Game", [this] { Button1Click(); }};
    Button Button2{*this, "Button2", "New Game", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Close", [this] { Button3Click(); }, ButtonRole::WayBack};

    void FormShow() override;  // seeds the generator from the clock
    void Button1Click();       // Load Game
    void Button2Click();       // New Game
    void Button3Click();       // Close
};

inline constexpr const char* kMissionGroup = "Your Mission";
inline constexpr const char* kMissionText =
    "You own a fledgling trading company you must go from planet to planet buying and selling "
    "things, setting up factories and mines. You must make £250,000,000 to win or be the last "
    "player playing.";

}  // namespace quorvex
