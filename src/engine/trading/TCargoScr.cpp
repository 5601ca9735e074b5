#include "TCargoScr.h"

#include "../form/Game.h"

namespace quorvex {

TCargoScr::TCargoScr(Game& game) : Screen(game, ScreenId::CargoScr, "Cargo") {
    Button1.onClick = [this] { Button1Click(); };
}

void TCargoScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
