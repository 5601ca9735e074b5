#pragma once

namespace quorvex {

class Game;

// The world update between two game turns (everything but handing on to the next company):
// the turn counter, service prices, mine and engine offers, population, market, passengers and
// every company's standing operations.
void worldUpdate(Game& game);

}  // namespace quorvex
