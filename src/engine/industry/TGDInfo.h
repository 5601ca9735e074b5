#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The goods overview: all 25 goods on any one planet, with their prices, the market as the
// company sees it, what it holds there and aboard, what it makes there and what its sales office
// means to trade.
class TGDInfo final : public Screen {
public:
    explicit TGDInfo(Game& game);

    Label CashL{*this, "CashL"};
    Label PlntNamel{*this, "PlntNamel"};
    Label PlanetL{*this, "PlanetL"};
    ListBox PLanetList{*this, "PLanetList", {}, [this] { PLanetListClick(); }};
    // Two heading rows, then one row a good; the goods' names head the rows.
    StringGrid Good{*this, "Good", 11, 27, 2, 1};
    Button Button3{*this, "Button3", "Previous", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Next", [this] { Button4Click(); }};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void GdUpdate();
    void PLanetListClick();
    void Button3Click();  // Previous
    void Button4Click();  // Next
    void Button2Click();  // Help
    void Button1Click();  // Continue

private:
    // Fills the screen for a planet, and only then takes it as the one shown.
    void showPlanet(Int planet);
    void showGood(Int p, Int g);

    Int planet_ = 1;
};

}  // namespace quorvex
