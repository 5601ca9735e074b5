#include "TurnOrder.h"

#include <algorithm>
#include <array>

namespace quorvex {

void sortTurnOrder(GameState& s) {
    std::array<int, kCompanies> order;
    for (int i = 0; i < kCompanies; ++i)
        order[i] = i + 1;
    const auto key = [&s](int company) {
        return s.PlayerActive[company] ? s.EngineSpeed[company] : Int(0);
    };
    // Stable: equal speeds keep ascending company numbers, as an exchange sort that swaps only
    // on a strictly greater key would leave them.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) > key(b); });
    for (int i = 0; i < kCompanies; ++i)
        s.TurnOrder[i + 1] = order[i];
}

}  // namespace quorvex
