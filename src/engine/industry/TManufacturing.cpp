#include "TManufacturing.h"

#include "../form/Game.h"

namespace quorvex {

TManufacturing::TManufacturing(Game& game)
    : Screen(game, ScreenId::Manufacturing, "Manufacturing") {}

void TManufacturing::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
