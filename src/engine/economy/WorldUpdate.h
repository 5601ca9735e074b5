#pragma once

#include <functional>

#include "../state/Int.h"

namespace quorvex {

class World;

// The sections the world update hands the companies over to at its end. The game uses its own;
// a test can put in others to watch when and for whom they run.
struct CompanySections {
    std::function<void(const World&)> offerPassengers;
    std::function<void(const World&)> settlePassengers;
    std::function<void(const World&, Int)> runCompanyOperations;
    static CompanySections standard();
};

// The world update between two game turns (everything but handing on to the next company):
// the turn counter, service prices, mine offers, the order of play, engine offers, population,
// market, passengers and every company's standing operations.
void worldUpdate(const World& world);
void worldUpdate(const World& world, const CompanySections& sections);

// Planet population grows by its rate each turn, rounded, and stops at the cap.
void growPopulation(const World& world);

}  // namespace quorvex
