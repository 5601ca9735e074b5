#pragma once

#include "GameState.h"

namespace quorvex {

// The hull figures that follow from the others. Whoever changes one of their terms recomputes
// them at once, so the ship screens never show a stale figure.

// Usable space: the hull less the crew quarters (10 tons a crew place) and 40 tons of fittings,
// from the stored crew places.
void recomputeShipSpace(GameState& s, Int company);
// Space not yet given to cargo, the fuel tank, passengers (5 tons a place) or the engine.
void recomputeFreeSpace(GameState& s, Int company);
// Everything that follows from the hull size: crew places, space, free space and the passenger
// places the crew can look after.
void recomputeHullFigures(GameState& s, Int company);

}  // namespace quorvex
