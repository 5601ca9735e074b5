#include "TFuel.h"

#include "../form/Game.h"

namespace quorvex {

TFuel::TFuel(Game& game) : Screen(game, ScreenId::Fuel, "Fuel") {
    Button3.onClick = [this] { Button3Click(); };
}

void TFuel::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
