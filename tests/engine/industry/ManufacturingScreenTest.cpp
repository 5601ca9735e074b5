#include <gtest/gtest.h>

#include "IndustryScreenTest.h"
#include "industry/TManufacturing.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

constexpr int kIron = 1, kCoal = 2, kBricks = 18;
constexpr int rSteel = 1, rHouses = 11;  // steel: 1 iron and 2 coal a unit, 2 factory units

const char* const kNotValid = "This is not a valid number";
const char* const kNoUnits = "You do not have enough factory units to produce this amount";
const char* const kBuyNotValid = "This is not a valid number, you can not buy this amount.";
const char* const kNotEnoughOffered = "You cannot buy this amount as there is not enough of it";
const char* const kCantAfford = "You cannot afford to buy this amount of factory units";
const char* const kSellNotValid = "This is not a valid number, you can not sell this amount.";
const char* const kInUse = "You cannot sell this amount of factory space as some of it is in use.";

// Company 2 with £100000, its ship on planet C, which offers 30 factory units at £1000; it owns
// 50 units there, 20 of them making 10 steel. Iron sells at 480 / 440 / 400 by band, coal at
// 450 / 400 / 350, bricks at 1250.
struct FactoriesScreen : IndustryScreenTest {
    TManufacturing& screen = game.Manufacturing();

    void SetUp() override {
        IndustryScreenTest::SetUp();
        s.PlayerCash[2] = 100000;
        s.PlanetFactoryPrice[kShip] = 1000;
        s.PlanetFactoryAvailable[kShip] = 30;
        s.FactoryUnits(2, kShip) = 50;
        s.FactoryUsedUnits(2, kShip) = 20;
        s.FactoryAmount(2, kShip, rSteel) = 10;
        for (int p : {kShip, kOther}) {
            bands(p, kIron, 480, 440, 400);
            bands(p, kCoal, 450, 400, 350);
        }
        s.PlayerRetailPrice(2, kShip, kBricks) = 1250;
    }
    void show() { ScreenTest::show(ScreenId::Manufacturing); }
    const StringGrid& grid() const { return screen.Factory; }
    // Products are on rows 2 to 19.
    std::string cell(int col, int recipe) const { return grid().cell(col, recipe + 1); }

    // Types an answer into the level box of a product's row, pressing one of the three buttons.
    void level(const Button& button, int recipe, const std::string& typed) {
        pick(screen.Factory, 1, recipe + 1);
        answerInput(typed);
        click(button);
    }
    void trade(const Button& button, const std::string& typed) {
        type(screen.BuyAmount, typed);
        click(button);
    }
};

TEST_F(FactoriesScreen, ShowsTheLabelsAndBothHeadingRows) {
    show();
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.YourOnL.text, "Your On: C");
    EXPECT_EQ(screen.PLanetL.text, "Planet: C");
    for (const Label* units : {&screen.FactUnitsLb, &screen.FactUnitsL, &screen.FactUnitsLc})
        EXPECT_EQ(units->text, "Factoy Units: 50");
    for (const Label* free : {&screen.FreFactUnitLb, &screen.FreFactUnitL, &screen.FreFactUnitLc})
        EXPECT_EQ(free->text, "Free Factory Units: 30");
    EXPECT_EQ(screen.FactCost.text, "Cost per Unit: 1000");
    EXPECT_EQ(screen.AvailableL.text, "Available: 30");
    EXPECT_EQ(screen.PLanetList.items.size(), 12u);
    EXPECT_EQ(screen.PLanetList.itemIndex, kShip - 1);

    const Texts top = {"Output",  "Amount",  "Cost/",   "Overall", "Weight/", "Units/",
                       "Input 1", "Amount/", "Weight/", "Cost/",   "Input 2", "Amount/",
                       "Weight/", "Cost/",   "Input 3", "Amount/", "Weight/", "Cost/",
                       "Input 4", "Amount/", "Weight/", "Cost/"};
    const Texts second = {" ",     " ",     "Total", "Cost",  "Total", "Total", " ", "Total",
                          "Total", "Total", " ",     "Total", "Total", "Total", " ", "Total",
                          "Total", "Total", " ",     "Total", "Total", "Total"};
    for (int col = 0; col < 22; ++col) {
        EXPECT_EQ(grid().cell(col, 0), top[col]) << col;
        EXPECT_EQ(grid().cell(col, 1), second[col]) << col;
    }
}

TEST_F(FactoriesScreen, AProductRowPricesInputsAtTheBandOfTheLevelAndStoresItsCost) {
    // 26 steel: made at 200 a unit, iron and coal at their 26-100 prices whatever quantity of
    // them that takes; 26 x 1.25 = 32.5 tons rounds to the even 32.
    s.FactoryAmount(2, kShip, rSteel) = 26;
    s.FactoryCost(2, kShip, 7) = 999;  // stale: a product with no level costs nothing
    show();
    const Texts steel = {"Steel", "26",        "200/5200", "37440",     "1.25/32", "2/52",
                         "Iron",  "1/26",      "1/32",     "440/11440", "Coal",    "2/52",
                         "2/39",  "800/20800", " ",        " ",         " ",       " ",
                         " ",     " ",         " ",        " "};
    for (int col = 0; col < 22; ++col)
        EXPECT_EQ(cell(col, rSteel), steel[col]) << col;
    EXPECT_EQ(s.FactoryCost(2, kShip, rSteel), 37440);
    EXPECT_EQ(s.FactoryCost(2, kShip, 7), 0);
    EXPECT_EQ(cell(0, rHouses), "Houses");
    EXPECT_EQ(cell(17, rHouses), "25000/0");  // 20 bricks at 1250, none made
    EXPECT_EQ(screen.TotalManCostL.text, "Total Manufacturing Cost: £5200");
    EXPECT_EQ(screen.TotalinputCostL.text, "Total Input Cost: £32240");
    EXPECT_EQ(screen.TotalOverCostL.text, "Total Overall Cost: £37440");
    EXPECT_EQ(screen.TotalOutWeightL.text, "Total Output Weight: £32");
    EXPECT_EQ(screen.TotalInWeightL.text, "Total Input Weight: £71");
}

TEST_F(FactoriesScreen, TheRateAndTheInputBandChangeAt26And101) {
    struct Case {
        int level;
        const char* making;
        const char* iron;
    };
    const Case cases[] = {{0, "250/0", "480/0"},
                          {25, "250/6250", "480/12000"},
                          {26, "200/5200", "440/11440"},
                          {100, "200/20000", "440/44000"},
                          {101, "150/15150", "400/40400"}};
    s.FactoryUnits(2, kShip) = 1000;
    for (const Case& c : cases) {
        s.FactoryAmount(2, kShip, rSteel) = c.level;
        show();
        EXPECT_EQ(cell(2, rSteel), c.making) << c.level;
        EXPECT_EQ(cell(9, rSteel), c.iron) << c.level;
    }
}

TEST_F(FactoriesScreen, LevelsTakeAndFreeFactoryUnits) {
    s.FactoryAmount(2, kShip, rSteel) = 0;
    s.FactoryUsedUnits(2, kShip) = 0;
    show();
    level(screen.Setit, rSteel, "10");
    EXPECT_EQ(s.FactoryAmount(2, kShip, rSteel), 10);
    EXPECT_EQ(s.FactoryUsedUnits(2, kShip), 20);
    level(screen.Setit, rSteel, "10");
    EXPECT_EQ(s.FactoryUsedUnits(2, kShip), 20);
    level(screen.DownBy, rSteel, "4");
    EXPECT_EQ(s.FactoryAmount(2, kShip, rSteel), 6);
    EXPECT_EQ(s.FactoryUsedUnits(2, kShip), 12);
    level(screen.UpBy, rSteel, "19");  // 38 more units: exactly what is free
    EXPECT_EQ(s.FactoryAmount(2, kShip, rSteel), 25);
    EXPECT_EQ(s.FactoryUsedUnits(2, kShip), 50);
    EXPECT_EQ(screen.FreFactUnitLb.text, "Free Factory Units: 0");
    EXPECT_EQ(cell(1, rSteel), "25");

    const auto& asked = dialogs.inputs();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].caption, "Set Production Level");
    EXPECT_EQ(asked[0].prompt, "Please enter a production level for this Good");
    EXPECT_EQ(asked[0].defaultText, "0");
    EXPECT_EQ(asked[1].defaultText, "10");  // "Set " offers the current level
    EXPECT_EQ(asked[2].defaultText, "0");   // the others offer 0
    EXPECT_EQ(asked[3].defaultText, "0");
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(FactoriesScreen, ABadLevelIsRefusedAndChangesNothing) {
    struct Case {
        const char* name;
        const Button TManufacturing::*button;
        const char* typed;  // nullptr: Cancel
        Texts messages;
        const char* error;
    };
    const Case cases[] = {
        {"set below 0", &TManufacturing::Setit, "-1", {kNotValid}, nullptr},
        {"lowered below 0", &TManufacturing::DownBy, "11", {kNotValid}, nullptr},
        {"raised below 0", &TManufacturing::UpBy, "-11", {kNotValid}, nullptr},
        {"one unit short", &TManufacturing::Setit, "26", {kNoUnits}, nullptr},
        {"lowered by a negative", &TManufacturing::DownBy, "-16", {kNoUnits}, nullptr},
        {"raised past 32 bits", &TManufacturing::UpBy, "2147483647", {kNoUnits}, nullptr},
        {"lowered past 32 bits", &TManufacturing::DownBy, "-2147483648", {kNoUnits}, nullptr},
        {"not a number",
         &TManufacturing::Setit,
         "12abc",
         {},
         "'12abc' is not a valid integer value"},
        {"too long",
         &TManufacturing::UpBy,
         "99999999999",
         {},
         "'99999999999' is not a valid integer value"},
        {"empty", &TManufacturing::DownBy, "", {}, "'' is not a valid integer value"},
        {"cancelled", &TManufacturing::Setit, nullptr, {}, nullptr},
    };
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GameState before = s;
        pick(screen.Factory, 0, rSteel + 1);
        if (c.typed != nullptr)
            answerInput(c.typed);
        else
            cancelInput();
        if (c.error != nullptr) expectError(c.error);
        click(screen.*c.button);
        EXPECT_EQ(takeMessages(), c.messages);
        EXPECT_TRUE(s == before);
        EXPECT_EQ(cell(1, rSteel), "10");
    }
}

TEST_F(FactoriesScreen, WithoutAProductTheLevelButtonsDoNothing) {
    show();
    const GameState before = s;
    for (const Button* b : {&screen.Setit, &screen.UpBy, &screen.DownBy})
        click(*b);               // no input box is asked for
    pick(screen.Factory, 3, 1);  // a heading row is no product
    click(screen.Setit);
    EXPECT_TRUE(s == before);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(FactoriesScreen, BuyingUnitsAsksThenPays) {
    show();
    answer(false);
    trade(screen.Buy, "10");
    EXPECT_EQ(s.FactoryUnits(2, kShip), 50);
    answer(true);
    trade(screen.Buy, "10");
    EXPECT_EQ(dialogs.confirms(),
              Texts(2,
                    "Buying 10 factory units will cost you £10000. Are you sure you want to buy "
                    "this amount of factory units?"));
    EXPECT_EQ(s.PlayerCash[2], 90000);
    EXPECT_EQ(s.FactoryUnits(2, kShip), 60);
    EXPECT_EQ(s.PlanetFactoryAvailable[kShip], 30);  // what is offered is not lowered
    EXPECT_EQ(screen.CashL.text, "Money: £90000");
    EXPECT_EQ(screen.FreFactUnitL.text, "Free Factory Units: 40");
}

TEST_F(FactoriesScreen, SellingUnitsAsksThenPaysOut) {
    show();
    answer(true);
    trade(screen.Sell, "30");  // every free unit
    EXPECT_EQ(dialogs.confirms(),
              Texts{"Selling 30 factory units will make you £30000. But you will only have 20 "
                    "factory units left. Are you sure you want to sell this amount of Factory "
                    "units?"});
    EXPECT_EQ(s.PlayerCash[2], 130000);
    EXPECT_EQ(s.FactoryUnits(2, kShip), 20);
    EXPECT_EQ(screen.FreFactUnitLb.text, "Free Factory Units: 0");
}

TEST_F(FactoriesScreen, BadAmountsOfUnitsAreRefusedInOrder) {
    struct Case {
        const char* name;
        const Button TManufacturing::*button;
        const char* typed;
        Texts messages;
        const char* error;
    };
    s.PlayerCash[2] = 20000;
    const Case cases[] = {
        {"buy 0", &TManufacturing::Buy, "0", {kBuyNotValid}, nullptr},
        {"buy below 0", &TManufacturing::Buy, "-5", {kBuyNotValid}, nullptr},
        {"buy more than offered",
         &TManufacturing::Buy,
         "31",
         {kNotEnoughOffered, kCantAfford},
         nullptr},
        {"buy beyond the cash", &TManufacturing::Buy, "21", {kCantAfford}, nullptr},
        {"buy an absurd amount",
         &TManufacturing::Buy,
         "2147483647",
         {kNotEnoughOffered, kCantAfford},
         nullptr},
        {"buy letters", &TManufacturing::Buy, "ten", {}, "'ten' is not a valid integer value"},
        {"buy nothing typed", &TManufacturing::Buy, "", {}, "'' is not a valid integer value"},
        {"sell 0", &TManufacturing::Sell, "0", {kSellNotValid}, nullptr},
        {"sell below 0", &TManufacturing::Sell, "-2147483648", {kSellNotValid}, nullptr},
        {"sell units in use", &TManufacturing::Sell, "31", {kInUse}, nullptr},
        {"sell too long a number",
         &TManufacturing::Sell,
         "99999999999",
         {},
         "'99999999999' is not a valid integer value"},
    };
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GameState before = s;
        if (c.error != nullptr) expectError(c.error);
        trade(screen.*c.button, c.typed);
        EXPECT_EQ(takeMessages(), c.messages);
        EXPECT_TRUE(s == before);
    }
}

TEST_F(FactoriesScreen, AnotherPlanetsLevelsCanBeSetButItsUnitsNotTraded) {
    s.FactoryUnits(2, kOther) = 8;
    show();
    EXPECT_TRUE(screen.Buy.enabled && screen.Sell.enabled);
    pick(screen.PLanetList, kOther - 1);
    EXPECT_FALSE(screen.Buy.enabled);
    EXPECT_FALSE(screen.Sell.enabled);
    EXPECT_EQ(screen.PLanetL.text, "Planet: E");
    EXPECT_EQ(screen.YourOnL.text, "Your On: C");
    EXPECT_EQ(screen.FactUnitsL.text, "Factoy Units: 8");
    EXPECT_EQ(cell(1, rSteel), "0");
    level(screen.Setit, rSteel, "4");
    EXPECT_EQ(s.FactoryAmount(2, kOther, rSteel), 4);
    EXPECT_EQ(s.FactoryUsedUnits(2, kOther), 8);
    EXPECT_EQ(s.FactoryAmount(2, kShip, rSteel), 10);

    pick(screen.PLanetList, -1);  // choosing nothing keeps the planet
    EXPECT_EQ(screen.PLanetL.text, "Planet: E");
    EXPECT_EQ(screen.PLanetList.itemIndex, kOther - 1);

    // Shown again, the screen starts at the ship's planet with units for trading and no row.
    show();
    EXPECT_TRUE(screen.Buy.enabled && screen.Sell.enabled);
    EXPECT_EQ(screen.PLanetL.text, "Planet: C");
    EXPECT_EQ(screen.Factory.row(), -1);
}

TEST_F(FactoriesScreen, LevelsChangeOnlyOnTheProductionTab) {
    show();
    for (int page : {1, 2, 0, 2}) {
        this->page(screen.PageControl1, page);
        for (const Button* b : {&screen.Setit, &screen.UpBy, &screen.DownBy})
            EXPECT_EQ(b->enabled, page == 0) << page;
    }
    show();  // still on the third tab
    EXPECT_FALSE(screen.Setit.enabled);
}

TEST_F(FactoriesScreen, HelpIsAnEmptyBoxAndContinueLeadsToTheHub) {
    show();
    click(screen.Button2);
    EXPECT_EQ(dialogs.messages(), Texts{""});
    click(screen.Button1);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::Manufacturing));
}

TEST_F(FactoriesScreen, FiguresBeyond32BitsAreShownNotAnOverflow) {
    // Two million houses: 5e10 to make, 2e9 bricks at 1250 each.
    s.FactoryUnits(2, kShip) = 200000000;
    s.FactoryAmount(2, kShip, rHouses) = 2000000;
    show();
    EXPECT_EQ(cell(2, rHouses), "25000/50000000000");
    EXPECT_EQ(cell(17, rHouses), "25000/50000000000");
    EXPECT_EQ(s.FactoryCost(2, kShip, rHouses), 2147483647);
    EXPECT_EQ(dialogs.allErrors(), Texts{});
}

}  // namespace
