#include "TCargoScr.h"

#include "../form/Game.h"

namespace quorvex {

TCargoScr::TCargoScr(Game& game) : Screen(game, ScreenId::CargoScr, "Cargo") {}

void TCargoScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
