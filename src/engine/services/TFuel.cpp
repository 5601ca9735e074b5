#include "TFuel.h"

#include "../form/Game.h"

namespace quorvex {

TFuel::TFuel(Game& game) : Screen(game, ScreenId::Fuel, "Fuel") {}

void TFuel::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
