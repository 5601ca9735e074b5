#pragma once

#include <cstdint>

#include "../form/Screen.h"

namespace quorvex {

// Passengers: the offers at the ship's planet, picking them up, and the ticket price.
class TPsngrs final : public Screen {
public:
    explicit TPsngrs(Game& game);

    Label CashL{*this, "CashL"};
    Label SpaceL{*this, "SpaceL"};
    Label PassengersL{*this, "PassengersL"};
    Label PriceL{*this, "PriceL"};
    StringGrid Passengers{*this, "Passengers", 7, 14, 2, 1};
    Button Button5{*this, "Button5", "Pick up Passengers", [this] { Button5Click(); }};
    Button Button3{*this, "Button3", "Change Price", [this] { Button3Click(); }};
    Button Button1{*this, "Button1", "Help", [this] { Button1Click(); }};
    Button Button4{*this, "Button4", "Continue", [this] { Button4Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void PSUpdate();
    void Button5Click();  // Pick up Passengers
    void Button3Click();  // Change Price
    void Button1Click();  // Help
    void Button4Click();  // Continue

private:
    // Passengers the ship could take for planet j: its whole passenger space, whatever is aboard.
    Int maxPassengers(Int c, Int j) const;
    // Per-passenger figure times the group, in 64 bits so a huge ship never overflows a total.
    static int64_t total(Int perPassenger, Int count) { return perPassenger.wide() * count.wide(); }
};

}  // namespace quorvex
