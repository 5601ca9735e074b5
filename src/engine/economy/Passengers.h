#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// Passengers offered to every company at the planet its ship stands on (world update step 9).
void offerPassengers(const World& world);
// The offers of one company: how many wait for each planet, what they pay and what they cost.
void offerPassengers(const World& world, Int company);
// Fares of the passengers delivered; everybody leaves the ship (world update step 10).
void settlePassengers(const World& world);

}  // namespace quorvex
