#include "TShpUpg.h"

#include "../form/Game.h"

namespace quorvex {

TShpUpg::TShpUpg(Game& game) : Screen(game, ScreenId::ShpUpg, "Ship  Upgrade") {}

void TShpUpg::Button1Click() {
    handOver(ScreenId::Ship);
}

}  // namespace quorvex
