#include "MineOffers.h"

#include "../state/ExactRound.h"
#include "../state/World.h"

namespace quorvex {

MineOffer mineOffer(Int reserve, Int turns, Int minPrice) {
    MineOffer m;
    m.reserve = reserve;
    m.maxProduction = storeRounded(roundDiv(reserve.wide(), turns.wide()));
    // min - max production x 0.6, in fifths so that it stays exact; a mine that would cost
    // almost nothing to run still costs 100 a ton.
    m.costPerTon =
        storeRounded(roundDiv(5 * minPrice.wide() - 3 * m.maxProduction.wide(), int64_t{5}));
    if (m.costPerTon < 101) m.costPerTon = 100;
    // reserve x 0.05 + cost x 10, in twentieths.
    m.maintenance = storeRounded(roundDiv(reserve.wide() + 200 * m.costPerTon.wide(), int64_t{20}));
    // The reserve's worth is a whole-number product before 15 % of it is taken, so a good priced
    // beyond reason stops here with an overflow rather than pricing the mine wrongly.
    const Int worth = reserve * minPrice;
    m.price = storeRounded(roundDiv(worth.wide() * 3, int64_t{20})) + m.maxProduction * 15 +
              m.maintenance * 25;
    return m;
}

void drawMineOffers(const World& world) {
    GameState& s = world.state;
    for (int t = 1; t <= kPlanets; ++t) {
        for (int g = 1; g <= kRawGoods; ++g) {
            const Int minPrice = s.GoodMinPrice[g];
            // The five slots of one planet and good lie side by side.
            Int* reserve = &s.PlanetMineReserve(t, g, 1);
            Int* maxProduction = &s.PlanetMineMaxProduction(t, g, 1);
            Int* costPerTon = &s.PlanetMineCostPerTon(t, g, 1);
            Int* maintenance = &s.PlanetMineMaintenance(t, g, 1);
            Int* price = &s.PlanetMinePrice(t, g, 1);
            for (int k = 0; k < kMineSlots; ++k) {
                const Int tons = world.random(20000) + 5000;
                const Int turns = world.random(50) + 25;
                const MineOffer m = mineOffer(tons, turns, minPrice);
                reserve[k] = m.reserve;
                maxProduction[k] = m.maxProduction;
                costPerTon[k] = m.costPerTon;
                maintenance[k] = m.maintenance;
                price[k] = m.price;
            }
        }
    }
}

}  // namespace quorvex
