#include "TProduction.h"

#include "../form/Game.h"

namespace quorvex {

TProduction::TProduction(Game& game) : Screen(game, ScreenId::Production, "Production") {
    Button1.onClick = [this] { Button1Click(); };
}

void TProduction::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
