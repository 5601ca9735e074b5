#include "TBuy.h"

#include "../form/Game.h"

namespace quorvex {

TBuy::TBuy(Game& game) : Screen(game, ScreenId::Buy, "Buy") {}

void TBuy::Button4Click() {
    close();
}

}  // namespace quorvex
