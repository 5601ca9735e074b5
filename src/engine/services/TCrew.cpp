#include "TCrew.h"

#include "../form/Game.h"

namespace quorvex {

TCrew::TCrew(Game& game) : Screen(game, ScreenId::Crew, "Crew") {
    Button3.onClick = [this] { Button3Click(); };
}

void TCrew::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
