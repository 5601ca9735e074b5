#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Hull space: buying and selling cargo, fuel tank and passenger space at the prices of the
// ship's planet, with the crew hired or sacked that the passenger places need.
class TShpUpg final : public Screen {
public:
    explicit TShpUpg(Game& game);

    Label HullL{*this, "HullL"};
    Label SpaceL{*this, "SpaceL"};
    Label FreeL{*this, "FreeL"};
    Label MaxCrewL{*this, "MaxCrewL"};
    Label CrewL{*this, "CrewL"};
    Label CashL{*this, "CashL"};
    Label EngineL{*this, "EngineL"};
    // Column 0 and row 0 hold the headings; rows 1..3 are cargo, fuel and passengers.
    StringGrid Upgrades{*this, "Upgrades", 4, 4, 1, 1};
    Button Button3{*this, "Button3", "Buy  Cargo space", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Sell Cargo space", [this] { Button4Click(); }};
    Button Button7{*this, "Button7", "Buy Fuel Space", [this] { Button7Click(); }};
    Button Button8{*this, "Button8", "Sell Fuel Space", [this] { Button8Click(); }};
    Button Button5{*this, "Button5", "Buy Passenger Space", [this] { Button5Click(); }};
    Button Button6{*this, "Button6", "Sell Passenger Space", [this] { Button6Click(); }};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void SUUpdate();
    void Button1Click();  // Continue
    void Button2Click();  // Help
    void Button3Click();  // Buy  Cargo space
    void Button4Click();  // Sell Cargo space
    void Button5Click();  // Buy Passenger Space
    void Button6Click();  // Sell Passenger Space
    void Button7Click();  // Buy Fuel Space
    void Button8Click();  // Sell Fuel Space

    // Cargo space and fuel tank space are traded alike, by the ton; only the figures they change
    // and the words differ.
    struct TonnageSpace;

private:
    void buyTonnage(const TonnageSpace& kind);
    void sellTonnage(const TonnageSpace& kind);
    // Selling places whose passengers the crew no longer needs to look after: the sacked crew
    // are paid their share of the wages owed first. False when the company backs out or cannot
    // pay them.
    bool sackCrewFor(Int places);
};

}  // namespace quorvex
