#include "TDemandScr.h"

#include "../form/Game.h"

namespace quorvex {

TDemandScr::TDemandScr(Game& game) : Screen(game, ScreenId::DemandScr, "Demand") {
    Button1.onClick = [this] { Button1Click(); };
}

void TDemandScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
