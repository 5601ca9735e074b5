#include <gtest/gtest.h>

#include "TradeFixture.h"
#include "state/Format.h"
#include "state/PriceRule.h"
#include "trading/TBuy.h"
#include "trading/TMarketScr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kInvalid = "This is not a valid number, you cannot buy this amount";
const char* const kNotEnough = "There is not enough of this product for you to buy this amount";
const char* const kNoMoney = "You do not have enough money to buy this amount of this product";
const char* const kNoWarehouseRoom =
    "You do not have enough space in your warehouse to store this amount of this product";
const char* const kNoShipRoom =
    "You do not have enough space on your ship to store this amount of this product";
const char* const kNoPlace =
    "You have not selected a place to store the product that you want to buy in";

constexpr int kWarehouse = 0, kShip = 1, kNone = -1;

struct BuyScreen : TradeFixture {
    TBuy& screen = game.Buy();

    void open(int g) { openFromMarket(g, ScreenId::Buy); }
    // Types the amount, picks the place (kNone leaves none) and presses the button.
    void enter(const std::string& typed, int place, const Button& button) {
        type(screen.Buybox, typed);
        pick(screen.Storein, place);
        click(button);
    }
};

TEST_F(BuyScreen, ShowsTheGoodItsPricesAndTheRoomInEachPlace) {
    open(kIron);
    EXPECT_EQ(screen.caption, "Buy");
    EXPECT_EQ(screen.Product.text, "Iron");
    EXPECT_EQ(screen.CashL.text, "Money £100000");
    EXPECT_EQ(screen.Available.text, "Available: 500");
    EXPECT_EQ(screen.Weights.text, "Weight: 1.25");
    EXPECT_EQ(screen.MarketL.text, "Industrial");
    EXPECT_EQ(screen.Label1.text, "Buy:");
    EXPECT_EQ(screen.Prices.caption, "Price");
    EXPECT_EQ(screen.Prices.items, (Texts{"1-25@£450", "26-100@£400", "101+@£380"}));
    EXPECT_EQ(screen.Prices.itemIndex, 0);
    EXPECT_EQ(screen.Storein.caption, "Store In");
    EXPECT_EQ(screen.Storein.items, (Texts{"Warehouse -35", "Ship -50"}));
    EXPECT_EQ(screen.Storein.itemIndex, -1);

    open(kFood);
    EXPECT_EQ(screen.Product.text, "Food");
    EXPECT_EQ(screen.Weights.text, "Weight: 0.6");
    EXPECT_EQ(screen.MarketL.text, "Retail");
    EXPECT_EQ(screen.Prices.items, Texts{"£520"});
}

TEST_F(BuyScreen, ThePriceListOnlyInforms) {
    s.WarehouseSpace(kMe, kHere) = 1000;
    open(kIron);
    pick(screen.Prices, 2);
    EXPECT_EQ(screen.Prices.itemIndex, 0);
    enter("110", kWarehouse, screen.Button1);  // still the "101+" band, whatever was clicked
    EXPECT_EQ(screen.CostL.text, "Cost: £41800");
}

// The whole quantity at one band's price; the weight rounded on its own, halves to even.
TEST_F(BuyScreen, QuoteChargesOneBandAndWeighsEachTrade) {
    s.PlayerCash[kMe] = 1000000;
    s.WarehouseSpace(kMe, kHere) = 1000;
    struct Case {
        int good;
        const char* typed;
        const char* cost;
        const char* weight;
    };
    const Case cases[] = {
        {kIron, "1", "Cost: £450", "Weight: 1"},
        {kIron, "25", "Cost: £11250", "Weight: 31"},
        {kIron, "26", "Cost: £10400", "Weight: 32"},
        {kIron, "100", "Cost: £40000", "Weight: 125"},
        {kIron, "101", "Cost: £38380", "Weight: 126"},
        {kWood, "3", "Cost: £1890", "Weight: 2"},
        {kWood, "5", "Cost: £3150", "Weight: 2"},
        {kWood, "1", "Cost: £630", "Weight: 0"},
        {kGirders, "1", "Cost: £1800", "Weight: 2"},
        {kFood, "1", "Cost: £520", "Weight: 1"},
        {kFood, "200", "Cost: £104000", "Weight: 120"},
        {kFood, " +7 ", "Cost: £3640", "Weight: 4"},
    };
    for (const Case& c : cases) {
        open(c.good);
        const GameState before = s;
        enter(c.typed, kWarehouse, screen.Button1);
        EXPECT_EQ(screen.CostL.text, c.cost) << c.typed;
        EXPECT_EQ(screen.WeightL.text, c.weight) << c.typed;
        EXPECT_TRUE(s == before) << "a quote changes nothing";
    }
    EXPECT_EQ(takeMessages(), Texts{});
}

// Every refused amount: its messages in order, the quote's labels as they were, nothing changed;
// the same through "Calculate Cost" and through "Buy".
TEST_F(BuyScreen, BadAmountsAreRefusedInOrderAndChangeNothing) {
    struct Case {
        const char* typed;
        int place;
        Texts messages;
        const char* error;
    };
    const Case cases[] = {
        {"abc", kShip, {}, "'abc' is not a valid integer value"},
        {"", kShip, {}, "'' is not a valid integer value"},
        {"12.5", kWarehouse, {}, "'12.5' is not a valid integer value"},
        {"99999999999", kShip, {}, "'99999999999' is not a valid integer value"},
        {"0", kNone, {kInvalid, kNoPlace}, nullptr},
        {"-3", kShip, {kInvalid}, nullptr},
        {"10", kNone, {kNoPlace}, nullptr},
        // 501 at £380 is £190380 and weighs 626 tons
        {"501", kShip, {kNotEnough, kNoMoney, kNoShipRoom}, nullptr},
        {"2000000000", kWarehouse, {kNotEnough, kNoMoney, kNoWarehouseRoom}, nullptr},
        {"41", kShip, {kNoShipRoom}, nullptr},            // 51.25 tons into 50
        {"29", kWarehouse, {kNoWarehouseRoom}, nullptr},  // 36.25 tons into 35
    };
    open(kIron);
    s.PlayerCash[kMe] = 100000;
    for (const Button* button : {&screen.Button1, &screen.Button2}) {
        for (const Case& c : cases) {
            const GameState before = s;
            if (c.error) expectError(c.error);
            enter(c.typed, c.place, *button);
            EXPECT_EQ(takeMessages(), c.messages) << c.typed << " " << button->caption;
            EXPECT_TRUE(s == before) << c.typed << " " << button->caption;
            EXPECT_EQ(screen.CostL.text, "Cost: £");
            EXPECT_EQ(screen.WeightL.text, "Weight: ");
        }
    }
}

TEST_F(BuyScreen, AnAmountCoveredToThePoundAndTheTonIsBought) {
    open(kIron);
    s.PlayerCash[kMe] = 16000;
    enter("40", kShip, screen.Button1);  // 40 at £400, 50 tons into 50
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(screen.CostL.text, "Cost: £16000");
    EXPECT_EQ(screen.WeightL.text, "Weight: 50");
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[kMe], 0);
    EXPECT_EQ(s.CargoHold(kMe, kIron), 40);
    EXPECT_EQ(s.CargoUsed[kMe], 60);
    EXPECT_EQ(s.CargoFree[kMe], 0);
}

// Into the hold: money, goods, tons and the planet's amount move together, and every company's
// view of iron on C is priced anew; nothing else changes.
TEST_F(BuyScreen, BuyingIntoTheHoldMovesEverythingAtOnce) {
    open(kIron);
    GameState expected = s;
    expected.PlayerCash[kMe] = 84000;
    expected.CargoHold(kMe, kIron) = 40;
    expected.CargoUsed[kMe] = 60;
    expected.CargoFree[kMe] = 0;
    expected.PlanetAmount(kHere, kIron) = 440;
    const auto sees = [&](int i, int amount, int demand, Prices p) {
        expected.PlayerAmount(i, kHere, kIron) = amount;
        expected.PlayerDemand(i, kHere, kIron) = demand;
        expected.PlayerRetailPrice(i, kHere, kIron) = p.P;
        expected.PlayerIndPrice1(i, kHere, kIron) = p.B1;
        expected.PlayerIndPrice2(i, kHere, kIron) = p.B2;
        expected.PlayerIndPrice3(i, kHere, kIron) = p.B3;
    };
    // 440 against 440: s = 0, 35 % of the way from £350 to £500 is 52.5, so £402.
    for (int i = 1; i <= kCompanies; ++i)
        sees(i, 440, 440, {402, 362, 350, 350});
    // Company 2 sees 20 more: 460 / 440 gives s = -5, 32 %: £398.
    sees(kMe, 460, 440, {398, 358, 350, 350});
    s.AdvIndAmountAdj(5, kHere, kIron) = expected.AdvIndAmountAdj(5, kHere, kIron) = -500;
    sees(5, 0, 440, {500, 500, 500, 500});
    s.AdvIndDemandAdj(9, kHere, kIron) = expected.AdvIndDemandAdj(9, kHere, kIron) = -1000;
    sees(9, 440, 0, {350, 350, 350, 350});

    enter("40", kShip, screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_TRUE(s == expected);
    EXPECT_EQ(screen.CostL.text, "Cost: £16000");
    EXPECT_EQ(screen.CashL.text, "Money £84000");
    EXPECT_EQ(screen.Available.text, "Available: 460");
    EXPECT_EQ(screen.Prices.items, (Texts{"1-25@£358", "26-100@£350", "101+@£350"}));
    EXPECT_EQ(screen.Storein.items, (Texts{"Warehouse -35", "Ship -0"}));

    // The place is chosen again for every trade.
    EXPECT_EQ(screen.Storein.itemIndex, -1);
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{kNoPlace});
    EXPECT_TRUE(s == expected);
}

TEST_F(BuyScreen, BuyingIntoTheWarehouseFillsTheWarehouseOnTheShipsPlanet) {
    open(kFood);
    enter("30", kWarehouse, screen.Button2);  // £15600, 18 tons
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[kMe], 84400);
    EXPECT_EQ(s.WarehouseStock(kMe, kHere, kFood), 30);
    EXPECT_EQ(s.WarehouseUsed(kMe, kHere), 23);
    EXPECT_EQ(s.WarehouseFree(kMe, kHere), 17);
    EXPECT_EQ(s.CargoHold(kMe, kFood), 0);
    EXPECT_EQ(s.CargoUsed[kMe], 10);
    EXPECT_EQ(s.PlanetAmount(kHere, kFood), 270);
    EXPECT_EQ(screen.Storein.items, (Texts{"Warehouse -17", "Ship -50"}));
}

// A company whose advertising shows it more than the planet holds may buy the planet below 0.
TEST_F(BuyScreen, APurchaseCanTakeThePlanetBelowNothing) {
    s.PlanetAmount(kHere, kIron) = 10;
    open(kIron);
    enter("30", kShip, screen.Button2);
    EXPECT_EQ(s.PlanetAmount(kHere, kIron), -20);
    EXPECT_EQ(s.PlayerAmount(kMe, kHere, kIron), 0);
    EXPECT_EQ(s.PlayerAmount(7, kHere, kIron), 0);
}

TEST_F(BuyScreen, TradesTheGoodItWasOpenedFor) {
    open(kIron);
    pickOnMarket(kFood);  // another row picked on the market while the screen is open
    enter("4", kShip, screen.Button2);
    EXPECT_EQ(s.CargoHold(kMe, kIron), 4);
    EXPECT_EQ(s.CargoHold(kMe, kFood), 0);
    EXPECT_EQ(screen.Product.text, "Iron");
    EXPECT_EQ(s.PlayerCash[kMe], 100000 - 4 * 450);
}

TEST_F(BuyScreen, AQuoteForAnotherGoodIsNotShownAgain) {
    open(kIron);
    enter("4", kShip, screen.Button1);
    EXPECT_EQ(screen.CostL.text, "Cost: £1800");
    open(kFood);
    EXPECT_EQ(screen.CostL.text, "Cost: £");
    EXPECT_EQ(screen.WeightL.text, "Weight: ");
}

TEST_F(BuyScreen, HelpAndExit) {
    open(kIron);
    click(screen.Button3);
    EXPECT_EQ(takeMessages(),
              (Texts{"Use this screen to buy goods",
                     "To do this first enter a number in the buy box at the bottom",
                     "Then select where you would like to store what you want to buy, to do this "
                     "select either ship or ware house from the box on the right (note the amount "
                     "of free space is shown next to the name)",
                     "Then click the calculate cost button to check the wieght and cost, when you "
                     "are happy with the amount, weight and cost click the buy button"}));
    click(screen.Button4);
    EXPECT_FALSE(game.isVisible(ScreenId::Buy));
    EXPECT_TRUE(game.isVisible(ScreenId::MarketScr));
}

// The market beside the buy screen shows the trades made there once the buy screen is left.
TEST_F(BuyScreen, ExitBringsTheMarketUpToDate) {
    open(kIron);
    const auto& market = game.MarketScr();
    const int ironRow = 2;
    const std::string aboardBefore = market.IndGoods.cell(4, ironRow);
    enter("4", kShip, screen.Button2);
    click(screen.Button4);
    EXPECT_EQ(market.IndGoods.cell(4, ironRow), str(s.CargoHold(kMe, kIron)));
    EXPECT_NE(market.IndGoods.cell(4, ironRow), aboardBefore);
    EXPECT_EQ(market.IndGoods.cell(1, ironRow), "496");
    EXPECT_EQ(market.CashL.text, "Money: £" + str(s.PlayerCash[kMe]));
}

}  // namespace
