#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// The chance events of the company now playing, at the game's chosen frequency: one to four
// draws, each maybe a bigger hull, a dearer good, a cheaper loan, better savings, an investment
// paying off or money in the street.
void RandomEvents(const World& world);

// How many events a roll of 0..100 brings: mostly one, rarely up to four.
int eventDrawsFor(Int roll);

}  // namespace quorvex
