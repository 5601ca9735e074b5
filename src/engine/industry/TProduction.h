#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TProduction final : public Screen {
public:
    explicit TProduction(Game& game);

    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void Button1Click();
};

}  // namespace quorvex
