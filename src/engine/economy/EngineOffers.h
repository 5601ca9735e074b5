#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// The list price of an engine of the given speed, size and fuel use, before the planet's own
// mark-up or discount.
Int engineListPrice(Int speed, Int size, Int efficiency);

// The five engine models every planet offers, drawn anew: planet by planet, model by model.
void drawEngineOffers(const World& world);

}  // namespace quorvex
