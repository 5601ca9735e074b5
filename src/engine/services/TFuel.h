#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Fuel: bought and sold at the price of the planet the ship is on.
class TFuel final : public Screen {
public:
    explicit TFuel(Game& game);

    ProgressBar FuelBar{*this, "FuelBar"};
    Label PriceL{*this, "PriceL"};
    Label FuelL{*this, "FuelL"};
    Label CashL{*this, "CashL"};
    Label SpaceL{*this, "SpaceL"};
    Label CapacityL{*this, "CapacityL"};
    Label EfficiencyL{*this, "EfficiencyL"};
    Button Button2{*this, "Button2", "Buy Fuel", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Sell Fuel", [this] { Button1Click(); }};
    Button Button4{*this, "Button4", "HELP!!!", [this] { Button4Click(); }};
    Button Button3{*this, "Button3", "Continue", [this] { Button3Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void FUpdate();
    void Button2Click();  // Buy Fuel
    void Button1Click();  // Sell Fuel
    void Button4Click();  // HELP!!!
    void Button3Click();  // Continue

private:
    // The gauge: the share of the tank that holds fuel, to the nearest percent.
    void showGauge();
    Int price() const;
};

}  // namespace quorvex
