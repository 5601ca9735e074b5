#include "EndOfTurn.h"

#include "../form/Game.h"

namespace quorvex {

void Plyrfinish(Game& game) {
    GameState& s = game.state;
    const Int c = s.CurrentPlayer;
    s.PlayerPlanet[c] = s.PlayerNextPlanet[c];
    fueluse(game);
    PayLandcost(game);
    chargeInterest(game);
    s.CrewDebt[c] += s.CrewCount[c] * s.CrewWage[c];
    CrewRevoltCheck(game);
    Bankcruptcycheck(game);
    if (c == 1) s.FirstRound = false;
}

void fueluse(Game&) {}
void PayLandcost(Game&) {}
void chargeInterest(Game&) {}
void CrewRevoltCheck(Game&) {}
void Bankcruptcycheck(Game&) {}

}  // namespace quorvex
