#include "TSell.h"

#include "../form/Game.h"

namespace quorvex {

TSell::TSell(Game& game) : Screen(game, ScreenId::Sell, "Sell") {}

void TSell::Button4Click() {
    close();
}

}  // namespace quorvex
