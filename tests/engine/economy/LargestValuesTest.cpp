// Sums and products of stored values the world update forms, at the largest values a store can
// hold: computed exactly (in 128 bits), never wrapping round, so a total beyond 32 bits is one no
// payment meets and a weight beyond the warehouse counts as a full warehouse.
#include <limits>

#include "OperationsFixture.h"
#include "economy/Manufacturing.h"
#include "economy/MineOperations.h"
#include "economy/SalesOffice.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int64_t kLongMax = std::numeric_limits<int64_t>::max();
using Wide = Fraction::Wide;

struct WideTotals : OperationsFixture {};
struct LargestValues : OperationsFixture {};

}  // namespace

TEST_F(WideTotals, MineProductionCostOfEveryMineAtItsLargest) {
    s.MineProduction.fill(kIntMax);
    s.MineCostPerTon.fill(kIntMax);
    // 420 slots of a company of (2^31 - 1)^2 each pass 64 bits: the cost stops at their top.
    EXPECT_EQ(mineProductionCost(s, 1), kLongMax);
    s.MineProduction.fill(0);
    s.MineProduction(1, 12, 7, 5) = kIntMax;
    EXPECT_EQ(mineProductionCost(s, 1), int64_t{kIntMax} * kIntMax);
}

TEST_F(WideTotals, ManufacturingCostOfEveryFactoryAtItsLargest) {
    s.FactoryAmount.fill(kIntMax);
    for (int r = 1; r <= kRecipes; ++r)
        s.RecipeCost3[r] = kIntMax;
    EXPECT_EQ(manufacturingCost(s, 1), kLongMax);
    // Two planets' worth of one product fits 64 bits exactly.
    s.FactoryAmount.fill(0);
    s.FactoryAmount(1, 1, 5) = s.FactoryAmount(1, 2, 5) = kIntMax;
    EXPECT_EQ(manufacturingCost(s, 1), 2 * int64_t{kIntMax} * kIntMax);
}

TEST_F(WideTotals, FactoryNeedsAddUpEveryRecipeExactly) {
    for (int r = 1; r <= kRecipes; ++r) {
        s.RecipeInput1[r] = s.RecipeInput2[r] = s.RecipeInput3[r] = s.RecipeInput4[r] = 1;
        s.RecipeInput1Qty[r] = s.RecipeInput2Qty[r] = s.RecipeInput3Qty[r] = s.RecipeInput4Qty[r] =
            kIntMax;
        s.FactoryAmount(1, 1, r) = kIntMax;
    }
    const auto need = factoryNeeds(s, 1, 1);
    EXPECT_TRUE(need[1] == Wide(72) * kIntMax * kIntMax);  // 72 slots asking for iron
    EXPECT_TRUE(need[2] == 0);

    // The plan buys as much as an Integer holds and calls it unaffordable.
    const PurchaseCost cost = planSalesOffice(s, 1, true);
    EXPECT_FALSE(cost.fits);
    EXPECT_EQ(s.SalesBuyAmount(1, 1, 1), kIntMax);
}

TEST_F(WideTotals, APurchaseTotalBeyond32BitsIsNotAffordable) {
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kGoods; ++g) {
            s.SalesBuyAdjust(1, t, g) = kIntMax;
            s.PlayerRetailPrice(1, t, g) = s.PlayerIndPrice3(1, t, g) = kIntMax;
        }
    const PurchaseCost cost = planSalesOffice(s, 1, true);
    EXPECT_FALSE(cost.fits);
}

// The heaviest goods a loaded game can have (15 tons a unit), as many as an Integer holds.
TEST_F(WideTotals, AWarehouseRecountOfTheHeaviestGoodsIsAFullWarehouse) {
    for (int g = 1; g <= kGoods; ++g) {
        s.GoodWeight[g] = 15;
        s.WarehouseStock(1, 3, g) = kIntMax;
    }
    s.WarehouseSpace(1, 3) = 700;
    s.WarehouseStock(1, 4, 2) = 3;  // 45 tons on a planet with no room at all
    recountWarehouses(s, 1);
    EXPECT_EQ(s.WarehouseUsed(1, 3), 700);
    EXPECT_EQ(s.WarehouseUsed(1, 4), 0);
    EXPECT_EQ(goodTons(s, 1, kIntMax), int64_t{kIntMax} * 15);
}

// The sales office sells only as much as the company's cash can take: the rest stays stored,
// and the world update goes on.
TEST_F(LargestValues, ASaleWhoseIncomeWouldPassTheLargestIntegerSellsWhatFits) {
    s.PlayerCash[1] = 1000;
    s.WarehouseStock(1, 2, 13) = 15;  // furniture, a retail good
    s.PlayerRetailPrice(1, 2, 13) = 1000000000;
    s.SalesSellAmount(1, 2, 13) = 15;
    salesOfficeSell(t.game.world(), 1);
    EXPECT_EQ(s.PlayerCash[1], 2000001000);  // two sold
    EXPECT_EQ(s.WarehouseStock(1, 2, 13), 13);
    EXPECT_EQ(s.PlanetAmount(2, 13), 1002);

    // A smaller quantity of an industrial good can have a dearer band: 30 do not fit at the
    // 26-100 price, the 23 that would are priced at the 1-25 band, where 21 fit.
    s.PlayerCash[1] = 0;
    s.WarehouseStock(1, 3, 4) = 30;
    bandPrices(1, 3, 4, 100000000, 90000000, 70000000);
    s.SalesSellAmount.fill(0);
    s.SalesSellAmount(1, 3, 4) = 30;
    salesOfficeSell(t.game.world(), 1);
    EXPECT_EQ(s.PlayerCash[1], 21 * 100000000);
    EXPECT_EQ(s.WarehouseStock(1, 3, 4), 9);
}
