#include "MineOperations.h"

#include "../state/ExactRound.h"
#include "../state/Fraction.h"
#include "../state/World.h"
#include "Payment.h"

namespace quorvex {

Int mineValue(Int reserve, Int maxProduction, Int maintenance, Int minPrice) {
    const Int inGround = (Fraction(reserve) * minPrice * Fraction::ratio(25, 1000)).round();
    const Int upkeep = (Fraction(maintenance) * Fraction::ratio(5, 2)).round();
    return inGround + maxProduction * 10 + upkeep;
}

Int totalMineProduction(const GameState& s, Int c, Int t, Int g) {
    const Int* production = s.MineProduction.row(c, t, g);
    Int total = 0;
    for (int k = 0; k < kMineSlots; ++k)
        total += production[k];
    return total;
}

int64_t mineUpkeepTotal(const GameState& s, Int c) {
    int64_t total = 0;
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kRawGoods; ++g) {
            const Int* maintenance = s.MineMaintenance.row(c, t, g);
            for (int k = 0; k < kMineSlots; ++k)
                total += maintenance[k].wide();
        }
    return total;
}

int64_t mineProductionCost(const GameState& s, Int c) {
    WideTotal total;
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kRawGoods; ++g)
            for (int k = 1; k <= kMineSlots; ++k)
                total.add(s.MineProduction(c, t, g, k).wide() *
                          s.MineCostPerTon(c, t, g, k).wide());
    return total.clamped();
}

void mineOutput(GameState& s, Int c) {
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kRawGoods; ++g)
            for (int k = 1; k <= kMineSlots; ++k) {
                const Int made = s.MineProduction(c, t, g, k);
                s.MineReserve(c, t, g, k) -= made;
                s.WarehouseStock(c, t, g) += made;
                s.MineValue(c, t, g, k) =
                    mineValue(s.MineReserve(c, t, g, k), s.MineMaxProduction(c, t, g, k),
                              s.MineMaintenance(c, t, g, k), s.GoodMinPrice[g]);
            }
}

void runMines(const World& world, Int c) {
    GameState& s = world.state;
    const int64_t upkeep = mineUpkeepTotal(s, c);
    if (upkeep == 0) return;
    if (!payRunningTotal(world, c, upkeep, PaymentPurpose::MineUpkeep)) {
        world.tellCompany(c,
                          " You can not afford to pay for your"
                          " maintainance costs so no prdouction will take place this turn");
        return;
    }
    if (!payRunningTotal(world, c, mineProductionCost(s, c), PaymentPurpose::MineProduction)) {
        world.tellCompany(c, " You can not afford to produce anything this turn");
        return;
    }
    mineOutput(s, c);
}

}  // namespace quorvex
