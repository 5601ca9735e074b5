#include <gtest/gtest.h>

#include "IndustryScreenTest.h"
#include "economy/SalesOffice.h"
#include "industry/TSalesoffice.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

constexpr int kIron = 1, kCoal = 2, kWood = 3, kClay = 6, kSteel = 8, kBricks = 18;
constexpr int rSteel = 1, rBricks = 6;

const char* const kStarves =
    "If the buy amount was this low you would not be able to manufacture all your goods";
const char* const kNotThatMuch = "There will not be this amount to sell";
const char* const kBelowZero = "You can not sell less than zero";
const char* const kNoRoom = "There will not be enough space to store want will not be sold";
const char* const kTooDear = "You can not buy this amount as it would cost too much";
const char* const kNotValid = "This is not a valid number";
const char* const kNoGood = "You have not selected a good";

// Company 2, its ship on planet C, where 120 steel a turn need 120 iron and 240 coal; 50 iron and
// the coal are in the warehouse. Iron sells at 480 / 440 / 400 by band, steel at
// 1700 / 1500 / 1300.
struct SalesOfficeScreen : IndustryScreenTest {
    TSalesoffice& screen = game.Salesoffice();

    void SetUp() override {
        IndustryScreenTest::SetUp();
        s.FactoryAmount(2, kShip, rSteel) = 120;
        s.WarehouseStock(2, kShip, kIron) = 50;
        s.WarehouseStock(2, kShip, kCoal) = 240;
        for (int p : {kShip, kOther}) {
            bands(p, kIron, 480, 440, 400);
            bands(p, kSteel, 1700, 1500, 1300);
            bands(p, kWood, 600, 500, 400);
        }
    }
    void show() { ScreenTest::show(ScreenId::Salesoffice); }
    // Goods are on rows 2 to 26, the totals on row 27.
    std::string cell(int col, int good) const { return screen.Sales.cell(col, good + 1); }
    Texts row(int good) const {
        Texts cells;
        for (int col = 0; col < 14; ++col)
            cells.push_back(cell(col, good));
        return cells;
    }
    void change(const Button& button, int good, const std::string& typed) {
        pick(screen.Sales, 1, good + 1);
        answerInput(typed);
        click(button);
    }
    Int buyAmount(int g) const { return s.SalesBuyAmount(2, kShip, g); }
    Int sellAmount(int g) const { return s.SalesSellAmount(2, kShip, g); }
};

TEST_F(SalesOfficeScreen, ShowsTheProjectionGoodByGoodWithTotals) {
    s.WarehouseSpace(2, kShip) = 400;
    s.WarehouseUsed(2, kShip) = 243;
    show();
    EXPECT_EQ(screen.PLanetL.text, "Planet: C");
    EXPECT_EQ(screen.YourOnL.text, "Your On: C");
    EXPECT_EQ(screen.WareFreeSpaceL.text, "Warehouse Free Space157");
    EXPECT_EQ(screen.PLanetList.itemIndex, kShip - 1);

    const Texts top = {"Good", "Amount In", "Amount",        "Amount", "Manufacturing",
                       "Buy",  "Buy",       "Manufacturing", "Max To", "Sell",
                       "Sell", "Amount",    "Weight",        "Profit/"};
    const Texts second = {" ",      "WareHouse", "Producted",    "Manufactured", "Deficit",
                          "Amount", "Cost",      "Input Amount", "Sell",         "Amount",
                          "Profit", "At End",    "At End",       "Loss"};
    for (int col = 0; col < 14; ++col) {
        EXPECT_EQ(screen.Sales.cell(col, 0), top[col]) << col;
        EXPECT_EQ(screen.Sales.cell(col, 1), second[col]) << col;
    }
    // The 70 iron the factory lacks come at the 26-100 price.
    EXPECT_EQ(row(kIron), (Texts{"Iron", "50", "0", " ", "0", "70", "30800", "120", "0", "0", "0",
                                 "0", "0", "-30800"}));
    EXPECT_EQ(row(kCoal),
              (Texts{"Coal", "240", "0", " ", "0", "0", "0", "240", "0", "0", "0", "0", "0", "0"}));
    // The steel made this turn is sold, 120 at the 101+ price.
    EXPECT_EQ(row(kSteel), (Texts{"Steel", "0", " ", "120", "0", "0", "0", "0", "120", "120",
                                  "156000", "0", "0", "156000"}));
    EXPECT_EQ(buyAmount(kIron), 70);
    EXPECT_EQ(sellAmount(kSteel), 120);
    EXPECT_EQ(screen.Sales.cell(0, 27), "Total");
    EXPECT_EQ(screen.Sales.cell(10, 27), "156000");
    EXPECT_EQ(screen.Sales.cell(12, 27), "0");
    EXPECT_EQ(screen.Sales.cell(13, 27), "125200");
}

TEST_F(SalesOfficeScreen, MinedGoodsCountAgainstTheNeedAsTheWorldUpdateWillFindThem) {
    // 50 bricks need 50 clay: 5 are held and the mines dig 42, so 3 are bought.
    s.FactoryAmount(2, kShip, rBricks) = 50;
    s.WarehouseStock(2, kShip, kClay) = 5;
    s.MineProduction(2, kShip, kClay, 1) = 30;
    s.MineProduction(2, kShip, kClay, 4) = 12;
    show();
    EXPECT_EQ(s.MineOutput(2, kShip, kClay), 42);
    EXPECT_EQ(cell(2, kClay), "42");
    EXPECT_EQ(cell(5, kClay), "3");
    EXPECT_EQ(cell(8, kClay), "0");
    EXPECT_EQ(cell(3, kBricks), "50");

    // The world update adds the mines' output to the stock before its plan, and buys the same.
    const GameState shown = s;
    s.WarehouseStock(2, kShip, kClay) += 42;
    planSalesOffice(s, 2, true);
    for (int g = 1; g <= kGoods; ++g)
        EXPECT_EQ(s.SalesBuyAmount(2, kShip, g), shown.SalesBuyAmount(2, kShip, g)) << g;
}

TEST_F(SalesOfficeScreen, BuyingMoreSticksButBuyingLessThanTheFactoriesNeedDoesNot) {
    show();
    change(screen.BuyDecrease, kIron, "10");
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Set Buy Amount");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "Enter an amount to decrease the buy amount by.");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "70");
    EXPECT_EQ(takeMessages(), Texts{kStarves});
    EXPECT_EQ(s.SalesBuyAdjust(2, kShip, kIron), 0);
    EXPECT_EQ(cell(5, kIron), "70");

    change(screen.BuyIncrease, kIron, "40");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "Enter an amount to increase the buy amount by.");
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.SalesBuyAdjust(2, kShip, kIron), 40);
    EXPECT_EQ(cell(5, kIron), "110");
    EXPECT_EQ(cell(6, kIron), "44000");  // now at the 101+ price
    EXPECT_EQ(cell(8, kIron), "40");     // the extra is there to sell, and is sold
    EXPECT_EQ(cell(9, kIron), "40");

    change(screen.BuyDecrease, kIron, "40");  // back to the factory's need exactly
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "110");
    EXPECT_EQ(s.SalesBuyAdjust(2, kShip, kIron), 0);
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(SalesOfficeScreen, KeepingGoodsBackNeedsRoomForThem) {
    s.WarehouseStock(2, kShip, kWood) = 100;  // nothing needs it; half a ton a unit
    s.WarehouseSpace(2, kShip) = 400;
    s.WarehouseUsed(2, kShip) = 386;  // 14 tons free: 30 kept back would weigh 15
    show();
    EXPECT_EQ(sellAmount(kWood), 100);
    change(screen.SellDecrease, kWood, "30");
    EXPECT_EQ(takeMessages(), Texts{kNoRoom});
    EXPECT_EQ(sellAmount(kWood), 100);

    s.WarehouseUsed(2, kShip) = 385;  // 15 tons: just room
    change(screen.SellDecrease, kWood, "30");
    EXPECT_EQ(dialogs.inputs().back().prompt, "Enter an amount to decrease the Sell amount by.");
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.SalesSellAdjust(2, kShip, kWood), -30);
    EXPECT_EQ(row(kWood), (Texts{"Wood", "100", "0", " ", "0", "0", "0", "0", "100", "70", "35000",
                                 "30", "15", "35000"}));

    change(screen.SellIncrease, kWood, "10");
    EXPECT_EQ(sellAmount(kWood), 80);
    change(screen.SellIncrease, kWood, "21");  // more than the whole 100
    ASSERT_FALSE(dialogs.inputs().empty());
    EXPECT_EQ(dialogs.inputs().back().caption, "Set Sell Amount");
    EXPECT_EQ(dialogs.inputs().back().prompt, "Enter an amount to increase the Sell amount by.");
    EXPECT_EQ(dialogs.inputs().back().defaultText, "80");
    EXPECT_EQ(takeMessages(), Texts{kNotThatMuch});
    EXPECT_EQ(s.SalesSellAdjust(2, kShip, kWood), -20);
}

TEST_F(SalesOfficeScreen, EveryFailingStepSpeaksInOrderAndTheCostLimitComesLast) {
    s.WarehouseStock(2, kShip, kWood) = 20;
    s.WarehouseSpace(2, kShip) = 5;  // 20 wood kept back weigh 10 tons
    show();
    change(screen.SellDecrease, kWood, "30");
    EXPECT_EQ(takeMessages(), (Texts{kBelowZero, kNoRoom}));
    EXPECT_EQ(sellAmount(kWood), 20);

    // Adjustments no screen would make (a damaged save's) are refused with the change.
    s.SalesBuyAdjust(2, kShip, kIron) = -5;
    s.SalesSellAdjust(2, kShip, kIron) = 5;
    change(screen.BuyIncrease, kIron, "2147483647");
    EXPECT_EQ(takeMessages(), (Texts{kNotThatMuch, kTooDear}));
    change(screen.SellDecrease, kIron, "1");
    EXPECT_EQ(takeMessages(), (Texts{kStarves, kNotThatMuch}));
    EXPECT_EQ(s.SalesBuyAdjust(2, kShip, kIron), -5);
    EXPECT_EQ(s.SalesSellAdjust(2, kShip, kIron), 5);
}

TEST_F(SalesOfficeScreen, ABuyIsRefusedOnlyWhenItsCostAtTheTopPriceWouldNotFit) {
    // Iron tops out at £500: 4294967 units would cost 2147483500, 4294968 are too many. The
    // factory lacks 70.
    show();
    change(screen.BuyIncrease, kIron, "4294898");
    EXPECT_EQ(takeMessages(), Texts{kTooDear});
    change(screen.BuyIncrease, kIron, "4294897");
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(buyAmount(kIron), 4294967);
    EXPECT_EQ(cell(6, kIron), "1717986800");
}

TEST_F(SalesOfficeScreen, BadAmountsAreRefusedAndChangeNothing) {
    struct Case {
        const char* name;
        const Button TSalesoffice::*button;
        int good;
        const char* typed;  // nullptr: Cancel
        Texts messages;
        const char* error;
    };
    const Case cases[] = {
        {"buy more by 0", &TSalesoffice::BuyIncrease, kIron, "0", {kNotValid}, nullptr},
        {"buy less by -5", &TSalesoffice::BuyDecrease, kIron, "-5", {kNotValid}, nullptr},
        {"sell more by -2147483648",
         &TSalesoffice::SellIncrease,
         kSteel,
         "-2147483648",
         {kNotValid},
         nullptr},
        {"buy less than needed", &TSalesoffice::BuyDecrease, kIron, "1", {kStarves}, nullptr},
        {"buy absurdly more", &TSalesoffice::BuyIncrease, kIron, "2147483647", {kTooDear}, nullptr},
        {"sell more than made", &TSalesoffice::SellIncrease, kSteel, "1", {kNotThatMuch}, nullptr},
        {"sell absurdly less",
         &TSalesoffice::SellDecrease,
         kSteel,
         "2147483647",
         {kBelowZero, kNoRoom},
         nullptr},
        {"letters",
         &TSalesoffice::SellDecrease,
         kSteel,
         "1O",
         {},
         "'1O' is not a valid integer value"},
        {"empty", &TSalesoffice::BuyIncrease, kIron, "", {}, "'' is not a valid integer value"},
        {"too long",
         &TSalesoffice::BuyDecrease,
         kIron,
         "99999999999",
         {},
         "'99999999999' is not a valid integer value"},
        {"cancelled", &TSalesoffice::SellIncrease, kSteel, nullptr, {}, nullptr},
    };
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GameState before = s;
        pick(screen.Sales, 0, c.good + 1);
        if (c.typed != nullptr)
            answerInput(c.typed);
        else
            cancelInput();
        if (c.error != nullptr) expectError(c.error);
        click(screen.*c.button);
        EXPECT_EQ(takeMessages(), c.messages);
        EXPECT_TRUE(s == before);
    }
}

TEST_F(SalesOfficeScreen, WithoutAGoodEveryButtonSaysSoAndAsksNothing) {
    show();
    const GameState before = s;
    const Button* buttons[] = {&screen.BuyIncrease, &screen.BuyDecrease, &screen.SellIncrease,
                               &screen.SellDecrease};
    for (const Button* b : buttons)
        click(*b);
    pick(screen.Sales, 3, 27);  // the totals row is no good
    for (const Button* b : buttons)
        click(*b);
    EXPECT_EQ(takeMessages(), Texts(8, kNoGood));
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_TRUE(s == before);

    // A good chosen before the screen was last shown is not chosen now.
    pick(screen.Sales, 3, kIron + 1);
    show();
    click(screen.BuyIncrease);
    EXPECT_EQ(takeMessages(), Texts{kNoGood});
}

TEST_F(SalesOfficeScreen, AnyPlanetCanBeSteeredFromAnywhere) {
    s.WarehouseStock(2, kOther, kWood) = 12;
    s.WarehouseSpace(2, kOther) = 100;
    show();
    pick(screen.PLanetList, kOther - 1);
    EXPECT_EQ(screen.PLanetL.text, "Planet: E");
    EXPECT_EQ(screen.YourOnL.text, "Your On: C");
    EXPECT_EQ(screen.WareFreeSpaceL.text, "Warehouse Free Space100");
    EXPECT_EQ(cell(1, kWood), "12");
    EXPECT_EQ(cell(5, kIron), "0");
    change(screen.SellDecrease, kWood, "2");
    EXPECT_EQ(s.SalesSellAdjust(2, kOther, kWood), -2);
    EXPECT_EQ(s.SalesSellAmount(2, kOther, kWood), 10);
    EXPECT_EQ(s.SalesSellAdjust(2, kShip, kWood), 0);

    pick(screen.PLanetList, -1);  // choosing nothing keeps the planet
    EXPECT_EQ(screen.PLanetL.text, "Planet: E");
    click(screen.Button2);  // help does nothing
    EXPECT_EQ(takeMessages(), Texts{});
    click(screen.Button1);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::Salesoffice));
}

}  // namespace
