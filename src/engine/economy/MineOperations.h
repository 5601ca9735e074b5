#pragma once

#include <cstdint>

#include "../state/GameState.h"

namespace quorvex {

class World;

// What an owned mine is worth: a fortieth of its reserve at the good's minimum price, ten
// pounds a ton of its top output and two and a half turns of its upkeep. A reserve worked
// below 0 counts against the value.
Int mineValue(Int reserve, Int maxProduction, Int maintenance, Int minPrice);

// The output the company has set for its mines of one raw good on one planet, the sum of the
// five slots' production levels: what the mines screen stores as the mines' output and what the
// sales office plans with.
Int totalMineProduction(const GameState& s, Int company, Int planet, Int good);

// The upkeep of all the company's mines in a turn; 0 means it owns none. Summed in 64 bits.
int64_t mineUpkeepTotal(const GameState& s, Int company);

// What this turn's production levels cost, level times cost a ton over every mine, in 64 bits.
int64_t mineProductionCost(const GameState& s, Int company);

// Every mine's production goes into the warehouse on its planet, whatever room is left there
// and whatever is left in the ground; each reserve and value follows.
void mineOutput(GameState& s, Int company);

// The mines' part of a company's turn: upkeep, then the production cost if the upkeep was
// paid, then the output if that was paid too. A company without mines does nothing here.
void runMines(const World& world, Int company);

}  // namespace quorvex
