#include "ShipFigures.h"

namespace quorvex {
namespace {

constexpr int kPlacesPerCrew = 5;
constexpr int kCrewRunningTheShip = 2;

}  // namespace

void recomputeShipSpace(GameState& s, Int c) {
    s.ShipSpace[c] = s.ShipHullSize[c] - (s.ShipMaxCrew[c] * 10 + 40);
}

void recomputeFreeSpace(GameState& s, Int c) {
    s.ShipFreeSpace[c] = s.ShipSpace[c] - (s.CargoSpace[c] + s.FuelTankSpace[c] +
                                           s.PassengerSpace[c] * 5 + s.EngineSize[c]);
}

void recomputeSpaceAndFreeSpace(GameState& s, Int c) {
    recomputeShipSpace(s, c);
    recomputeFreeSpace(s, c);
}

void recomputeCrewPlaces(GameState& s, Int c) {
    s.ShipMaxCrew[c] = s.ShipHullSize[c] / 50;
    s.PassengerSpaceLimit[c] = (s.ShipMaxCrew[c] - kCrewRunningTheShip) * kPlacesPerCrew;
}

void recomputeHullFigures(GameState& s, Int c) {
    recomputeCrewPlaces(s, c);
    recomputeSpaceAndFreeSpace(s, c);
}

Int crewForPassengerPlaces(Int places) {
    // Rounded up in 64 bits, so the largest count of places cannot overflow on the way.
    const int64_t p = places.wide();
    return Int::fromWide(p > 0 ? (p + kPlacesPerCrew - 1) / kPlacesPerCrew : p / kPlacesPerCrew);
}

}  // namespace quorvex
