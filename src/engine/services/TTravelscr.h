#pragma once

#include <array>

#include "../form/Screen.h"

namespace quorvex {

// The travel screen: clicking a planet records it as the ship's next planet and ends the turn.
class TTravelscr final : public Screen {
public:
    explicit TTravelscr(Game& game);

    Label PLanet1{*this, "PLanet1"};
    Label PLanet2{*this, "PLanet2"};
    Label PLanet3{*this, "PLanet3"};
    Label PLanet4{*this, "PLanet4"};
    Label PLanet5{*this, "PLanet5"};
    Label PLanet6{*this, "PLanet6"};
    Label PLanet7{*this, "PLanet7"};
    Label PLanet8{*this, "PLanet8"};
    Label PLanet9{*this, "PLanet9"};
    Label PLanet10{*this, "PLanet10"};
    Label PLanet11{*this, "PLanet11"};
    Label PLanet12{*this, "PLanet12"};
    Button Button1{*this, "Button1", "Back"};
    Button Button3{*this, "Button3", "Landing Cost"};
    Button Button4{*this, "Button4", "Help"};

    void FormShow() override;
    // PLanet1Click .. PLanet12Click: fly to planet 1 .. 12.
    void PLanetClick(int planet);
    void Button1Click();
    void Button3Click();

    Label& planetLabel(int planet);
};

}  // namespace quorvex
