#include "TShip.h"

#include "../form/Game.h"

namespace quorvex {

TShip::TShip(Game& game) : Screen(game, ScreenId::Ship, "Ship Information") {
    Button1.onClick = [this] { Button1Click(); };
}

void TShip::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
