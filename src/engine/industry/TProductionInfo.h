#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The mines overview: every mine the company owns on any one planet, good by good, with each
// good's totals and the tons they all dig a turn.
class TProductionInfo final : public Screen {
public:
    explicit TProductionInfo(Game& game);

    Label CashL{*this, "CashL"};
    Label PlanetL{*this, "PlanetL"};
    Label YouronL{*this, "YouronL"};
    Label TotalWeightL{*this, "TotalWeightL"};
    Label WareCapL{*this, "WareCapL"};
    ListBox PLanetList{*this, "PLanetList", {}, [this] { PLanetListClick(); }};
    // A heading row, and room for five mines and a totals row for each of the seven raw goods.
    StringGrid Plyrmines{*this, "Plyrmines", 10, 43, 1, 0};
    Button Last{*this, "Last", "Previous", [this] { LastClick(); }};
    Button Next{*this, "Next", "Next", [this] { NextClick(); }};
    // Names what the next press shows.
    Button ShowallToggler{*this, "ShowallToggler", "Totals Only",
                          [this] { ShowallTogglerClick(); }};
    Button Button1{*this, "Button1", "Help", [this] { Button1Click(); }};
    Button Button5{*this, "Button5", "Continue", [this] { Button5Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void PRDInfoUpdate();
    void PLanetListClick();
    void LastClick();            // Previous
    void NextClick();            // Next
    void ShowallTogglerClick();  // Totals Only / Show All
    void Button1Click();         // Help
    void Button5Click();         // Continue

private:
    // Fills the screen for a planet, with or without each mine's own row, and only then takes
    // them as the screen's, so a refresh that stops half-way leaves the earlier view in force.
    void showPlanet(Int planet, bool detail);

    Int planet_ = 1;
    bool detail_ = true;  // every mine and the totals, or the totals only
};

}  // namespace quorvex
