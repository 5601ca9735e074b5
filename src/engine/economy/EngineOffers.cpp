#include "EngineOffers.h"

#include "../state/ExactRound.h"
#include "../state/World.h"

namespace quorvex {

Int engineListPrice(Int speed, Int size, Int efficiency) {
    // Speed costs more the faster it gets; a small, thrifty engine earns a discount back.
    return Int(5000) + speed * speed * 50 + speed * 2500 + (Int(37500) - size * 175) +
           (Int(32500) - efficiency * 200);
}

void drawEngineOffers(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        for (int m = 1; m <= kEngineModels; ++m) {
            const Int speed = world.random(24) + 1;
            const Int size = speed * 5 + 10;
            const Int efficiency = world.random(35) + 15 + speed * 2;
            s.EngineModelSpeed(m, p) = speed;
            s.EngineModelSize(m, p) = size;
            s.EngineModelEfficiency(m, p) = efficiency;
            const Int price = engineListPrice(speed, size, efficiency);
            // The planet's dealers ask from 25 % under to 49 % over the list price.
            const Int change = world.random(75) + 25 - 50;
            s.EnginePrice(m, p) = storeRounded(roundPercentTimes(change, price)) + price;
        }
    }
}

}  // namespace quorvex
