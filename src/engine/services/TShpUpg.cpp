#include "TShpUpg.h"

#include "../form/Game.h"

namespace quorvex {

TShpUpg::TShpUpg(Game& game) : Screen(game, ScreenId::ShpUpg, "Ship  Upgrade") {
    Button1.onClick = [this] { Button1Click(); };
}

void TShpUpg::Button1Click() {
    handOver(ScreenId::Ship);
}

}  // namespace quorvex
