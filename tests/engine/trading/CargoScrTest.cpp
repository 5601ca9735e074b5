#include <gtest/gtest.h>

#include "TradingScreenTest.h"
#include "trading/TCargoScr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

struct CargoScreen : TradingScreenTest {
    TCargoScr& screen = game.CargoScr();

    void SetUp() override {
        TradingScreenTest::SetUp();
        for (int g = 1; g <= kGoods; ++g) {
            s.PlayerRetailPrice(kMe, kHere, g) = 1000 + g;
            s.PlayerIndPrice1(kMe, kHere, g) = 300 + g;
            s.PlayerIndPrice2(kMe, kHere, g) = 200 + g;
            s.PlayerIndPrice3(kMe, kHere, g) = 100 + g;
        }
    }
    void show() { ScreenTest::show(ScreenId::CargoScr); }
    int filledRows() const {
        int rows = 0;
        for (int row = 1; row < screen.Cargo.rowCount(); ++row)
            if (screen.Cargo.cell(0, row) != " ") ++rows;
        return rows;
    }
};

TEST_F(CargoScreen, ListsTheGoodsAboardInGoodOrderWithoutGaps) {
    s.CargoHold(kMe, 25) = 10;
    s.CargoHold(kMe, 2) = 4;
    s.CargoHold(kMe, 14) = 3;
    s.CargoHold(1, 5) = 50;  // another company's hold
    show();
    EXPECT_EQ(screen.CashL.text, "Money: £54321");
    EXPECT_EQ(screen.CargoSPcL.text, "Cargo Space: 500");
    EXPECT_EQ(screen.FreeSpaceL.text, "Free Cargo Space: 120");
    EXPECT_EQ(rowOf(screen.Cargo, 0), (Texts{"", "On ship", "Weight", "Total Weight",
                                             "Planet Price", "Price Range", "Total Worth"}));
    // Coal: 4 x 0.75 = 3 tons, at the 1-25 price
    EXPECT_EQ(rowOf(screen.Cargo, 1),
              (Texts{"Coal", "4", "0.75", "3", "302", "350 - 500", "1208"}));
    // Paper: 3 x 0.75 = 2.25 tons, at its one price
    EXPECT_EQ(rowOf(screen.Cargo, 2),
              (Texts{"Paper", "3", "0.75", "2", "1014", "500 - 750", "3042"}));
    EXPECT_EQ(rowOf(screen.Cargo, 3),
              (Texts{"Food", "10", "0.6", "6", "1025", "400 - 600", "10250"}));
    EXPECT_EQ(filledRows(), 3);
    EXPECT_EQ(rowOf(screen.Cargo, 4), Texts(7, " "));
}

TEST_F(CargoScreen, AnIndustrialLoadIsPricedAtTheBandOfItsSize) {
    const struct {
        int good, units;
        const char* weight;
        const char* price;
    } cases[] = {
        {1, 25, "31", "301"},  // Iron 1.25 t: 31.25 tons, the 1-25 price
        {1, 26, "32", "201"},  // 32.5 tons, halves to even; the 26-100 price for all 26
        {1, 100, "125", "201"},   {1, 101, "126", "101"},  // 126.25 tons; the 101+ price
        {3, 5, "2", "303"},                                // Wood 0.5 t: 2.5 tons round to 2
        {3, 3, "2", "303"},                                // 1.5 tons round to 2
        {13, 500, "500", "1013"},  // a retail good has one price for any amount
    };
    for (const auto& c : cases) {
        s.CargoHold(kMe, c.good) = c.units;
        show();
        EXPECT_EQ(screen.Cargo.cell(3, 1), c.weight) << c.good << " x " << c.units;
        EXPECT_EQ(screen.Cargo.cell(4, 1), c.price) << c.good << " x " << c.units;
        EXPECT_EQ(screen.Cargo.cell(6, 1), std::to_string(c.units * std::stoi(c.price)));
        s.CargoHold(kMe, c.good) = 0;
    }
}

TEST_F(CargoScreen, NothingIsLeftFromALongerListOrAnEmptyHold) {
    for (int g = 1; g <= kGoods; ++g)
        s.CargoHold(1, g) = g;
    s.CurrentPlayer = 1;
    s.PlayerPlanet[1] = kHere;
    show();
    EXPECT_EQ(filledRows(), 25);
    EXPECT_EQ(screen.Cargo.cell(0, 25), "Food");

    s.CurrentPlayer = kMe;  // the next company's hold holds one good
    s.CargoHold(kMe, 9) = 1;
    show();
    EXPECT_EQ(filledRows(), 1);
    EXPECT_EQ(screen.Cargo.cell(0, 1), "Glass");
    EXPECT_EQ(rowOf(screen.Cargo, 2), Texts(7, " "));

    s.CargoHold(kMe, 9) = 0;  // an empty hold: the headings alone
    show();
    EXPECT_EQ(filledRows(), 0);
    EXPECT_EQ(screen.Cargo.cell(1, 0), "On ship");
}

TEST_F(CargoScreen, AHugeLoadIsWeighedAndValuedInFull) {
    s.CargoHold(kMe, 21) = 2000000000;  // Houses, 15 tons each
    show();
    EXPECT_EQ(screen.Cargo.cell(3, 1), "30000000000");
    EXPECT_EQ(screen.Cargo.cell(6, 1), "2042000000000");
    EXPECT_EQ(dialogs.allErrors(), Texts{});
}

TEST_F(CargoScreen, ButtonsLeadOnAndHelpExplains) {
    expectHandOvers(ScreenId::CargoScr, {{screen.Button1, ScreenId::PlanetScreen},
                                         {screen.Button3, ScreenId::DemandScr},
                                         {screen.Button4, ScreenId::MarketScr}});
    show();
    click(screen.Button2);
    EXPECT_EQ(dialogs.messages(),
              Texts{"Use this page to see what cargo your ship currently contains"});
}

}  // namespace
