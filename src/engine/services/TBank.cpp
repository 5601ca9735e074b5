#include "TBank.h"

#include "../form/Game.h"

namespace quorvex {

TBank::TBank(Game& game) : Screen(game, ScreenId::Bank, "Bank") {}

void TBank::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
