#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TSell final : public Screen {
public:
    explicit TSell(Game& game);

    Button Button4{*this, "Button4", "Exit", [this] { Button4Click(); }, ButtonRole::WayBack};

    void Button4Click();
};

}  // namespace quorvex
