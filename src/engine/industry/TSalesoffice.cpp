#include "TSalesoffice.h"

#include "../form/Game.h"

namespace quorvex {

TSalesoffice::TSalesoffice(Game& game) : Screen(game, ScreenId::Salesoffice, "Sales Office") {}

void TSalesoffice::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
