#pragma once

#include <array>

#include "../form/Screen.h"

namespace quorvex {

// The travel screen: clicking a planet records it as the ship's next planet and ends the turn.
class TTravelscr final : public Screen {
public:
    explicit TTravelscr(Game& game);

    Label PLanet1{*this, "PLanet1", "", [this] { PLanetClick(1); }};
    Label PLanet2{*this, "PLanet2", "", [this] { PLanetClick(2); }};
    Label PLanet3{*this, "PLanet3", "", [this] { PLanetClick(3); }};
    Label PLanet4{*this, "PLanet4", "", [this] { PLanetClick(4); }};
    Label PLanet5{*this, "PLanet5", "", [this] { PLanetClick(5); }};
    Label PLanet6{*this, "PLanet6", "", [this] { PLanetClick(6); }};
    Label PLanet7{*this, "PLanet7", "", [this] { PLanetClick(7); }};
    Label PLanet8{*this, "PLanet8", "", [this] { PLanetClick(8); }};
    Label PLanet9{*this, "PLanet9", "", [this] { PLanetClick(9); }};
    Label PLanet10{*this, "PLanet10", "", [this] { PLanetClick(10); }};
    Label PLanet11{*this, "PLanet11", "", [this] { PLanetClick(11); }};
    Label PLanet12{*this, "PLanet12", "", [this] { PLanetClick(12); }};
    Button Button1{*this, "Button1", "Back", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button3{*this, "Button3", "Landing Cost", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Help", kDoesNothing};

    void FormShow() override;
    const Control* focusOnShowing() const override { return destination_; }
    // PLanet1Click .. PLanet12Click: fly to planet 1 .. 12.
    void PLanetClick(int planet);
    void Button1Click();
    void Button3Click();

    Label& planetLabel(int planet);

private:
    const Label* destination_ = nullptr;  // the declared destination, shown in yellow
};

}  // namespace quorvex
