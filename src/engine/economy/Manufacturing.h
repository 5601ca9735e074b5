#pragma once

#include <cstdint>

#include "../state/GameState.h"

namespace quorvex {

class World;

inline constexpr int kRecipeInputSlots = 4;

// Input slot j (1..4) of recipe f: the good it takes (0 for an unused slot) and how many units
// of it go into one unit of the product.
Int recipeInput(const GameState& s, Int recipe, int slot);
Int recipeInputQty(const GameState& s, Int recipe, int slot);

// The recipe whose product is the good, or 0 for a raw good.
Int recipeMaking(const GameState& s, Int good);

// What making one unit of a recipe's product costs in a run of `amount` units: the rate of the
// run's size (1-25, 26-100, 101 or more).
Int manufacturingRate(const GameState& s, Int recipe, Int amount);

// What a run of `amount` units of a recipe's product costs: the whole run at the one rate of
// its size, so 26 units can cost less than 25. In 64 bits.
int64_t manufacturingRunCost(const GameState& s, Int recipe, Int amount);

// What all the company's factories cost this turn, summed in 64 bits.
int64_t manufacturingCost(const GameState& s, Int company);

// Every planet's factories turn inputs from the warehouse there into products, product by
// product, so an earlier product can feed a later one. A product short of any input is not made
// and takes nothing. True when some product went short.
bool manufacture(GameState& s, Int company);

// The factories' part of a company's turn: the cost is paid, then the products are made.
void runManufacturing(const World& world, Int company);

}  // namespace quorvex
