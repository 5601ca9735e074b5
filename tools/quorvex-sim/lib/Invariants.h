#pragma once

#include <string>
#include <vector>

#include "state/GameState.h"

namespace quorvex::sim {

// The relations the store must keep between two actions of a running game. Returns one line per
// broken relation (empty when all hold), at most a screenful: after that a count of the rest.
//
// Checked:
//  - ship figures of every active company: crew places, space and passenger limit follow from
//    the hull, the free space from the space and what fills it, and the cargo aboard fits the
//    cargo space;
//  - a computer company's stored free hold tons are never written (it never trades goods);
//  - never negative: fuel, tank, cargo and passenger space, passengers aboard, goods in the hold;
//    fuel never above the tank, passengers never above their places, places never above what
//    the crew can look after;
//  - planets the ships are on, fly to and carry passengers to are real planets; crew moods are
//    one of the five;
//  - a company out of the game is worth -99999999;
//  - the order of play holds every company exactly once;
//  - every planet's landing total is its landing cost plus every company's fee there;
//  - every planet and company price lies between the good's lowest and highest price;
//  - each company sees a planet's amount and demand changed only by its advertising on the
//    planets it ticked, and never below 0. Trades on the buy and sell screens and by sales
//    offices change a single company's view until the next world update, so this holds in games
//    where nobody trades, such as the simulator's.
std::vector<std::string> checkInvariants(const GameState& s);

}  // namespace quorvex::sim
