#include "TradeRules.h"

#include <algorithm>

#include "../state/Catalogue.h"

namespace quorvex {

Int bandPrice(const GameState& s, Int c, Int t, Int g, int64_t q, bool industrial) {
    if (!industrial) return s.PlayerRetailPrice(c, t, g);
    if (q <= 25) return s.PlayerIndPrice1(c, t, g);
    if (q <= 100) return s.PlayerIndPrice2(c, t, g);
    return s.PlayerIndPrice3(c, t, g);
}

Int unitPrice(const GameState& s, Int c, Int t, Int g, int64_t q) {
    return bandPrice(s, c, t, g, q, isIndustrialGood(g));
}

int64_t goodTons(const GameState& s, Int good, int64_t units) {
    return tonsOf(Decimal(s.GoodWeight[good]), units);
}

Int tonsFreed(Int inUse, int64_t weight) {
    return Int::fromWide(std::clamp<int64_t>(weight, 0, std::max<int64_t>(inUse.wide(), 0)));
}

}  // namespace quorvex
