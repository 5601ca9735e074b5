#include "ServicePrices.h"

#include "../state/World.h"

namespace quorvex {

void drawServicePrices(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetFuelPrice[p] = world.random(250) + 50;
        s.PlanetCargoSpacePrice[p] = world.random(150) + 50;
        s.PlanetFuelSpacePrice[p] = world.random(150) + 100;
        s.PlanetPassengerSpacePrice[p] = world.random(350) + 250;
        s.PlanetWarehousePrice[p] = world.random(500) + 750;
        s.PlanetWarehouseAvailable[p] = world.random(500) + 500;
        s.PlanetFactoryPrice[p] = world.random(750) + 1000;
        s.PlanetFactoryAvailable[p] = world.random(500) + 500;
    }
}

}  // namespace quorvex
