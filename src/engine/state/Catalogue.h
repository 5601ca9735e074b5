#pragma once

#include "GameState.h"

namespace quorvex {

// Writes the fixed world into the store: the 25 goods, the 18 recipes, the planets' names and
// sizes. A new game does this each time the new-game screen is shown.
void writeCatalogue(GameState& s);

inline bool isRawGood(Int good) {
    return good.get() <= kRawGoods;
}
inline bool isIndustrialGood(Int good) {
    return good.get() <= kIndustrialGoods;
}

}  // namespace quorvex
