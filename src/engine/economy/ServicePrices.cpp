#include "ServicePrices.h"

#include "../form/Game.h"

namespace quorvex {

void drawServicePrices(Game& game) {
    GameState& s = game.state;
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetFuelPrice[p] = game.random(250) + 50;
        s.PlanetCargoSpacePrice[p] = game.random(150) + 50;
        s.PlanetFuelSpacePrice[p] = game.random(150) + 100;
        s.PlanetPassengerSpacePrice[p] = game.random(350) + 250;
        s.PlanetWarehousePrice[p] = game.random(500) + 750;
        s.PlanetWarehouseAvailable[p] = game.random(500) + 500;
        s.PlanetFactoryPrice[p] = game.random(750) + 1000;
        s.PlanetFactoryAvailable[p] = game.random(500) + 500;
    }
}

}  // namespace quorvex
