#pragma once

namespace quorvex {

class Game;

// Passengers offered to every company at the planet its ship stands on (world update step 9).
void offerPassengers(Game& game);
// Fares of the passengers delivered; everybody leaves the ship (world update step 10).
void settlePassengers(Game& game);

}  // namespace quorvex
