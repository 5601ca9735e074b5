#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TProductionInfo final : public Screen {
public:
    explicit TProductionInfo(Game& game);

    Button Button5{*this, "Button5", "Continue", [this] { Button5Click(); }, ButtonRole::WayBack};

    void Button5Click();
};

}  // namespace quorvex
