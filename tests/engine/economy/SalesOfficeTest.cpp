#include "economy/SalesOffice.h"

#include "OperationsFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Strings = std::vector<std::string>;

constexpr int kIron = 1, kCoal = 2, kClay = 6, kWood = 3, kSteel = 8, kCars = 24, kHouses = 21;
constexpr int kSteelRecipe = 1, kCarsRecipe = 5;

struct SalesOffice : OperationsFixture {
    PurchaseCost plan(int c, bool withCost = true) { return planSalesOffice(s, c, withCost); }
};

// --- Plan: what to buy

TEST_F(SalesOffice, BuysWhatTheFactoriesLackAtTheBandOfTheQuantity) {
    s.FactoryAmount(1, 4, kSteelRecipe) = 120;  // needs 120 iron and 240 coal
    s.WarehouseStock(1, 4, kIron) = 50;
    s.WarehouseStock(1, 4, kCoal) = 240;
    bandPrices(1, 4, kIron, 480, 440, 400);

    PurchaseCost cost = plan(1);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kIron), 70);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kCoal), 0);
    EXPECT_TRUE(cost.fits);
    EXPECT_EQ(cost.total, 70 * 440);

    // Cutting the purchase cannot starve the factory ...
    s.SalesBuyAdjust(1, 4, kIron) = -100;
    cost = plan(1);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kIron), 70);
    EXPECT_EQ(cost.total, 70 * 440);

    // ... but an extra 40 is bought, and 110 units come at the 101+ price.
    s.SalesBuyAdjust(1, 4, kIron) = 40;
    cost = plan(1);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kIron), 110);
    EXPECT_EQ(cost.total, 110 * 400);

    // Without cost the amounts are the same and nothing is priced.
    EXPECT_EQ(plan(1, false).total, 0);
    EXPECT_EQ(s.SalesBuyAmount(1, 4, kIron), 110);
}

TEST_F(SalesOffice, AProductMadeHereCountsAgainstItsNeed) {
    // Ten cars need ten steel; four are made here this turn and three are in stock.
    s.FactoryAmount(1, 2, kCarsRecipe) = 10;
    s.FactoryAmount(1, 2, kSteelRecipe) = 4;
    s.WarehouseStock(1, 2, kSteel) = 3;
    s.WarehouseStock(1, 2, kIron) = 4;
    s.WarehouseStock(1, 2, kCoal) = 8;
    plan(1);
    EXPECT_EQ(s.SalesBuyAmount(1, 2, kSteel), 3);
    EXPECT_EQ(s.SalesBuyAmount(1, 2, kCars), 0);
    EXPECT_EQ(s.SalesBuyAmount(1, 2, kIron), 0);
    EXPECT_EQ(s.SalesBuyAmount(1, 2, 5), 10);   // oil for the cars
    EXPECT_EQ(s.SalesBuyAmount(1, 2, 11), 20);  // plastic for the cars
}

TEST_F(SalesOffice, MineOutputIsTheSumOfTheSlots) {
    s.MineProduction(1, 7, kClay, 1) = 30;
    s.MineProduction(1, 7, kClay, 5) = 12;
    plan(1, false);
    EXPECT_EQ(s.MineOutput(1, 7, kClay), 42);
    EXPECT_EQ(s.MineOutput(1, 7, kIron), 0);
}

TEST_F(SalesOffice, APlanBeyond32BitsIsNotAffordableAndBuysNothing) {
    s.SalesBuyAdjust(1, 1, kHouses) = 2000000000;
    s.PlayerCash[1] = 50000;
    const PurchaseCost cost = plan(1);
    EXPECT_FALSE(cost.fits);
    salesOfficeBuy(t.game.world(), 1, cost);
    EXPECT_EQ(messages(), Strings{"Ajax You can not afford to buy any goods this turn"});
    EXPECT_EQ(s.PlayerCash[1], 50000);
    EXPECT_EQ(s.WarehouseStock(1, 1, kHouses), 0);
    EXPECT_EQ(s.PlanetAmount(1, kHouses), 1000);
}

// --- Plan: what to sell

TEST_F(SalesOffice, SellsEverythingUnlessKeptBackAndKeptGoodsNeedRoom) {
    s.WarehouseStock(1, 6, kIron) = 100;
    s.WarehouseSpace(1, 6) = 200;
    s.WarehouseUsed(1, 6) = 162;  // 38 tons free
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 100);

    // Keeping 30 back: 30 x 1.25 = 37.5 tons, which rounds to 38 and just fits.
    s.SalesSellAdjust(1, 6, kIron) = -30;
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 70);

    // With a ton less free the 30 would not fit, so they are sold after all.
    s.WarehouseUsed(1, 6) = 163;
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 100);

    // Keeping back more than is held sells nothing; a positive adjustment sells no more.
    s.WarehouseUsed(1, 6) = 0;
    s.SalesSellAdjust(1, 6, kIron) = -150;
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 0);
    s.SalesSellAdjust(1, 6, kIron) = 50;
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 100);

    // A stock below 0 sells nothing.
    s.WarehouseStock(1, 6, kIron) = -5;
    plan(1, false);
    EXPECT_EQ(s.SalesSellAmount(1, 6, kIron), 0);
}

// --- Buying

TEST_F(SalesOffice, PaysAndTakesTheGoodsFromTheMarket) {
    s.FactoryAmount(1, 4, kSteelRecipe) = 120;
    s.WarehouseStock(1, 4, kIron) = 50;
    s.WarehouseStock(1, 4, kCoal) = 240;
    bandPrices(1, 4, kIron, 480, 440, 400);
    s.PlayerCash[1] = 40000;
    salesOfficeBuy(t.game.world(), 1, plan(1));
    EXPECT_EQ(s.PlayerCash[1], 40000 - 70 * 440);
    EXPECT_EQ(s.WarehouseStock(1, 4, kIron), 120);
    EXPECT_EQ(s.PlanetAmount(4, kIron), 930);
    EXPECT_EQ(s.PlayerAmount(1, 4, kIron), 930);
    EXPECT_EQ(s.PlanetAmount(4, kCoal), 1000);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(SalesOffice, BuyingMoreThanOnOfferPaysForAllAndStoresWhatIsSeen) {
    s.SalesBuyAdjust(1, 3, kWood) = 100;
    bandPrices(1, 3, kWood, 600, 500, 450);
    s.PlayerAmount(1, 3, kWood) = 60;
    s.PlanetAmount(3, kWood) = 60;
    s.PlayerCash[1] = 60000;
    salesOfficeBuy(t.game.world(), 1, plan(1));
    EXPECT_EQ(s.PlayerCash[1], 60000 - 100 * 500);
    EXPECT_EQ(s.WarehouseStock(1, 3, kWood), 60);
    EXPECT_EQ(s.PlanetAmount(3, kWood), 0);
    EXPECT_EQ(s.PlayerAmount(1, 3, kWood), 0);
    EXPECT_EQ(messages(),
              Strings{"Ajax There was not enough goods avalible for you to buy all that "
                      "you wanted (do more amount advertising)"});
}

TEST_F(SalesOffice, ThePlanetNeverGoesBelow0WhenTheCompanySeesMore) {
    // Amount advertising shows the company 150 where the planet holds 100.
    s.SalesBuyAdjust(9, 3, kWood) = 120;
    s.PlayerAmount(9, 3, kWood) = 150;
    s.PlanetAmount(3, kWood) = 100;
    s.PlayerCash[9] = 1000000;
    salesOfficeBuy(t.game.world(), 9, plan(9));
    EXPECT_EQ(s.WarehouseStock(9, 3, kWood), 120);
    EXPECT_EQ(s.PlanetAmount(3, kWood), 0);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(SalesOffice, UnaffordablePurchasesBuyNothing) {
    s.SalesBuyAdjust(1, 3, kWood) = 10;
    broke(1);
    s.PlayerSavings[1] = 100;
    salesOfficeBuy(t.game.world(), 1, plan(1));
    EXPECT_EQ(messages(),
              (Strings{"Ajax You have used £100 of your savings to pay for production costs",
                       "Ajax You can not afford to buy any goods this turn"}));
    EXPECT_EQ(s.WarehouseStock(1, 3, kWood), 0);
    EXPECT_EQ(s.PlanetAmount(3, kWood), 1000);

    // A computer company is not told.
    t.dialogs.clear();
    s.SalesBuyAdjust(9, 3, kWood) = 10;
    broke(9);
    salesOfficeBuy(t.game.world(), 9, plan(9));
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(SalesOffice, NothingToBuyPaysNothingEvenInDebt) {
    s.PlayerCash[1] = -300;
    salesOfficeBuy(t.game.world(), 1, plan(1));
    EXPECT_EQ(s.PlayerCash[1], -300);
    EXPECT_EQ(messages(), Strings{});
}

// --- Recount and sale

TEST_F(SalesOffice, RecountRoundsEachGoodAndStopsAtTheSpace) {
    s.WarehouseSpace(1, 2) = 100;
    s.WarehouseFree(1, 2) = 55;
    s.WarehouseStock(1, 2, kWood) = 3;  // 1.5 -> 2
    s.WarehouseStock(1, 2, kClay) = 1;  // 0.75 -> 1, so 3 in all (2.25 as one sum)
    s.WarehouseSpace(1, 5) = 500;
    s.WarehouseStock(1, 5, kIron) = 1000;  // 1250 tons
    recountWarehouses(s, 1);
    EXPECT_EQ(s.WarehouseUsed(1, 2), 3);
    EXPECT_EQ(s.WarehouseUsed(1, 5), 500);
    EXPECT_EQ(s.WarehouseFree(1, 2), 55);  // the recount leaves the free space alone
}

TEST_F(SalesOffice, SaleAtTheBandPriceOntoTheMarket) {
    s.WarehouseSpace(1, 6) = 500;
    s.WarehouseStock(1, 6, kIron) = 30;
    s.WarehouseStock(1, 6, kHouses) = 2;
    s.WarehouseUsed(1, 6) = 68;  // 37.5 -> 38, and 30
    s.WarehouseFree(1, 6) = 432;
    bandPrices(1, 6, kIron, 480, 440, 400);
    s.PlayerRetailPrice(1, 6, kHouses) = 90000;
    s.PlayerCash[1] = 1000;
    plan(1, false);
    salesOfficeSell(t.game.world(), 1);
    EXPECT_EQ(s.PlayerCash[1], 1000 + 30 * 440 + 2 * 90000);
    EXPECT_EQ(s.WarehouseStock(1, 6, kIron), 0);
    EXPECT_EQ(s.WarehouseStock(1, 6, kHouses), 0);
    EXPECT_EQ(s.WarehouseUsed(1, 6), 0);
    EXPECT_EQ(s.WarehouseFree(1, 6), 500);
    EXPECT_EQ(s.PlanetAmount(6, kIron), 1030);
    EXPECT_EQ(s.PlayerAmount(1, 6, kIron), 1030);
    EXPECT_EQ(s.PlanetAmount(6, kHouses), 1002);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(SalesOffice, SaleNeverFreesMoreThanIsInUse) {
    // 1000 iron weigh 1250 tons, but the warehouse counts only its 500 tons of space in use.
    s.WarehouseSpace(1, 5) = 500;
    s.WarehouseStock(1, 5, kIron) = 1000;
    s.WarehouseFree(1, 5) = 0;
    recountWarehouses(s, 1);
    plan(1, false);
    salesOfficeSell(t.game.world(), 1);
    EXPECT_EQ(s.WarehouseStock(1, 5, kIron), 0);
    EXPECT_EQ(s.WarehouseUsed(1, 5), 0);
    EXPECT_EQ(s.WarehouseFree(1, 5), 500);
}

TEST_F(SalesOffice, SaleOntoANegativePlanetAmountAddsThenStopsAt0) {
    s.WarehouseSpace(1, 8) = 500;
    s.WarehouseStock(1, 8, kIron) = 30;
    s.WarehouseStock(1, 8, kCoal) = 80;
    s.PlanetAmount(8, kIron) = -50;
    s.PlanetAmount(8, kCoal) = -50;
    plan(1, false);
    salesOfficeSell(t.game.world(), 1);
    EXPECT_EQ(s.PlanetAmount(8, kIron), 0);
    EXPECT_EQ(s.PlanetAmount(8, kCoal), 30);
}

}  // namespace
