#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The screen's own controls and rules come with its subsystem; until then it shows its caption
// and leads back.
class TCrew final : public Screen {
public:
    explicit TCrew(Game& game);

    Button Button3{*this, "Button3", "Continue", [this] { Button3Click(); }, ButtonRole::WayBack};

    void Button3Click();
};

}  // namespace quorvex
