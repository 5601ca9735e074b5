#pragma once

#include "../state/Int.h"

namespace quorvex {

class Game;

// The end of the turn of the company now playing (CurrentPlayer): the ship arrives, burns fuel
// or is towed, pays the landing charge, interest and wages accrue, chance strikes, the crew may
// revolt and the credit limit is enforced.
void Plyrfinish(Game& game);

void fueluse(Game& game);
void PayLandcost(Game& game);
void chargeInterest(Game& game);
void CrewRevoltCheck(Game& game);
void Bankcruptcycheck(Game& game);

}  // namespace quorvex
