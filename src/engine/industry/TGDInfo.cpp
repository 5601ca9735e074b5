#include "TGDInfo.h"

#include "../form/Game.h"

namespace quorvex {

TGDInfo::TGDInfo(Game& game) : Screen(game, ScreenId::GDInfo, "GDInfo") {
    Button1.onClick = [this] { Button1Click(); };
}

void TGDInfo::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
