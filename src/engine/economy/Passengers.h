#pragma once

#include "../state/Int.h"

namespace quorvex {

class Game;

// Passengers offered to every company at the planet its ship stands on (world update step 9).
void offerPassengers(Game& game);
// The offers of one company: how many wait for each planet, what they pay and what they cost.
void offerPassengers(Game& game, Int company);
// Fares of the passengers delivered; everybody leaves the ship (world update step 10).
void settlePassengers(Game& game);

}  // namespace quorvex
