#include "TBuy.h"

#include "../form/Game.h"

namespace quorvex {

TBuy::TBuy(Game& game) : Screen(game, ScreenId::Buy, "Buy") {
    Button4.onClick = [this] { Button4Click(); };
}

void TBuy::Button4Click() {
    close();
}

}  // namespace quorvex
