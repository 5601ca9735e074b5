#include "TGDInfo.h"

#include "../form/Game.h"

namespace quorvex {

TGDInfo::TGDInfo(Game& game) : Screen(game, ScreenId::GDInfo, "GDInfo") {}

void TGDInfo::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
