#include "ComputerPlayer.h"

#include "../form/Game.h"

namespace quorvex {

void playComputerTurn(Game& game, Int c) {
    GameState& s = game.state;
    s.PlayerLastNetWorth[c] = s.PlayerNetWorth[c];
    s.PlayerNextPlanet[c] = s.PlayerDestination[c];
}

}  // namespace quorvex
