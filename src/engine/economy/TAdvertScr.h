#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TAdvertScr final : public Screen {
public:
    explicit TAdvertScr(Game& game);

    Button Button4{*this, "Button4", "Continue", [this] { Button4Click(); }, ButtonRole::WayBack};

    void Button4Click();
};

}  // namespace quorvex
