#include "economy/Manufacturing.h"

#include "OperationsFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Strings = std::vector<std::string>;

// Goods and the recipes that make them.
constexpr int kIron = 1, kCoal = 2, kOil = 5, kClay = 6, kSteel = 8, kPlastic = 11;
constexpr int kCars = 24, kBricks = 18, kComputers = 17, kRobots = 23;
constexpr int rSteel = 1, rPlastic = 4, rCars = 5, rBricks = 6, rRobots = 18;

struct Manufacturing : OperationsFixture {
    void run(int c) { runManufacturing(t.game.world(), c); }
};

TEST_F(Manufacturing, TheWholeRunIsChargedAtTheRateOfItsSize) {
    // Bricks cost 150, 125 and 100 a unit.
    EXPECT_EQ(manufacturingRunCost(s, rBricks, 25), 25 * 150);
    EXPECT_EQ(manufacturingRunCost(s, rBricks, 26), 26 * 125);  // cheaper than 25
    EXPECT_EQ(manufacturingRunCost(s, rBricks, 100), 100 * 125);
    EXPECT_EQ(manufacturingRunCost(s, rBricks, 101), 101 * 100);

    s.FactoryAmount(1, 2, rBricks) = 25;
    s.FactoryAmount(1, 9, rBricks) = 26;
    s.FactoryAmount(1, 9, rRobots) = 101;  // 250 a unit
    EXPECT_EQ(manufacturingCost(s, 1), 3750 + 3250 + 101 * 250);
}

TEST_F(Manufacturing, PaysThenTurnsInputsIntoProducts) {
    s.FactoryAmount(1, 3, rBricks) = 26;
    s.WarehouseStock(1, 3, kClay) = 30;
    s.PlayerCash[1] = 3000;
    s.PlayerSavings[1] = 1000;
    run(1);
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 750);
    EXPECT_EQ(s.WarehouseStock(1, 3, kClay), 4);
    EXPECT_EQ(s.WarehouseStock(1, 3, kBricks), 26);
    EXPECT_EQ(messages(),
              Strings{"Ajax You have used £250 of your savings to pay for production costs"});
}

TEST_F(Manufacturing, EarlierProductsFeedLaterOnesTheSameTurn) {
    s.FactoryAmount(1, 2, rSteel) = 10;
    s.FactoryAmount(1, 2, rPlastic) = 20;
    s.FactoryAmount(1, 2, rCars) = 10;  // 10 oil, 20 plastic, 10 steel
    s.WarehouseStock(1, 2, kIron) = 10;
    s.WarehouseStock(1, 2, kCoal) = 20;
    s.WarehouseStock(1, 2, kOil) = 30;
    s.PlayerCash[1] = 1000000;
    run(1);
    for (int g : {kIron, kCoal, kOil, kSteel, kPlastic})
        EXPECT_EQ(s.WarehouseStock(1, 2, g), 0) << g;
    EXPECT_EQ(s.WarehouseStock(1, 2, kCars), 10);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Manufacturing, AProductShortOfOneInputIsNotMadeWhileOthersRun) {
    s.FactoryAmount(1, 4, rRobots) = 5;  // 5 computers and 10 steel; one steel short
    s.WarehouseStock(1, 4, kComputers) = 5;
    s.WarehouseStock(1, 4, kSteel) = 9;
    s.FactoryAmount(1, 4, rBricks) = 4;
    s.WarehouseStock(1, 4, kClay) = 4;
    s.FactoryAmount(1, 7, rSteel) = 1;  // no iron at all on planet 7
    s.PlayerCash[1] = 1000000;
    run(1);
    EXPECT_EQ(s.PlayerCash[1], 1000000 - 5 * 350 - 4 * 150 - 250);  // paid for all the same
    EXPECT_EQ(s.WarehouseStock(1, 4, kComputers), 5);
    EXPECT_EQ(s.WarehouseStock(1, 4, kSteel), 9);
    EXPECT_EQ(s.WarehouseStock(1, 4, kRobots), 0);
    EXPECT_EQ(s.WarehouseStock(1, 4, kBricks), 4);
    EXPECT_EQ(s.WarehouseStock(1, 4, kClay), 0);
    EXPECT_EQ(s.WarehouseStock(1, 7, kSteel), 0);
    EXPECT_EQ(messages(),
              Strings{"Ajax You do not have enough goods to do all your manufacturing"});
}

TEST_F(Manufacturing, UnpaidCostMakesNothing) {
    s.FactoryAmount(1, 3, rBricks) = 10;
    s.WarehouseStock(1, 3, kClay) = 10;
    broke(1);
    run(1);
    EXPECT_EQ(messages(), Strings{"Ajax You can not afford to pay your manufacturing costs so you "
                                  "can not manufacture anything this turn"});
    EXPECT_EQ(s.WarehouseStock(1, 3, kClay), 10);
    EXPECT_EQ(s.WarehouseStock(1, 3, kBricks), 0);
}

TEST_F(Manufacturing, NothingAssignedCostsNothingAndSaysNothing) {
    s.FactoryUnits(1, 3) = 100;
    s.PlayerCash[1] = -400;
    run(1);
    EXPECT_EQ(s.PlayerCash[1], -400);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Manufacturing, ComputerCompaniesAreNotTold) {
    s.FactoryAmount(9, 3, rBricks) = 10;
    broke(9);
    run(9);
    s.PlayerCash[9] = 1000000;
    run(9);  // paid, but there is no clay
    EXPECT_EQ(s.PlayerCash[9], 1000000 - 1500);
    EXPECT_EQ(messages(), Strings{});
}

}  // namespace
