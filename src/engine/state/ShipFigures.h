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
// Both of the above, in that order: what every fitting-out of the hull looks at first.
void recomputeSpaceAndFreeSpace(GameState& s, Int company);
// The crew places the hull holds (one for each 50 tons) and the passenger places they can look
// after (five for each member beyond the two who run the ship).
void recomputeCrewPlaces(GameState& s, Int company);
// Everything that follows from the hull size: crew places, space, free space and the passenger
// places the crew can look after.
void recomputeHullFigures(GameState& s, Int company);

// The crew needed, beyond the two who run the ship, to look after this many passenger places:
// one for every five places begun.
Int crewForPassengerPlaces(Int places);

}  // namespace quorvex
