#pragma once

#include "../state/GameState.h"

namespace quorvex {

class World;

// The market step of the world update: planet demand, supply and amount move, planet prices
// follow, advertising adjustments are worked out and every company's view is rebuilt.
void marketStep(const World& world);

// Rebuilds one company's view of every market (amount, demand and prices) from the planets'
// figures and its advertising. The sales office calls it after buying and after selling.
void refreshCompanyView(const World& world, Int company);

}  // namespace quorvex
