#include "TBank.h"

#include "../form/Game.h"

namespace quorvex {

TBank::TBank(Game& game) : Screen(game, ScreenId::Bank, "Bank") {
    Button1.onClick = [this] { Button1Click(); };
}

void TBank::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
