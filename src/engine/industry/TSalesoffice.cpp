#include "TSalesoffice.h"

#include "../form/Game.h"

namespace quorvex {

TSalesoffice::TSalesoffice(Game& game) : Screen(game, ScreenId::Salesoffice, "Sales Office") {
    Button1.onClick = [this] { Button1Click(); };
}

void TSalesoffice::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
