#pragma once

#include "../state/GameState.h"

namespace quorvex {

class Choice;

// The industry screens' planet list: the twelve names, the shown planet's entry chosen, so the
// list always marks the planet on view.
void fillPlanetList(Choice& list, const GameState& s, Int shown);

// Stepping through the planets, round from the last to the first and back.
inline Int nextPlanet(Int p) {
    return p.get() == kPlanets ? Int(1) : p + 1;
}
inline Int previousPlanet(Int p) {
    return p.get() == 1 ? Int(kPlanets) : p - 1;
}

}  // namespace quorvex
