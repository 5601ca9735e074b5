#include "TMarketScr.h"

#include "../form/Game.h"

namespace quorvex {

TMarketScr::TMarketScr(Game& game) : Screen(game, ScreenId::MarketScr, "Market") {}

void TMarketScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
