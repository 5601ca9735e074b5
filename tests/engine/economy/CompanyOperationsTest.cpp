#include "economy/CompanyOperations.h"

#include "OperationsFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Strings = std::vector<std::string>;

constexpr int kIron = 1, kCoal = 2, kClay = 6, kSteel = 8, kBricks = 18, kFood = 25;
constexpr int rSteel = 1, rBricks = 6;

struct CompanyOperations : OperationsFixture {
    void run(int c) { runCompanyOperations(t.game.world(), c); }

    // Planet 4: an iron mine producing 120 a turn feeds a steel works making 120, which also
    // needs 240 coal, of which 40 are in stock.
    void steelWorks(int c) {
        s.MineReserve(c, 4, kIron, 1) = 5000;
        s.MineMaxProduction(c, 4, kIron, 1) = 200;
        s.MineCostPerTon(c, 4, kIron, 1) = 100;
        s.MineMaintenance(c, 4, kIron, 1) = 1000;
        s.MineProduction(c, 4, kIron, 1) = 120;
        s.FactoryAmount(c, 4, rSteel) = 120;
        s.WarehouseStock(c, 4, kCoal) = 40;
        s.WarehouseSpace(c, 4) = 1000;
        s.WarehouseFree(c, 4) = 1000;
        s.PlayerCash[c] = 0;
        s.PlayerSavings[c] = 1000;
        s.PlayerCreditLimit[c] = 1000000;
    }
};

TEST_F(CompanyOperations, MineFeedsPurchasesFeedFactoryAndTheProductIsSold) {
    steelWorks(1);
    const int coalPrice = s.PlayerIndPrice3(1, 4, kCoal).get();  // 200 coal bought
    const int steelPrice = s.PlayerIndPrice3(1, 4, kSteel).get();
    run(1);

    EXPECT_EQ(
        messages(),
        (Strings{"Ajax You have used £1000 of your savings to pay for mine maintainence",
                 "Ajax You have taken out a loan for £12000 of your to pay for production costs",
                 "Ajax You have taken out a loan for £" + std::to_string(200 * coalPrice) +
                     " of your to pay for production costs",
                 "Ajax You have taken out a loan for £18000 of your to pay for production costs"}));
    EXPECT_EQ(s.PlayerLoan[1], 100000 + 12000 + 200 * coalPrice + 18000);
    EXPECT_EQ(s.PlayerCash[1], 120 * steelPrice);
    EXPECT_EQ(s.MineReserve(1, 4, kIron, 1), 4880);
    // The amounts stay those of the plan made before selling, with the stock used up.
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kCoal), 240);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kIron), 120);
    EXPECT_EQ(s.SalesSellAmount(1, 4, kSteel), 120);
    for (int g : {kIron, kCoal, kSteel})
        EXPECT_EQ(s.WarehouseStock(1, 4, g), 0) << g;
    EXPECT_EQ(s.WarehouseUsed(1, 4), 0);
    EXPECT_EQ(s.PlanetAmount(4, kCoal), 800);
    EXPECT_EQ(s.PlanetAmount(4, kSteel), 1120);
}

TEST_F(CompanyOperations, ComputerCompaniesDoTheSameInSilence) {
    steelWorks(9);
    const int coalPrice = s.PlayerIndPrice3(9, 4, kCoal).get();
    const int steelPrice = s.PlayerIndPrice3(9, 4, kSteel).get();
    run(9);
    EXPECT_EQ(messages(), Strings{});
    EXPECT_EQ(s.PlayerLoan[9], 100000 + 12000 + 200 * coalPrice + 18000);
    EXPECT_EQ(s.PlayerCash[9], 120 * steelPrice);
}

TEST_F(CompanyOperations, WithNothingToRunTheWholeStockIsSoldEveryTurn) {
    s.WarehouseSpace(1, 1) = 100;
    s.WarehouseStock(1, 1, kIron) = 10;
    s.WarehouseSpace(1, 12) = 200;
    s.WarehouseStock(1, 12, kFood) = 7;
    s.WarehouseStock(1, 12, kCoal) = 100;
    s.SalesSellAdjust(1, 12, kCoal) = -30;  // 30 kept back
    s.PlayerCash[1] = 500;
    const int income = 10 * s.PlayerIndPrice1(1, 1, kIron).get() +
                       7 * s.PlayerRetailPrice(1, 12, kFood).get() +
                       70 * s.PlayerIndPrice2(1, 12, kCoal).get();
    run(1);
    EXPECT_EQ(s.PlayerCash[1], 500 + income);
    EXPECT_EQ(s.WarehouseStock(1, 1, kIron), 0);
    EXPECT_EQ(s.WarehouseStock(1, 12, kFood), 0);
    EXPECT_EQ(s.WarehouseStock(1, 12, kCoal), 30);
    // 79 tons counted, less 4 for the food and 52 (52.5) for the 70 coal: the weights of the
    // trades are rounded one by one.
    EXPECT_EQ(s.WarehouseUsed(1, 12), 23);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(CompanyOperations, UnpaidCostsStopTheirStepsButTheSaleStillRuns) {
    s.MineMaintenance(1, 2, kClay, 1) = 500;
    s.MineProduction(1, 2, kClay, 1) = 10;
    s.MineCostPerTon(1, 2, kClay, 1) = 100;
    s.MineReserve(1, 2, kClay, 1) = 1000;
    s.FactoryAmount(1, 2, rBricks) = 10;
    s.WarehouseSpace(1, 2) = 100;
    s.WarehouseStock(1, 2, kClay) = 10;
    s.WarehouseStock(1, 2, kBricks) = 5;
    broke(1);
    const int income =
        10 * s.PlayerIndPrice1(1, 2, kClay).get() + 5 * s.PlayerRetailPrice(1, 2, kBricks).get();
    run(1);
    EXPECT_EQ(messages(), (Strings{"Ajax You can not afford to pay for your maintainance costs so "
                                   "no prdouction will take place this turn",
                                   "Ajax You can not afford to pay your manufacturing costs so you "
                                   "can not manufacture anything this turn"}));
    EXPECT_EQ(s.MineReserve(1, 2, kClay, 1), 1000);
    // Nothing was made, and what was held is sold.
    EXPECT_EQ(s.WarehouseStock(1, 2, kClay), 0);
    EXPECT_EQ(s.WarehouseStock(1, 2, kBricks), 0);
    EXPECT_EQ(s.PlayerCash[1], income);
}

}  // namespace
