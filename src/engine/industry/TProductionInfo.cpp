#include "TProductionInfo.h"

#include "../form/Game.h"

namespace quorvex {

TProductionInfo::TProductionInfo(Game& game)
    : Screen(game, ScreenId::ProductionInfo, "Production Infomation") {}

void TProductionInfo::Button5Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
