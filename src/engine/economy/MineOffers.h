#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// One mine for sale: what the mines screen lists for a planet, raw good and slot.
struct MineOffer {
    Int reserve, maxProduction, costPerTon, maintenance, price;
    bool operator==(const MineOffer&) const = default;
};

// The offer that follows from a reserve of `reserve` tons dug out over `turns` turns, for a raw
// good whose lowest market price is `minPrice`.
MineOffer mineOffer(Int reserve, Int turns, Int minPrice);

// Every planet's five mines for each raw good, drawn anew: planet by planet, good by good, slot
// by slot. Offers nobody bought are simply replaced.
void drawMineOffers(const World& world);

}  // namespace quorvex
