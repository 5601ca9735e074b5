#include "TProduction.h"

#include "../form/Game.h"

namespace quorvex {

TProduction::TProduction(Game& game) : Screen(game, ScreenId::Production, "Production") {}

void TProduction::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
