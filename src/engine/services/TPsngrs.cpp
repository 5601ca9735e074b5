#include "TPsngrs.h"

#include "../form/Game.h"

namespace quorvex {

TPsngrs::TPsngrs(Game& game) : Screen(game, ScreenId::Psngrs, "Passengers") {
    Button4.onClick = [this] { Button4Click(); };
}

void TPsngrs::FormShow() {
    PSUpdate();
}
void TPsngrs::PSUpdate() {}
void TPsngrs::Button5Click() {}
void TPsngrs::Button3Click() {}
void TPsngrs::Button1Click() {}
void TPsngrs::Button4Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
