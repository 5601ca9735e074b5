#include <gtest/gtest.h>

#include "TradeFixture.h"
#include "trading/TBuy.h"
#include "trading/TSell.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kInvalid = "This is not a valid number, you cannot buy this amount";
const char* const kShortOnShip =
    "There is not enough of this product on your ship for you to sell this amount";
const char* const kShortInWarehouse =
    "There is not enough of this product in your warehouse for you to sell this amount";
const char* const kNoPlace =
    "You have not selected a place to sell the product that you want to sell from";

constexpr int kWarehouse = 0, kShip = 1, kNone = -1;

// Company 2 carries 30 iron and stores 120 on C.
struct SellScreen : TradeFixture {
    TSell& screen = game.Sell();

    void SetUp() override {
        TradeFixture::SetUp();
        s.CargoHold(kMe, kIron) = 30;
        s.CargoUsed[kMe] = 38;
        s.CargoFree[kMe] = 22;
        s.WarehouseSpace(kMe, kHere) = 200;
        s.WarehouseStock(kMe, kHere, kIron) = 120;
        s.WarehouseUsed(kMe, kHere) = 150;
        s.WarehouseFree(kMe, kHere) = 50;
    }
    void open(int g) { openFromMarket(g, ScreenId::Sell); }
    void enter(const std::string& typed, int place, const Button& button) {
        type(screen.SellL, typed);
        pick(screen.SellFrom, place);
        click(button);
    }
};

TEST_F(SellScreen, ShowsTheGoodItsDemandAndWhatThereIsToSell) {
    open(kIron);
    EXPECT_EQ(screen.caption, "Sell");
    EXPECT_EQ(screen.Product.text, "Iron");
    EXPECT_EQ(screen.CashL.text, "Money £100000");
    EXPECT_EQ(screen.Available.text, "Available: 500");
    EXPECT_EQ(screen.DemandL.text, "Demand: 440");
    EXPECT_EQ(screen.MarketL.text, "Industrial");
    EXPECT_EQ(screen.Label1.text, "Sell:");
    EXPECT_EQ(screen.SellPrice.caption, "Sell Price");
    EXPECT_EQ(screen.SellPrice.items, (Texts{"1-25@£450", "26-100@£400", "101+@£380"}));
    EXPECT_EQ(screen.SellFrom.caption, "Sell From");
    EXPECT_EQ(screen.SellFrom.items, (Texts{"Warehouse -120", "Ship -30"}));
    EXPECT_EQ(screen.SellFrom.itemIndex, -1);
    pick(screen.SellPrice, 1);
    EXPECT_EQ(screen.SellPrice.itemIndex, 0);
}

TEST_F(SellScreen, BadAmountsAreRefusedInOrderAndChangeNothing) {
    struct Case {
        const char* typed;
        int place;
        Texts messages;
        const char* error;
    };
    const Case cases[] = {
        {"many", kShip, {}, "'many' is not a valid integer value"},
        {"4294967297", kWarehouse, {}, "'4294967297' is not a valid integer value"},
        {"0", kNone, {kInvalid, kNoPlace}, nullptr},
        {"-1", kWarehouse, {kInvalid}, nullptr},
        {"5", kNone, {kNoPlace}, nullptr},
        {"31", kShip, {kShortOnShip}, nullptr},
        {"121", kWarehouse, {kShortInWarehouse}, nullptr},
        {"2000000000", kShip, {kShortOnShip}, nullptr},
    };
    open(kIron);
    for (const Button* button : {&screen.Button1, &screen.Button2}) {
        for (const Case& c : cases) {
            const GameState before = s;
            if (c.error) expectError(c.error);
            enter(c.typed, c.place, *button);
            EXPECT_EQ(takeMessages(), c.messages) << c.typed << " " << button->caption;
            EXPECT_TRUE(s == before) << c.typed << " " << button->caption;
            EXPECT_EQ(screen.Income.text, "Income: £");
        }
    }
}

TEST_F(SellScreen, QuoteAndSaleFromTheHold) {
    open(kIron);
    enter("30", kShip, screen.Button1);  // the "26-100" band
    EXPECT_EQ(screen.Income.text, "Income: £12000");
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[kMe], 112000);
    EXPECT_EQ(s.CargoHold(kMe, kIron), 0);
    EXPECT_EQ(s.CargoUsed[kMe], 0);  // 30 iron weigh 37.5, so 38 tons
    EXPECT_EQ(s.CargoFree[kMe], 60);
    EXPECT_EQ(s.PlanetAmount(kHere, kIron), 510);
    EXPECT_EQ(s.WarehouseStock(kMe, kHere, kIron), 120);
    // Priced anew: 530 against 440 is s = -20, the lowest price.
    EXPECT_EQ(s.PlayerAmount(kMe, kHere, kIron), 530);
    EXPECT_EQ(s.PlayerIndPrice1(kMe, kHere, kIron), 350);
    EXPECT_EQ(screen.SellFrom.items, (Texts{"Warehouse -120", "Ship -0"}));
    EXPECT_EQ(screen.SellFrom.itemIndex, -1);
    EXPECT_EQ(screen.CashL.text, "Money £112000");
}

TEST_F(SellScreen, SaleFromTheWarehouse) {
    open(kIron);
    enter("101", kWarehouse, screen.Button2);  // the "101+" band: £38380, 126 tons
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[kMe], 138380);
    EXPECT_EQ(s.WarehouseStock(kMe, kHere, kIron), 19);
    EXPECT_EQ(s.WarehouseUsed(kMe, kHere), 24);
    EXPECT_EQ(s.WarehouseFree(kMe, kHere), 176);
    EXPECT_EQ(s.CargoHold(kMe, kIron), 30);
}

// Sold in a heap onto a planet that hardly wants it: nothing stops the sale, and every company's
// food price on the planet falls to the bottom.
TEST_F(SellScreen, AGlutDrivesEveryCompanysPriceToTheBottom) {
    s.PlanetDemand(kHere, kFood) = 5;
    s.CargoSpace[kMe] = 700;
    s.CargoHold(kMe, kFood) = 1000;
    s.CargoUsed[kMe] = 600;
    open(kFood);
    enter("1000", kShip, screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.PlayerCash[kMe], 620000);
    EXPECT_EQ(s.PlanetAmount(kHere, kFood), 1300);
    for (int i = 1; i <= kCompanies; ++i) {
        EXPECT_EQ(s.PlayerAmount(i, kHere, kFood), 1300) << i;
        EXPECT_EQ(s.PlayerDemand(i, kHere, kFood), 5) << i;
        EXPECT_EQ(s.PlayerRetailPrice(i, kHere, kFood), 400) << i;
    }
    EXPECT_EQ(s.PlanetDemand(kHere, kFood), 5);
}

// Weighed one trade at a time, two single units weigh nothing and the pair a ton; the sale
// takes off no more tons than the hold counts.
TEST_F(SellScreen, TonsInUseNeverFallBelowNothing) {
    s.CargoHold(kMe, kIron) = 0;
    s.CargoUsed[kMe] = 0;
    s.CargoFree[kMe] = 60;
    auto& buy = game.Buy();
    pickOnMarket(kWood);
    show(ScreenId::MarketScr);
    show(ScreenId::Buy);
    for (int n = 0; n < 2; ++n) {
        type(buy.Buybox, "1");
        pick(buy.Storein, kShip);
        click(buy.Button2);
    }
    EXPECT_EQ(s.CargoHold(kMe, kWood), 2);
    EXPECT_EQ(s.CargoUsed[kMe], 0);
    click(buy.Button4);
    open(kWood);
    enter("2", kShip, screen.Button2);
    EXPECT_EQ(s.CargoHold(kMe, kWood), 0);
    EXPECT_EQ(s.CargoUsed[kMe], 0);
    EXPECT_EQ(s.CargoFree[kMe], 60);
}

// A planet bought below nothing takes the sale first, then stops at 0.
TEST_F(SellScreen, ASaleOntoANegativePlanetAmount) {
    s.PlanetAmount(kHere, kIron) = -50;
    open(kIron);
    enter("20", kShip, screen.Button2);
    EXPECT_EQ(s.PlanetAmount(kHere, kIron), 0);
    enter("10", kShip, screen.Button2);
    EXPECT_EQ(s.PlanetAmount(kHere, kIron), 10);
}

// Goods that are really there, worth more than 32 bits of pounds, or an income onto cash near
// the limit: the sale passed its checks, so it stops with the arithmetic error and nothing moves.
TEST_F(SellScreen, AnIncomePastThirtyTwoBitsStopsTheSale) {
    open(kIron);
    s.PlayerCash[kMe] = 2147480000;
    GameState before = s;
    expectError("Integer overflow");
    enter("30", kShip, screen.Button2);
    EXPECT_TRUE(s == before);

    s.CargoHold(kMe, kIron) = 2000000000;
    s.PlayerCash[kMe] = 0;
    before = s;
    expectError("Integer overflow");
    enter("2000000000", kShip, screen.Button1);
    EXPECT_TRUE(s == before);
    EXPECT_EQ(screen.Income.text, "Income: £");
}

TEST_F(SellScreen, TradesTheGoodItWasOpenedForAndExitLeavesTheMarket) {
    open(kIron);
    pickOnMarket(kFood);
    enter("2", kShip, screen.Button2);
    EXPECT_EQ(s.CargoHold(kMe, kIron), 28);
    click(screen.Button3);
    EXPECT_EQ(takeMessages(),
              Texts{"To sell goods first select the place from which you want to sell from the "
                    "list then enter the amount that you want to buy in the box click the "
                    "calculate cost button to work out the cost if this ok then click the sell "
                    "button"});
    click(screen.Button4);
    EXPECT_FALSE(game.isVisible(ScreenId::Sell));
    EXPECT_TRUE(game.isVisible(ScreenId::MarketScr));
}

}  // namespace
