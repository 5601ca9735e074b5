#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The new-game screen: every showing draws a new world; "Start" checks the choices and hands
// the game to the ranking screen.
class TNGScreen final : public Screen {
public:
    explicit TNGScreen(Game& game);

    Label Label1{*this, "Label1", "Company Names"};
    Label Label2{*this, "Label2", "No of Players"};
    Edit N1{*this, "N1", "Player 1"};
    Edit N2{*this, "N2", "Player 2"};
    Edit N3{*this, "N3", "Player 3"};
    Edit N4{*this, "N4", "Player 4"};
    Edit N5{*this, "N5", "Player 5"};
    Edit N6{*this, "N6", "Player 6"};
    ComboBox NOP{*this,
                 "NOP",
                 {"1 Player", "2 Players", "3 Players", "4 Players", "5 Players", "6 Players"},
                 [this] { NOPChange(); }};
    RadioGroup Comps{*this,
                     "Comps",
                     "Computer Players",
                     {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                     kReadByOthers};
    RadioGroup Compint{*this,
                       "Compint",
                       "Computer Intelligence",
                       {"20%           ", "40%", "60%", "80%"},
                       kReadByOthers};
    RadioGroup Events{
        *this, "Events", "Random Events", {"Few", "Some ", "Many", "Loads"}, kReadByOthers};
    Button Button1{*this, "Button1", "Start", [this] { Button1Click(); }};
    Button Button2{*this, "Button2", "Back", [this] { Button2Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void NOPChange();
    void Button1Click();  // Start
    void Button2Click();  // Back

    Edit* nameField(int i);  // N1 .. N6
};

inline constexpr const char* kPlayersGroup = "Players";

}  // namespace quorvex
