#pragma once

#include "../form/Screen.h"

namespace quorvex {

// What the ship carries and what it is worth on the planet it is on: one row a good aboard, in
// good order, with no gaps.
class TCargoScr final : public Screen {
public:
    explicit TCargoScr(Game& game);

    Label CashL{*this, "CashL"};
    Label CargoSPcL{*this, "CargoSPcL"};
    Label FreeSpaceL{*this, "FreeSpaceL"};
    // Column 0 names the goods; row 0 holds the headings.
    StringGrid Cargo{*this, "Cargo", 7, 26, 1, 1};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Demand", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Market", [this] { Button4Click(); }};

    void FormShow() override;
    void CargoUpdate();
    void Button1Click();  // Continue
    void Button2Click();  // Help
    void Button3Click();  // Demand
    void Button4Click();  // Market

private:
    void fillRow(int row, Int good);
};

}  // namespace quorvex
