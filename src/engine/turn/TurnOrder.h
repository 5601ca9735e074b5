#pragma once

#include "../state/GameState.h"

namespace quorvex {

// The order of play of a new game turn: the fastest ships first, equal speeds in company order,
// companies out of the game last.
void sortTurnOrder(GameState& s);

}  // namespace quorvex
