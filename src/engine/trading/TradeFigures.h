#pragma once

#include <string>

#include "../state/GameState.h"

namespace quorvex {

// Texts the trading screens show alike.

// "Money: £" and the company's cash.
std::string moneyText(const GameState& s, Int company);
// "Cargo Space: " and the hold's size.
std::string cargoSpaceText(const GameState& s, Int company);
// "Free Cargo Space: " and the hold's free tons. The tons in use are a sum of rounded weights
// and can fall a little below 0, so the difference is taken in 64 bits and always shows.
std::string freeCargoText(const GameState& s, Int company);

// A good's price range: "350 - 500".
std::string priceRange(const GameState& s, Int good);

}  // namespace quorvex
