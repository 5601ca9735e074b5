#include "TDemandScr.h"

#include "../form/Game.h"

namespace quorvex {

TDemandScr::TDemandScr(Game& game) : Screen(game, ScreenId::DemandScr, "Demand") {}

void TDemandScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
