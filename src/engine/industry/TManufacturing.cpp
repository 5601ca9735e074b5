#include "TManufacturing.h"

#include "../form/Game.h"

namespace quorvex {

TManufacturing::TManufacturing(Game& game)
    : Screen(game, ScreenId::Manufacturing, "Manufacturing") {
    Button1.onClick = [this] { Button1Click(); };
}

void TManufacturing::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
