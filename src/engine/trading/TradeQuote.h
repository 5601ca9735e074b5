#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../state/GameState.h"

namespace quorvex {

// What the buy and sell screens share: the good they trade, its price list, the figures of a
// quote and the two places goods are kept.

// The good a buy or sell screen trades and the list it was picked from, taken from the market's
// record of the pick when the screen is shown. Clicking another row of the market afterwards
// does not change what an open buy or sell screen trades.
struct TradePick {
    Int good = 1;
    bool retail = false;
    bool industrial = false;

    static TradePick fromMarket(const GameState& s);
};

// The price list: the one retail price, or the three industrial bands. It only informs; the
// band charged follows from the quantity.
std::vector<std::string> priceList(const GameState& s, Int company, Int planet,
                                   const TradePick& pick);

// The items of the "Store In" / "Sell From" lists, in this order.
enum class Place { Warehouse = 0, Ship = 1 };
inline constexpr int kNoPlace = -1;

// A trade of q units as the quote works it out, before its checks: its value (q at the unit
// price of its band) and its weight, in 64 bits, so that an absurd quantity is refused by the
// checks rather than stopped by an overflow.
struct TradeFigures {
    Int quantity;
    int64_t value;
    int64_t weight;
};
TradeFigures tradeFigures(const GameState& s, Int company, Int planet, const TradePick& pick,
                          Int quantity);

// A quote that passed its checks: what the trade moves.
struct Quote {
    Int quantity;
    Int value;       // the cost of a purchase, the income of a sale
    int64_t weight;  // a sale's weight may be more than any store counts
    Place place;
};

// One place goods are kept: the ship's hold, or the company's warehouse on a planet. Its free
// tons are stored again after every trade through it.
struct GoodsStore {
    Int& units;
    Int& used;
    Int& free;
    Int space;

    static GoodsStore hold(GameState& s, Int company, Int good);
    static GoodsStore warehouse(GameState& s, Int company, Int planet, Int good);
    static GoodsStore at(GameState& s, Place place, Int company, Int planet, Int good);

    void putIn(Int quantity, int64_t tons);
    void takeOut(Int quantity, int64_t tons);
};

}  // namespace quorvex
