#include "TProductionInfo.h"

#include "../form/Game.h"

namespace quorvex {

TProductionInfo::TProductionInfo(Game& game)
    : Screen(game, ScreenId::ProductionInfo, "Production Infomation") {
    Button5.onClick = [this] { Button5Click(); };
}

void TProductionInfo::Button5Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
