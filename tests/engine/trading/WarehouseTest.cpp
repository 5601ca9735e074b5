#include <gtest/gtest.h>

#include "TradeFixture.h"
#include "services/TPlanetScreen.h"
#include "trading/TWarescr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kBuyInvalid = "This is not a valid number, you can not buy this amount.";
const char* const kBuyTooMuch = "You cannot buy this amount as there is not enough of it";
const char* const kBuyTooDear = "You cannot afford to buy this amount of warehouse space";
const char* const kSellInvalid = "This is not a valid number, you can not sell this amount.";
const char* const kSellFull =
    "You cannot sell this amount of warehouse space as some of it is full of goods.";
const char* const kGoodsInvalid = "This is not a valid number, you can not sell this amount";
const char* const kGoodsTooMany =
    "You can not sell this amount as you do not have this amount to sell";

constexpr int kE = 5;

// Besides its 40 tons on C (the ship's planet), company 2 has 100 tons on E holding 30 iron,
// 120 girders and 12 food (60 tons in use). Space on C costs £900 a ton, 600 tons on offer.
struct WarehouseScreen : TradeFixture {
    TWarescr& screen = game.Warescr();

    void SetUp() override {
        TradeFixture::SetUp();
        s.PlanetWarehousePrice[kHere] = 900;
        s.PlanetWarehouseAvailable[kHere] = 600;
        s.WarehouseSpace(kMe, kE) = 100;
        s.WarehouseUsed(kMe, kE) = 60;
        s.WarehouseFree(kMe, kE) = 40;
        s.WarehouseStock(kMe, kE, kIron) = 30;
        s.WarehouseStock(kMe, kE, kGirders) = 120;
        s.WarehouseStock(kMe, kE, kFood) = 12;
        viewOn(kE, kIron, 700, 800, 470, 440, 410, 390);
        viewOn(kE, kGirders, 50, 90, 2000, 1900, 1700, 1650);
        viewOn(kE, kFood, 900, 400, 500, 450, 400, 400);
    }
    void open() { show(ScreenId::Warescr); }
    Texts row(int r) const {
        Texts cells;
        for (int col = 0; col < screen.WareHouse.colCount(); ++col)
            cells.push_back(screen.WareHouse.cell(col, r));
        return cells;
    }
    void buySpace(const std::string& typed) {
        type(screen.BuyAmount, typed);
        click(screen.Buy);
    }
    void sellSpace(const std::string& typed) {
        type(screen.BuyAmount, typed);
        click(screen.Sell);
    }
    void sellGoods(int gridRow) {
        pick(screen.WareHouse, 1, gridRow);
        click(screen.sellbutton);
    }
};

TEST_F(WarehouseScreen, ShowsTheShipsPlanetWithItsFiguresAndHeadings) {
    open();
    EXPECT_EQ(screen.caption, "Warehouse");
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.PlntNamel.text, "Your on: C");
    EXPECT_EQ(screen.PlanetL.text, "Planet: C");
    EXPECT_EQ(screen.WareSpaceL.text, "Warehouse Space: 40");
    EXPECT_EQ(screen.WareFreeSpaceL.text, "Warehouse Free Space35");
    EXPECT_EQ(screen.WareSpaceL2.text, "Warehouse Space: 40");
    EXPECT_EQ(screen.WareFreeSpaceL2.text, "Warehouse Free Space35");
    EXPECT_EQ(screen.WareCost.text, "Cost per Ton: £900");
    EXPECT_EQ(screen.AvailableL.text, "Available:600");
    EXPECT_EQ(screen.PageControl1.tabs, (Texts{"WareHouses", "Buy/Sell Warehouse Space"}));
    EXPECT_EQ(row(0), (Texts{" ", "Amount", "On Planet", "Demand", "Retail", "Industrial",
                             "Industrial", "Industrial", "Total Worth", "Range"}));
    EXPECT_EQ(row(1), (Texts{" ", " ", " ", " ", "Price", "Price 1-25", "Price 26-100",
                             "Price 101+", " ", " "}));
    EXPECT_EQ(row(2)[0], " ");  // nothing stored on C
}

// Goods in good order with no gaps; in each row only the price that applies to the whole stock.
TEST_F(WarehouseScreen, ListsTheStoredGoodsOfThePlanetShown) {
    open();
    click(screen.Next);
    EXPECT_EQ(screen.PlanetL.text, "Planet: E");
    EXPECT_EQ(screen.PlntNamel.text, "Your on: C");
    EXPECT_EQ(screen.WareSpaceL.text, "Warehouse Space: 100");
    EXPECT_EQ(screen.WareFreeSpaceL.text, "Warehouse Free Space40");
    EXPECT_EQ(screen.WareSpaceL2.text, "Warehouse Space: 40");  // the second tab stays on C
    EXPECT_EQ(row(2),
              (Texts{"Iron", "30", "700", "800", " ", " ", "410", " ", "12300", "350 - 500"}));
    EXPECT_EQ(row(3), (Texts{"Girders", "120", "50", "90", " ", " ", " ", "1650", "198000",
                             "1600 - 2000"}));
    EXPECT_EQ(row(4),
              (Texts{"Food", "12", "900", "400", "500", " ", " ", " ", "6000", "400 - 600"}));
    EXPECT_EQ(row(5)[0], " ");
}

// "Next" and "Previous" go round the planets holding warehouse space, so each can be reached;
// every showing starts on the ship's planet.
TEST_F(WarehouseScreen, NextAndPreviousReachEveryWarehouse) {
    s.WarehouseSpace(kMe, kHere) = 0;
    s.WarehouseSpace(kMe, 2) = 10;
    s.WarehouseSpace(kMe, 9) = 10;
    s.PlayerPlanet[kMe] = kE;
    open();
    const auto shown = [&] { return screen.PlanetL.text; };
    EXPECT_EQ(shown(), "Planet: E");
    const std::pair<const Button*, const char*> steps[] = {
        {&screen.Next, "Planet: I"}, {&screen.Next, "Planet: B"}, {&screen.Next, "Planet: E"},
        {&screen.Last, "Planet: B"}, {&screen.Last, "Planet: I"}, {&screen.Last, "Planet: E"}};
    for (const auto& [button, planet] : steps) {
        click(*button);
        EXPECT_EQ(shown(), planet) << button->caption;
    }
    click(screen.Next);
    open();
    EXPECT_EQ(shown(), "Planet: E");

    // Without warehouse space anywhere the screen stays where it is.
    for (int p = 1; p <= kPlanets; ++p)
        s.WarehouseSpace(kMe, p) = 0;
    s.PlayerPlanet[kMe] = 7;
    open();
    click(screen.Next);
    click(screen.Last);
    EXPECT_EQ(shown(), "Planet: G");
}

TEST_F(WarehouseScreen, SellGoodsWorksOnlyOnTheGoodsTab) {
    open();
    EXPECT_TRUE(screen.sellbutton.enabled);
    page(screen.PageControl1, 1);
    EXPECT_FALSE(screen.sellbutton.enabled);
    page(screen.PageControl1, 1);  // choosing the same tab again changes nothing
    EXPECT_FALSE(screen.sellbutton.enabled);
    click(screen.Button5);
    open();  // shown again on the second tab
    EXPECT_FALSE(screen.sellbutton.enabled);
    page(screen.PageControl1, 0);
    EXPECT_TRUE(screen.sellbutton.enabled);
}

TEST_F(WarehouseScreen, BadSpaceAmountsAreRefusedInOrderWithoutAQuestion) {
    struct Case {
        bool buying;
        const char* typed;
        Texts messages;
        const char* error;
    };
    const Case cases[] = {
        {true, "x", {}, "'x' is not a valid integer value"},
        {true, "99999999999", {}, "'99999999999' is not a valid integer value"},
        {true, "0", {kBuyInvalid}, nullptr},
        {true, "-5", {kBuyInvalid}, nullptr},
        {true, "112", {kBuyTooDear}, nullptr},  // £100800
        {true, "601", {kBuyTooMuch, kBuyTooDear}, nullptr},
        {true, "2000000000", {kBuyTooMuch, kBuyTooDear}, nullptr},
        {false, "", {}, "'' is not a valid integer value"},
        {false, "0", {kSellInvalid}, nullptr},
        {false, "-1", {kSellInvalid}, nullptr},
        {false, "36", {kSellFull}, nullptr},
        {false, "2000000000", {kSellFull}, nullptr},
    };
    open();
    page(screen.PageControl1, 1);
    for (const Case& c : cases) {
        const GameState before = s;
        if (c.error) expectError(c.error);
        c.buying ? buySpace(c.typed) : sellSpace(c.typed);
        EXPECT_EQ(takeMessages(), c.messages) << c.typed;
        EXPECT_TRUE(s == before) << c.typed;
    }
    EXPECT_TRUE(dialogs.confirms().empty());
}

TEST_F(WarehouseScreen, BuyingSpaceAsksFirstAndLeavesTheOfferStanding) {
    s.PlayerCash[kMe] = 2000000;
    open();
    page(screen.PageControl1, 1);
    answer(false);
    const GameState before = s;
    buySpace("600");
    EXPECT_EQ(dialogs.confirms(),
              Texts{"Buying 600 tons of warehouse space will cost you £540000. Are you sure you "
                    "want to buy this amount of warehouse space?"});
    EXPECT_TRUE(s == before);

    for (int n = 1; n <= 2; ++n) {
        answer(true);
        buySpace("600");
    }
    EXPECT_EQ(s.PlayerCash[kMe], 920000);
    EXPECT_EQ(s.WarehouseSpace(kMe, kHere), 1240);
    EXPECT_EQ(s.PlanetWarehouseAvailable[kHere], 600);
    EXPECT_EQ(screen.WareSpaceL2.text, "Warehouse Space: 1240");
    EXPECT_EQ(screen.WareFreeSpaceL2.text, "Warehouse Free Space1235");
    EXPECT_EQ(screen.CashL.text, "Money: £920000");
}

// Only the empty part of a warehouse can be sold back, at the buying price.
TEST_F(WarehouseScreen, SellingSpaceAsksFirstAndKeepsWhatHoldsGoods) {
    s.PlayerPlanet[kMe] = kE;
    s.PlanetWarehousePrice[kE] = 800;
    open();
    page(screen.PageControl1, 1);
    sellSpace("41");
    EXPECT_EQ(takeMessages(), Texts{kSellFull});
    answer(true);
    sellSpace("40");
    EXPECT_EQ(dialogs.confirms(),
              Texts{"Selling 40 tons of warehouse space will make you £32000. But you will only "
                    "have 60 tons of warehouse space left. Are you sure you want to sell this "
                    "amount of warehouse space?"});
    EXPECT_EQ(s.PlayerCash[kMe], 132000);
    EXPECT_EQ(s.WarehouseSpace(kMe, kE), 60);

    // Tons counted below nothing make no room: never more than is owned can go.
    s.WarehouseUsed(kMe, kE) = -10;
    sellSpace("61");
    EXPECT_EQ(takeMessages(), Texts{kSellFull});
    EXPECT_EQ(s.WarehouseSpace(kMe, kE), 60);
}

// Stored goods are sold from the planet shown at that planet's price, wherever the ship is;
// that planet's market does not move.
TEST_F(WarehouseScreen, SellingStoredGoodsFromAnotherPlanet) {
    open();
    click(screen.Next);  // E
    GameState expected = s;
    answerInput("30");
    answer(true);
    sellGoods(2);  // iron
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Sell");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much Iron would you like to sell?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "30");
    EXPECT_EQ(dialogs.confirms(),
              Texts{"Selling 30 tons of Iron will make you £12300. But you will only have 0 tons "
                    "ofIron left. Are you sure you want to sell this amount?"});
    expected.WarehouseStock(kMe, kE, kIron) = 0;
    expected.WarehouseUsed(kMe, kE) = 22;  // 30 iron weigh 37.5, so 38 tons
    expected.PlayerCash[kMe] = 112300;
    EXPECT_TRUE(s == expected);
    EXPECT_EQ(row(2)[0], "Girders");
    EXPECT_EQ(screen.WareHouse.row(), -1) << "the row chosen now shows another good";
}

TEST_F(WarehouseScreen, SellingPartOfAStockKeepsTheRowAndPricesByTheAmountSold) {
    open();
    click(screen.Next);
    answerInput("20");  // of 120 girders: the "1-25" price
    answer(true);
    sellGoods(3);
    EXPECT_EQ(s.PlayerCash[kMe], 100000 + 20 * 1900);
    EXPECT_EQ(s.WarehouseStock(kMe, kE, kGirders), 100);
    EXPECT_EQ(s.WarehouseUsed(kMe, kE), 30);
    EXPECT_EQ(screen.WareHouse.row(), 3);
    EXPECT_EQ(row(3)[6], "1700");  // 100 left: the "26-100" column now
}

TEST_F(WarehouseScreen, BadGoodsAmountsAndNoChosenRowChangeNothing) {
    open();
    click(screen.Next);
    const GameState before = s;

    click(screen.sellbutton);      // no row chosen: nothing is asked
    pick(screen.WareHouse, 1, 1);  // a heading row is never a choice
    click(screen.sellbutton);
    pick(screen.WareHouse, 1, 7);  // a row with no good in it
    click(screen.sellbutton);
    EXPECT_TRUE(dialogs.inputs().empty());

    // Iron: 30 stored.
    pick(screen.WareHouse, 1, 2);
    const BadAmount cases[] = {
        {screen.sellbutton, std::nullopt, {}},
        {screen.sellbutton, "lots", {}, kNotANumber},
        {screen.sellbutton, "0", {kGoodsInvalid}},
        {screen.sellbutton, "-30", {kGoodsInvalid}},
        {screen.sellbutton, "31", {kGoodsTooMany}},
        {screen.sellbutton, "2147483647", {kGoodsTooMany}},
    };
    for (const BadAmount& bad : cases)
        expectRefused(bad);
    answerInput("30");
    answer(false);
    sellGoods(2);
    EXPECT_TRUE(s == before);
}

TEST_F(WarehouseScreen, HelpAndContinue) {
    open();
    click(screen.Button1);
    EXPECT_EQ(takeMessages(), Texts{"Use this screen to buy and sell warehouse space, you can also "
                                    "sell whats in your warehouse from this screen"});
    click(screen.Button5);
    EXPECT_FALSE(game.isVisible(ScreenId::Warescr));
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
}

}  // namespace
