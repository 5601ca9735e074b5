#pragma once

#include <functional>

#include "../state/Int.h"

namespace quorvex {

class Game;

// The sections the world update hands the companies over to at its end. The game uses its own;
// a test can put in others to watch when and for whom they run.
struct CompanySections {
    std::function<void(Game&)> offerPassengers;
    std::function<void(Game&)> settlePassengers;
    std::function<void(Game&, Int)> runCompanyOperations;
    static CompanySections standard();
};

// The world update between two game turns (everything but handing on to the next company):
// the turn counter, service prices, mine offers, the order of play, engine offers, population,
// market, passengers and every company's standing operations.
void worldUpdate(Game& game);
void worldUpdate(Game& game, const CompanySections& sections);

// Planet population grows by its rate each turn, rounded, and stops at the cap.
void growPopulation(Game& game);

}  // namespace quorvex
