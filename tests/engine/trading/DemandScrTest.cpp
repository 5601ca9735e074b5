#include <gtest/gtest.h>

#include "TradingScreenTest.h"
#include "state/Format.h"
#include "trading/TDemandScr.h"
#include "trading/TMarketScr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

struct DemandScreen : TradingScreenTest {
    TDemandScr& screen = game.DemandScr();

    // Every planet wants every good by the same amount (demand less amount = 100), the
    // amount being 10 x the planet's number: all keys equal, so planet order decides.
    void SetUp() override {
        TradingScreenTest::SetUp();
        for (int p = 1; p <= kPlanets; ++p)
            for (int g = 1; g <= kGoods; ++g) {
                s.PlanetAmount(p, g) = 10 * p;
                s.PlanetDemand(p, g) = 10 * p + 100;
            }
    }
    void show() { ScreenTest::show(ScreenId::DemandScr); }
    static int filledCells(const StringGrid& grid, int row) {
        int filled = 0;
        for (int p = 1; p <= kPlanets; ++p)
            if (grid.cell(p, row) != " ") ++filled;
        return filled;
    }
};

TEST(PlanetRanks, MostWantedFirstAndEqualKeysInPlanetOrder) {
    GameState s;
    const int good = 4;
    // demand - amount per planet A..L
    const int amount[] = {100, 600, 0, 50, 50, 10, 0, 0, 0, -5, 1000, 0};
    const int demand[] = {500, 900, 0, 50, 450, 10, 7, 399, 0, 0, 0, 400};
    // keys:             400  300  0   0   400  0   7  399  0  5  -1000 400
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetAmount(p, good) = amount[p - 1];
        s.PlanetDemand(p, good) = demand[p - 1];
    }
    s.PlayerAmount(1, 1, good) = 99999;  // a company's view plays no part
    const PlanetRanks rank = planetRanks(s, good);
    const int expected[] = {1, 5, 8, 9, 2, 10, 6, 4, 11, 7, 12, 3};
    for (int p = 1; p <= kPlanets; ++p)
        EXPECT_EQ(rank[p], expected[p - 1]) << "planet " << p;
}

TEST(PlanetRanks, AFarNegativeAmountStillRanks) {
    GameState s;
    s.PlanetAmount(7, 1) = -2000000000;
    s.PlanetDemand(7, 1) = 1000000000;  // a key beyond 32 bits
    s.PlanetDemand(2, 1) = 2000000000;
    EXPECT_EQ(planetRanks(s, 1)[7], 1);
    EXPECT_EQ(planetRanks(s, 1)[2], 2);
    EXPECT_EQ(planetRanks(s, 1)[1], 3);
}

TEST_F(DemandScreen, ShowsRankAmountAndDemandOfEveryPlanet) {
    s.PlanetAmount(5, 13) = 120;  // planet E wants Furniture most: key 330
    s.PlanetDemand(5, 13) = 450;
    s.PlanetAmount(9, 1) = -5;            // planet I wants Iron most: key 195
    s.PlayerDemand(kMe, 1, 13) = 100000;  // the company's view is not used
    show();
    EXPECT_EQ(screen.CashL.text, "Money: £54321");
    EXPECT_EQ(screen.PlntNamel.text, "Your on: C");
    EXPECT_EQ(screen.FreeSpaceL.text, "Free Cargo Space: 120");
    EXPECT_EQ(screen.Button5.caption, "Show Best");

    const Texts heading = {" ", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
    for (const StringGrid* grid : {&screen.ship, &screen.Retail, &screen.Industrail})
        EXPECT_EQ(rowOf(*grid, 0), heading) << grid->name();
    EXPECT_EQ(
        rowOf(screen.Retail, 1),
        (Texts{"Furniture", "2 10-110", "3 20-120", "4 30-130", "5 40-140", "1 120-450", "6 60-160",
               "7 70-170", "8 80-180", "9 90-190", "10 100-200", "11 110-210", "12 120-220"}));
    EXPECT_EQ(screen.Retail.cell(0, 13), "Food");
    EXPECT_EQ(screen.Retail.cell(12, 13), "12 120-220");
    EXPECT_EQ(screen.Industrail.cell(0, 1), "Iron");
    EXPECT_EQ(screen.Industrail.cell(9, 1), "1 -5-190");
    EXPECT_EQ(screen.Industrail.cell(1, 1), "2 10-110");
    EXPECT_EQ(screen.Industrail.cell(0, 12), "Girders");
    EXPECT_EQ(rowOf(screen.ship, 1), Texts(13, " "));  // nothing aboard
}

TEST_F(DemandScreen, TheShipGridListsTheGoodsAboardWithoutGaps) {
    for (int g = 1; g <= kGoods; ++g)
        s.CargoHold(1, g) = 1;
    s.CurrentPlayer = 1;
    s.PlayerPlanet[1] = 1;
    show();
    EXPECT_EQ(screen.ship.cell(0, 25), "Food");
    EXPECT_EQ(screen.PlntNamel.text, "Your on: A");

    s.CurrentPlayer = kMe;
    s.CargoHold(kMe, 25) = 1;
    s.CargoHold(kMe, 2) = 40;
    s.CargoHold(kMe, 14) = 3;
    show();
    EXPECT_EQ(screen.ship.cell(0, 1), "Coal");
    EXPECT_EQ(screen.ship.cell(0, 2), "Paper");
    EXPECT_EQ(screen.ship.cell(0, 3), "Food");
    EXPECT_EQ(screen.ship.cell(4, 2), "4 40-140");
    for (int row = 4; row <= kGoods; ++row)
        EXPECT_EQ(rowOf(screen.ship, row), Texts(13, " ")) << row;
}

TEST_F(DemandScreen, TheModeButtonCyclesBestWorstAll) {
    s.CargoHold(kMe, 7) = 1;
    show();
    const struct {
        const char* caption;  // after the press: the mode the next press selects
        int firstShown, lastShown;
    } presses[] = {
        {"Show Worst", 1, 6},  // best: ranks 1 to 6, planets A to F
        {"Show All", 7, 12},   // worst: ranks 7 to 12
        {"Show Best", 1, 12},  // all again
    };
    for (const auto& press : presses) {
        click(screen.Button5);
        EXPECT_EQ(screen.Button5.caption, press.caption);
        for (const auto& [grid, rows] :
             {std::pair{&screen.Retail, 13}, std::pair{&screen.Industrail, 12},
              std::pair{&screen.ship, 1}}) {
            for (int row = 1; row <= rows; ++row)
                for (int p = 1; p <= kPlanets; ++p) {
                    const bool shown = p >= press.firstShown && p <= press.lastShown;
                    EXPECT_EQ(grid->cell(p, row) != " ", shown)
                        << press.caption << " " << grid->name() << " " << row << " " << p;
                }
            EXPECT_EQ(grid->cell(0, 1) != " ", true);  // the good is always named
        }
    }
    // Worst mode, left and opened again: all planets, "Show Best".
    click(screen.Button5);
    click(screen.Button5);
    EXPECT_EQ(filledCells(screen.Retail, 1), 6);
    click(screen.Button3);
    click(game.MarketScr().Button3);
    EXPECT_EQ(screen.Button5.caption, "Show Best");
    EXPECT_EQ(filledCells(screen.Retail, 1), 12);
}

TEST_F(DemandScreen, ButtonsLeadOnAndHelpExplains) {
    expectHandOvers(ScreenId::DemandScr, {{screen.Button1, ScreenId::PlanetScreen},
                                          {screen.Button3, ScreenId::MarketScr},
                                          {screen.Button4, ScreenId::CargoScr}});
    show();
    click(screen.Button2);
    EXPECT_EQ(
        dialogs.messages(),
        (Texts{"You can use this screen to find out the current amountand demand on each planet",
               "In the tables the infomation is displayed with first the planets rank in that "
               "goods demand level (the planet with the most demand for a good is number 1, so "
               "the planet with the least demand for good is no 12). The first number then "
               "displayed is the amount on the planet, the second is the demand on that planet",
               "Use the Ship Cargo Demand tab to find out the demand levels of the goods that are "
               "on your ship",
               "You can use the Show all to get an overview of the demand levels on differnt "
               "planets",
               "Use the Retail and Industrial tabs to find out the demand levels retail and "
               "industrial goods",
               "You can use the Show best to find out the best planets to sell your goods on",
               "You can use the Show Worst to find out the best planets to buy goods on"}));
}

}  // namespace
