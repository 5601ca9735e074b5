#include "PriceRule.h"

#include <algorithm>

#include "ExactRound.h"

namespace quorvex {
namespace {

// Percentage of the way from minimum to maximum price for shortages -9 .. 23. Below 0 the
// table is not monotonic: a slight surplus prices lower than a large one.
constexpr int kPercent[] = {
    15, 13, 10, 7,  32, 30, 26, 24, 22,              // -9 .. -1
    35, 44, 46, 48, 50, 52, 54, 56, 58, 60, 62, 64,  // 0 .. 11
    66, 68, 70, 72, 74, 76, 78, 80, 83, 85, 87, 90,  // 12 .. 23
};
constexpr int kLowest = -10;
constexpr int kHighest = 24;

int64_t percentOf(int64_t value, int percent) {
    return roundDiv(value * percent, 100);
}

}  // namespace

int shortage(Int amount, Int demand) {
    if (demand.get() == 0) return kLowest;
    // the divisor must be positive; a demand below 0 never arises in play
    const int64_t sign = demand.get() < 0 ? -1 : 1;
    const int64_t s = 100 - roundDiv(sign * amount.wide() * 100, sign * demand.wide());
    return static_cast<int>(std::clamp<int64_t>(s, kLowest, kHighest));
}

Prices marketPrice(Int minPrice, Int maxPrice, Int amount, Int demand, PriceVariant variant) {
    const int s = shortage(amount, demand);
    const int64_t lo = minPrice.wide();
    const int64_t hi = maxPrice.wide();
    int64_t p;
    if (s == kLowest)
        p = lo;
    else if (s == kHighest)
        p = hi;
    else
        p = percentOf(hi - lo, kPercent[s + 9]) + lo;

    int64_t b1 = percentOf(p, 90);
    if (p == hi && variant == PriceVariant::NewGame) b1 = hi;
    int64_t b2 = percentOf(b1, 80);
    int64_t b3 = percentOf(b1, 70);
    if (p == hi && variant == PriceVariant::Market) b1 = b2 = b3 = hi;
    b1 = std::max(b1, lo);
    b2 = std::max(b2, lo);
    b3 = std::max(b3, lo);
    return {Int::fromWide(p), Int::fromWide(b1), Int::fromWide(b2), Int::fromWide(b3)};
}

namespace {

uint64_t pack(Int a, Int b) {
    return (uint64_t{static_cast<uint32_t>(a.get())} << 32) | static_cast<uint32_t>(b.get());
}

}  // namespace

const Prices& PriceMemo::prices(int market, Int minPrice, Int maxPrice, Int amount, Int demand) {
    Entry& e = entries_.at(static_cast<std::size_t>(market));
    const uint64_t range = pack(minPrice, maxPrice);
    const uint64_t view = pack(amount, demand);
    if (!e.valid || e.range != range || e.view != view) {
        e.prices = marketPrice(minPrice, maxPrice, amount, demand);
        e.range = range;
        e.view = view;
        e.valid = true;
    }
    return e.prices;
}

}  // namespace quorvex
