#include <gtest/gtest.h>

#include "TradingScreenTest.h"
#include "trading/TDemandScr.h"
#include "trading/TMarketScr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

struct MarketScreen : TradingScreenTest {
    TMarketScr& screen = game.MarketScr();

    void show() { ScreenTest::show(ScreenId::MarketScr); }
    bool menuOpen() const { return screen.PopMenu.isOpen(); }
};

TEST_F(MarketScreen, ShowsTheCompanysViewOfEveryGoodHere) {
    // The company's own view of the market, not the planet's figures, and its stocks here.
    s.PlanetAmount(kHere, 13) = 999;
    s.PlayerAmount(kMe, kHere, 13) = 120;
    s.PlayerDemand(kMe, kHere, 13) = 450;
    s.WarehouseStock(kMe, kHere, 13) = 7;
    s.WarehouseStock(kMe, 4, 13) = 70;  // another planet's warehouse is not shown here
    s.CargoHold(kMe, 13) = 3;
    s.PlayerRetailPrice(kMe, kHere, 13) = 2675;
    s.PlayerRetailPrice(1, kHere, 25) = 1;  // another company's price is its own
    s.PlayerRetailPrice(kMe, kHere, 25) = 480;
    s.PlayerAmount(kMe, kHere, 1) = 60;
    s.PlayerDemand(kMe, kHere, 1) = 40;
    s.CargoHold(kMe, 1) = 30;
    s.PlayerIndPrice1(kMe, kHere, 1) = 450;
    s.PlayerIndPrice2(kMe, kHere, 1) = 360;
    s.PlayerIndPrice3(kMe, kHere, 1) = 350;
    s.PlayerIndPrice1(kMe, kHere, 12) = 1900;
    show();

    EXPECT_EQ(screen.CashL.text, "Money: £54321");
    EXPECT_EQ(screen.CargoSPcL.text, "Cargo Space: 500");
    EXPECT_EQ(screen.FreeSpaceL.text, "Free Cargo Space: 120");

    const auto& rtl = screen.RtlGoods;
    EXPECT_EQ(rowOf(rtl, 0),
              (Texts{"", "Amount", "Demand", "WareHouse", "Ship", "Price", "Range"}));
    EXPECT_EQ(rowOf(rtl, 1), (Texts{"Furniture", "120", "450", "7", "3", "2675", "2500 - 3000"}));
    EXPECT_EQ(rowOf(rtl, 13), (Texts{"Food", "0", "0", "0", "0", "480", "400 - 600"}));

    const auto& ind = screen.IndGoods;
    EXPECT_EQ(rowOf(ind, 0), (Texts{"", "Amount", "Demand", "WareHouse", "Ship", "Price", "Price",
                                    "Price", "Range"}));
    EXPECT_EQ(rowOf(ind, 1), (Texts{"", "", "", "", "", "1-25", "26-100", "101+", ""}));
    EXPECT_EQ(rowOf(ind, 2),
              (Texts{"Iron", "60", "40", "0", "30", "450", "360", "350", "350 - 500"}));
    EXPECT_EQ(rowOf(ind, 13),
              (Texts{"Girders", "0", "0", "0", "0", "1900", "0", "0", "1600 - 2000"}));
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(MarketScreen, ARowClickedRecordsTheGoodAndOpensTheMenu) {
    const struct {
        bool retail;
        int col, row;
        int good, column;
    } cases[] = {
        {true, 5, 1, 13, 17},   // the first retail good, its price clicked
        {true, 6, 13, 25, 18},  // the last retail good
        {true, 0, 4, 16, 13},   // the good's name: the row is chosen from its first data column
        {false, 7, 2, 1, 6},    // the first industrial good, its "101+" price
        {false, 1, 13, 12, 0},  // the last industrial good
    };
    show();
    for (const auto& c : cases) {
        const StringGrid& grid = c.retail ? screen.RtlGoods : screen.IndGoods;
        pick(grid, c.col, c.row);
        EXPECT_EQ(s.TradeGood, c.good) << c.row;
        EXPECT_EQ(s.TradeRetail, c.retail) << c.row;
        EXPECT_EQ(s.TradeIndustrial, !c.retail) << c.row;
        EXPECT_EQ(s.TradeColumn, c.column) << c.row;
        EXPECT_TRUE(menuOpen()) << c.row;
    }
}

TEST_F(MarketScreen, APressWithoutAGoodsRowPicksNothingAndOpensNoMenu) {
    s.TradeGood = 5;
    s.TradeIndustrial = true;
    s.TradeColumn = 4;
    show();
    const GameState before = s;
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"right press, retail, none chosen", [&] { press(screen.RtlGoods); }},
        {"right press, industrial, none chosen", [&] { press(screen.IndGoods); }},
        {"retail heading", [&] { pick(screen.RtlGoods, 3, 0); }},
        {"industrial heading", [&] { pick(screen.IndGoods, 3, 0); }},
        {"industrial second heading", [&] { pick(screen.IndGoods, 6, 1); }},
        {"right press after a heading", [&] { press(screen.IndGoods); }},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_FALSE(menuOpen()) << c.what;
        EXPECT_TRUE(s == before) << c.what;
        // Neither item can be chosen from a menu that is not open.
        EXPECT_FALSE(game.act(actionItem(screen.PopMenu, "Buy1"))) << c.what;
        EXPECT_FALSE(game.act(actionItem(screen.PopMenu, "Sell1"))) << c.what;
    }
    EXPECT_FALSE(game.isVisible(ScreenId::Buy) || game.isVisible(ScreenId::Sell));
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(MarketScreen, ARightPressTakesTheRowAlreadyChosenInThatGrid) {
    show();
    pick(screen.RtlGoods, 2, 3);  // Windows
    pick(screen.IndGoods, 2, 9);  // Steel: each grid keeps its own row
    EXPECT_EQ(s.TradeGood, 8);
    press(screen.RtlGoods);
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(s.TradeGood, 15);
    EXPECT_TRUE(s.TradeRetail);
    EXPECT_EQ(s.TradeColumn, 14);
}

TEST_F(MarketScreen, EachShowingStartsWithNoRowChosen) {
    show();
    pick(screen.RtlGoods, 1, 5);
    pick(screen.IndGoods, 1, 5);
    click(screen.Button3);  // to the demand screen, and back
    click(game.DemandScr().Button3);
    EXPECT_EQ(screen.RtlGoods.row(), -1);
    EXPECT_EQ(screen.IndGoods.row(), -1);
    const GameState before = s;
    press(screen.RtlGoods);
    press(screen.IndGoods);
    EXPECT_FALSE(menuOpen());
    EXPECT_TRUE(s == before);
}

TEST_F(MarketScreen, LeavingTheMarketClosesTheBuyAndSellScreens) {
    const auto openBoth = [&] {
        pick(screen.RtlGoods, 5, 1);
        chooseItem(screen.PopMenu, "Buy1");
        press(screen.RtlGoods);
        chooseItem(screen.PopMenu, "Sell1");
        // Both open beside the market, which stays.
        EXPECT_TRUE(game.isVisible(ScreenId::Buy) && game.isVisible(ScreenId::Sell) &&
                    game.isVisible(ScreenId::MarketScr));
    };
    expectHandOvers(ScreenId::MarketScr,
                    {{screen.Button1, ScreenId::PlanetScreen},
                     {screen.Button3, ScreenId::DemandScr},
                     {screen.Button4, ScreenId::CargoScr}},
                    openBoth, {ScreenId::Buy, ScreenId::Sell});
}

TEST_F(MarketScreen, HelpShowsThreeMessages) {
    show();
    click(screen.Button2);
    EXPECT_EQ(dialogs.messages(),
              (Texts{"Use this screen to buy/sell goods right click and then select if u want to "
                     "buy or sell the good",
                     "Use the table to find the amount of goods you have on your ship and the "
                     "amount in your warehouse",
                     "You can also find the prices of the goods and the price range of the good"}));
    EXPECT_TRUE(game.isVisible(ScreenId::MarketScr));
}

}  // namespace
