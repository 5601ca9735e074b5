#pragma once

#include <optional>

#include "../state/GameState.h"

namespace quorvex {

// The crew's patience, shared by the crew screen and the end of a turn.

// Whole turns of wages the average crew member is owed: (debt div crew) div wage. None for a ship
// without crew or a crew that costs nothing, where the count has no value.
std::optional<Int> unpaidTurns(const GameState& s, Int company);

// The mood a crew shows after `unpaid` turns without pay: 0 or 1 turn "Jubilant" (1), 2 or 3
// "Happy", 4 or 5 "UnHappy", 6 or 7 "Annoyed", 8 "Angry" (5). Past 8 turns, or with no count,
// the mood stays as it was.
Int moodAfter(std::optional<Int> unpaid, Int mood);

// The word the crew screen shows for a mood of 1 to 5; nothing for any other value.
const char* moodWord(Int mood);

}  // namespace quorvex
