#pragma once

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

// The shortage s = 100 - round(A / D x 100), limited to -10 .. 24.
int shortage(Int amount, Int demand);

}  // namespace quorvex
