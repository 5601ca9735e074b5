#pragma once

#include "../state/GameState.h"

namespace quorvex {

// A net worth above this wins the game; exactly this much does not.
inline constexpr int32_t kWinningWorth = 250000000;

// Whether the store shows a game that has ended, as the ranking display tells it: fewer than two
// companies still playing, no human company among them, or an active company at the head of the
// ranking (highest net worth, the lower number first among equals) worth more than the winning
// worth.
bool gameHasEnded(const GameState& s);

}  // namespace quorvex
