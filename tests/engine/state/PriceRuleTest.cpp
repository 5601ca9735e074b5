#include <gtest/gtest.h>

#include "state/Catalogue.h"
#include "state/PriceRule.h"

using namespace quorvex;

namespace {

// Iron: 350 .. 500
const Int kMin = 350, kMax = 500;

}  // namespace

TEST(PriceRule, BalancedMarketIsThirtyFivePercentUp) {
    // 350 + round(150 x 0.35) = 350 + round(52.5) = 350 + 52
    const Prices p = marketPrice(kMin, kMax, 1000, 1000);
    EXPECT_EQ(p.P, 402);
    EXPECT_EQ(p.B1, 362);  // round(361.8)
    EXPECT_EQ(p.B2, 350);  // round(289.6) raised to the minimum
    EXPECT_EQ(p.B3, 350);
}

TEST(PriceRule, PlentyGivesTheMinimumShortageTheMaximum) {
    EXPECT_EQ(marketPrice(kMin, kMax, 1100, 1000), (Prices{350, 350, 350, 350}));
    // nothing on offer: s = 100, limited to 24, every band at the maximum
    EXPECT_EQ(marketPrice(kMin, kMax, 0, 1000), (Prices{500, 500, 500, 500}));
    // nobody wants it: the minimum
    EXPECT_EQ(marketPrice(kMin, kMax, 500, 0), (Prices{350, 350, 350, 350}));
}

TEST(PriceRule, TableIsNotMonotonicBelowZero) {
    const Prices slight = marketPrice(kMin, kMax, 1010, 1000);  // s = -1: 22 %
    const Prices large = marketPrice(kMin, kMax, 1050, 1000);   // s = -5: 32 %
    EXPECT_EQ(slight.P, 350 + 33);                              // round(33.0)
    EXPECT_EQ(large.P, 350 + 48);
    EXPECT_LT(slight.P, large.P);
    EXPECT_EQ(shortage(1010, 1000), -1);
    EXPECT_EQ(shortage(1005, 1000), 0);   // round(100.5) = 100
    EXPECT_EQ(shortage(1015, 1000), -2);  // round(101.5) = 102
}

TEST(PriceRule, BandsComeFromTheFirstBand) {
    // Houses 60000 .. 125000 at s = 10 (k = 62): P = 60000 + 40300
    const Prices p = marketPrice(60000, 125000, 900, 1000);
    EXPECT_EQ(p.P, 100300);
    EXPECT_EQ(p.B1, 90270);
    EXPECT_EQ(p.B2, 72216);  // 80 % of B1
    EXPECT_EQ(p.B3, 63189);  // 70 % of B1, not of B2
}

TEST(PriceRule, NewGameKeepsLowerBandsBelowTheMaximum) {
    // supply at 80 % and amount at 95 % of it: 76 % of demand, shortage 24
    const Prices market = marketPrice(kMin, kMax, 760, 1000);
    const Prices newGame = marketPrice(kMin, kMax, 760, 1000, PriceVariant::NewGame);
    EXPECT_EQ(market, (Prices{500, 500, 500, 500}));
    EXPECT_EQ(newGame, (Prices{500, 500, 400, 350}));
    const Prices houses = marketPrice(60000, 125000, 0, 10, PriceVariant::NewGame);
    EXPECT_EQ(houses, (Prices{125000, 125000, 100000, 87500}));
}

TEST(Catalogue, RecipesMakeEachManufacturedGoodOnce) {
    GameState s;
    writeCatalogue(s);
    std::array<int, kGoods + 1> made{};
    for (int r = 1; r <= kRecipes; ++r)
        made[s.RecipeOutput[r].get()]++;
    for (int g = 1; g <= kGoods; ++g)
        EXPECT_EQ(made[g], g <= kRawGoods ? 0 : 1) << g;
    EXPECT_EQ(s.GoodName[21], "Houses");
    EXPECT_EQ(s.GoodWeight[21], 15.0);
    EXPECT_EQ(s.RecipeInput4[11], 15);
    EXPECT_EQ(s.RecipeInput3Qty[11], 20);
    EXPECT_EQ(s.PlanetName[12], "L");
    EXPECT_EQ(s.PlanetSize[4], 6);
}
