#include "TCrew.h"

#include "../form/Game.h"

namespace quorvex {

TCrew::TCrew(Game& game) : Screen(game, ScreenId::Crew, "Crew") {}

void TCrew::Button3Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
