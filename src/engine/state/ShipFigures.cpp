#include "ShipFigures.h"

namespace quorvex {

void recomputeShipSpace(GameState& s, Int c) {
    s.ShipSpace[c] = s.ShipHullSize[c] - (s.ShipMaxCrew[c] * 10 + 40);
}

void recomputeFreeSpace(GameState& s, Int c) {
    s.ShipFreeSpace[c] = s.ShipSpace[c] - (s.CargoSpace[c] + s.FuelTankSpace[c] +
                                           s.PassengerSpace[c] * 5 + s.EngineSize[c]);
}

void recomputeHullFigures(GameState& s, Int c) {
    s.ShipMaxCrew[c] = s.ShipHullSize[c] / 50;
    recomputeShipSpace(s, c);
    recomputeFreeSpace(s, c);
    s.PassengerSpaceLimit[c] = (s.ShipMaxCrew[c] - 2) * 5;
}

}  // namespace quorvex
