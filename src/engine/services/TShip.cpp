#include "TShip.h"

#include "../form/Game.h"

namespace quorvex {

TShip::TShip(Game& game) : Screen(game, ScreenId::Ship, "Ship Information") {}

void TShip::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
