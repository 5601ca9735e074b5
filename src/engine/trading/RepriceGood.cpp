#include "RepriceGood.h"

#include "../state/PriceRule.h"

namespace quorvex {

void RepriceGood(GameState& s, Int t, Int g) {
    for (int i = 1; i <= kCompanies; ++i) {
        Int amount = s.PlanetAmount(t, g) + s.AdvIndAmountAdj(i, t, g);
        Int demand = s.PlanetDemand(t, g) + s.AdvIndDemandAdj(i, t, g);
        if (amount < 0) amount = 0;
        if (demand < 0) demand = 0;
        s.PlayerAmount(i, t, g) = amount;
        s.PlayerDemand(i, t, g) = demand;
        const Prices p = marketPrice(s, g, amount, demand);
        s.PlayerRetailPrice(i, t, g) = p.P;
        s.PlayerIndPrice1(i, t, g) = p.B1;
        s.PlayerIndPrice2(i, t, g) = p.B2;
        s.PlayerIndPrice3(i, t, g) = p.B3;
    }
}

}  // namespace quorvex
