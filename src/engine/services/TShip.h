#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Ship information: the hull and the fitted engine, and the engines on sale at the ship's
// planet, one of which can be bought with the fitted engine traded in.
class TShip final : public Screen {
public:
    explicit TShip(Game& game);

    Label HullL{*this, "HullL"};
    Label SpaceL{*this, "SpaceL"};
    Label MaxCrewL{*this, "MaxCrewL"};
    Label CrewL{*this, "CrewL"};
    Label FreeSpaceL{*this, "FreeSpaceL"};
    Label CashL{*this, "CashL"};
    Label SizeL{*this, "SizeL"};
    Label EfficiencyL{*this, "EfficiencyL"};
    Label SpeedL{*this, "SpeedL"};
    // Row 0 the headings, rows 1..5 the models on sale; a click on a row chooses the model.
    StringGrid PEngines{*this, "PEngines", 4, 6, 1, 0};
    Button Button4{*this, "Button4", "Upgrade Engine", [this] { Button4Click(); }};
    Button Button2{*this, "Button2", "Space", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Help", [this] { Button3Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void SSUpdate();
    void Button1Click();  // Continue
    void Button2Click();  // Space
    void Button3Click();  // Help
    void Button4Click();  // Upgrade Engine

    // What a dealer gives for an engine: a list price worked out from its figures, halved and
    // taken down to whole £50.
    static Int tradeInValue(Int speed, Int size, Int efficiency);
};

}  // namespace quorvex
