#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TBuy final : public Screen {
public:
    explicit TBuy(Game& game);

    Button Button4{*this, "Button4", "Exit", [this] { Button4Click(); }, ButtonRole::WayBack};

    void Button4Click();
};

}  // namespace quorvex
