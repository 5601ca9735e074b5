#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"
#include "Int.h"

namespace quorvex {

// The four prices of a good on a market: P (the retail price) and the industrial prices for
// 1-25, 26-100 and 101 or more units.
struct Prices {
    Int P, B1, B2, B3;
    bool operator==(const Prices&) const = default;
};

// The new game prices a market at its maximum slightly differently: only the first band is
// lifted to the maximum, the other two are worked out from it.
enum class PriceVariant { Market, NewGame };

// The market price rule: an amount on offer and a demand give the four prices, all between the
// good's minimum and maximum. A demand of 0 (nobody wants the good) gives the minimum price.
Prices marketPrice(Int minPrice, Int maxPrice, Int amount, Int demand,
                   PriceVariant variant = PriceVariant::Market);

inline Prices marketPrice(const GameState& s, Int good, Int amount, Int demand,
                          PriceVariant variant = PriceVariant::Market) {
    return marketPrice(s.GoodMinPrice[good], s.GoodMaxPrice[good], amount, demand, variant);
}

// The last prices worked out for each planet's market, handed out again for as long as the four
// figures they came from stay the same. The rule depends on nothing else, and most companies see
// a market exactly as the planet does (no advertising there) while a trade moves only a few
// markets, so a world update asks the rule for a tenth of what it would without it. Keyed on all
// four figures, it can never give a price the rule would not. Owned by the game beside its store
// (it is no part of the game: never saved, never compared).
class PriceMemo {
public:
    // The prices of market (planet - 1) x 25 + (good - 1).
    const Prices& prices(int market, Int minPrice, Int maxPrice, Int amount, Int demand);

private:
    struct Entry {
        uint64_t range = 0;
        uint64_t view = 0;
        Prices prices;
        bool valid = false;
    };
    std::array<Entry, kPlanets * kGoods> entries_{};
};

// The shortage s = 100 - round(A / D x 100), limited to -10 .. 24.
int shortage(Int amount, Int demand);

}  // namespace quorvex
