#include "TAdvertScr.h"

#include "../form/Game.h"

namespace quorvex {

TAdvertScr::TAdvertScr(Game& game) : Screen(game, ScreenId::AdvertScr, "Advertising") {}

void TAdvertScr::Button4Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
