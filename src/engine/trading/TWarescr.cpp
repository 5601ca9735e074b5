#include "TWarescr.h"

#include "../form/Game.h"

namespace quorvex {

TWarescr::TWarescr(Game& game) : Screen(game, ScreenId::Warescr, "Warehouse") {}

void TWarescr::Button5Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
