#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Planet information: the figures of the planet the ship is on.
class TPlanet final : public Screen {
public:
    explicit TPlanet(Game& game);

    Label PLanetL{*this, "PLanetL"};
    Label PLntSzeL{*this, "PLntSzeL"};
    Label PlntpopL{*this, "PlntpopL"};
    Label MaxpopL{*this, "MaxpopL"};
    Label PlntResL{*this, "PlntResL"};
    Label POPGrowthL{*this, "POPGrowthL"};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button2{*this, "Button2", "Planet Special", kDoesNothing};
    Button Button3{*this, "Button3", "HELP", [this] { Button3Click(); }};

    void FormShow() override;
    void PUpdate();
    void Button1Click();
    void Button3Click();
};

}  // namespace quorvex
