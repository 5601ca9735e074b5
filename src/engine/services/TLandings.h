#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Landing costs: what landing on each planet costs, and what each company adds to it.
class TLandings final : public Screen {
public:
    explicit TLandings(Game& game);

    Label CashL{*this, "CashL"};
    Label YourOnL{*this, "YourOnL"};
    StringGrid Costs{*this, "Costs", 13, 19, 1, 1};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button2{*this, "Button2", "Help", kDoesNothing};

    void FormShow() override;
    void Button1Click();
};

}  // namespace quorvex
