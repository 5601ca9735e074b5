#include "economy/MineOperations.h"

#include "OperationsFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Strings = std::vector<std::string>;

struct Mines : OperationsFixture {
    // An iron mine on planet 3, slot 2, and a coal mine on planet 5, slot 1.
    void ownMines(int c) {
        s.MineReserve(c, 3, 1, 2) = 200;
        s.MineMaxProduction(c, 3, 1, 2) = 400;
        s.MineCostPerTon(c, 3, 1, 2) = 110;
        s.MineMaintenance(c, 3, 1, 2) = 1001;
        s.MineProduction(c, 3, 1, 2) = 300;

        s.MineReserve(c, 5, 2, 1) = 8000;
        s.MineMaxProduction(c, 5, 2, 1) = 200;
        s.MineCostPerTon(c, 5, 2, 1) = 150;
        s.MineMaintenance(c, 5, 2, 1) = 2000;
        s.MineProduction(c, 5, 2, 1) = 50;

        s.MineValue(c, 3, 1, 2) = 777;
        s.MineValue(c, 5, 2, 1) = 777;
        s.WarehouseStock(c, 3, 1) = 10;
    }
    void run(int c) { runMines(t.game.world(), c); }
};

TEST_F(Mines, ValueRoundsEachPartHalvesToEven) {
    // 1000 x 350 / 40 = 8750; 400 x 10; 1001 x 2.5 = 2502.5 -> 2502
    EXPECT_EQ(mineValue(1000, 400, 1001, 350), 8750 + 4000 + 2502);
    // 1 x 500 / 40 = 12.5 -> 12; 1003 x 2.5 = 2507.5 -> 2508
    EXPECT_EQ(mineValue(1, 0, 1003, 500), 12 + 2508);
    // A reserve worked below 0 lowers the value: -100 x 350 / 40 = -875
    EXPECT_EQ(mineValue(-100, 400, 1001, 350), -875 + 4000 + 2502);
}

TEST_F(Mines, UpkeepProductionCostAndOutput) {
    ownMines(1);
    s.PlayerCash[1] = 100000;
    run(1);
    // Upkeep 3001, production 300 x 110 + 50 x 150 = 40500.
    EXPECT_EQ(s.PlayerCash[1], 100000 - 3001 - 40500);
    EXPECT_EQ(s.WarehouseStock(1, 3, 1), 310);
    EXPECT_EQ(s.WarehouseStock(1, 5, 2), 50);
    // Output is produced in full: the reserve of 200 goes to -100, and the value uses it.
    EXPECT_EQ(s.MineReserve(1, 3, 1, 2), -100);
    EXPECT_EQ(s.MineValue(1, 3, 1, 2), mineValue(-100, 400, 1001, 350));
    EXPECT_EQ(s.MineReserve(1, 5, 2, 1), 7950);
    EXPECT_EQ(s.MineValue(1, 5, 2, 1), mineValue(7950, 200, 2000, 350));
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Mines, IdleMinesStillPayTheirUpkeep) {
    ownMines(1);
    s.MineProduction(1, 3, 1, 2) = 0;
    s.MineProduction(1, 5, 2, 1) = 0;
    s.PlayerCash[1] = 3001;
    run(1);
    EXPECT_EQ(s.PlayerCash[1], 0);  // upkeep taken; the production cost of 0 counts as paid
    EXPECT_EQ(s.MineReserve(1, 3, 1, 2), 200);
    EXPECT_EQ(s.WarehouseStock(1, 3, 1), 10);
    EXPECT_EQ(s.MineValue(1, 3, 1, 2), mineValue(200, 400, 1001, 350));
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Mines, UnpaidUpkeepStopsAllProduction) {
    ownMines(1);
    broke(1);
    run(1);
    EXPECT_EQ(messages(),
              Strings{"Ajax You can not afford to pay for your maintainance costs so no "
                      "prdouction will take place this turn"});
    EXPECT_EQ(s.PlayerLoan[1], 150000);
    EXPECT_EQ(s.WarehouseStock(1, 3, 1), 10);
    EXPECT_EQ(s.MineReserve(1, 3, 1, 2), 200);
    EXPECT_EQ(s.MineValue(1, 3, 1, 2), 777);
}

TEST_F(Mines, UnpaidProductionCostStopsTheOutputButKeepsTheUpkeep) {
    ownMines(1);
    s.PlayerCash[1] = 3001 + 40499;
    s.PlayerLoan[1] = s.PlayerCreditLimit[1];
    run(1);
    EXPECT_EQ(messages(), Strings{"Ajax You can not afford to produce anything this turn"});
    EXPECT_EQ(s.PlayerCash[1], 0);  // the upkeep is gone, and the cash that fell short too
    EXPECT_EQ(s.WarehouseStock(1, 3, 1), 10);
    EXPECT_EQ(s.MineReserve(1, 5, 2, 1), 8000);
    EXPECT_EQ(s.MineValue(1, 5, 2, 1), 777);
}

TEST_F(Mines, ComputerCompaniesAreNotTold) {
    ownMines(9);
    broke(9);
    run(9);
    s.PlayerCash[9] = 3001;
    s.PlayerLoan[9] = s.PlayerCreditLimit[9];
    run(9);
    EXPECT_EQ(messages(), Strings{});
    EXPECT_EQ(s.WarehouseStock(9, 3, 1), 10);
}

TEST_F(Mines, ACompanyWithoutMinesPaysNothing) {
    s.PlayerCash[1] = -500;
    run(1);
    EXPECT_EQ(s.PlayerCash[1], -500);
    EXPECT_EQ(messages(), Strings{});
}

}  // namespace
