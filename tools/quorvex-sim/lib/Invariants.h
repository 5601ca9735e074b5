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
//  - each company sees a planet's amount and demand as the last market step left them (changed
//    only by its advertising on the planets it ticked) or as the last trade on the buy and sell
//    screens left them (changed by its industrial advertising changes wherever it advertises),
//    never below 0. Where a sales office may have traded since the market step only the demand
//    is checked exactly: the sales office rebuilds its own company's view alone;
//  - the tons in use of the hold and of every warehouse lie between 0 and the space; warehouse
//    space and stocks are never negative.
std::vector<std::string> checkInvariants(const GameState& s);

// One trade in goods by the company whose turn it is (buy, sell or warehouse screen), checked
// from the store before and after it: exactly one good moved into or out of one place; the cash
// moved by the goods' value at the price the company saw, and never went below 0 to pay for a
// purchase; the tons in use moved by the trade's weight (a sale never takes them below 0); the
// planet's amount went down by a purchase and up by a sale (not below 0), or stayed for a sale
// from the warehouse screen. Empty when the action moved no goods.
std::vector<std::string> checkTrade(const GameState& before, const GameState& after);

}  // namespace quorvex::sim
