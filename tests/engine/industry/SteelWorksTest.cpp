#include <gtest/gtest.h>

#include "IndustryScreenTest.h"
#include "economy/CompanyOperations.h"
#include "industry/TManufacturing.h"
#include "industry/TProduction.h"
#include "industry/TSalesoffice.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

constexpr int kIron = 1, kCoal = 2, kSteel = 8;
constexpr int rSteel = 1;  // 1 iron and 2 coal a unit, 2 factory units

// A person sets up a steel works on the three screens, and the next world update runs it: the
// iron is dug, the coal the office was shown to buy is bought, the steel is made and sold.
struct SteelWorks : IndustryScreenTest {
    void SetUp() override {
        IndustryScreenTest::SetUp();
        s.PlayerActive[kCompany] = true;
        s.PlayerCash[kCompany] = 2000000;
        // An iron mine on offer in the first row.
        s.PlanetMineReserve(kShip, kIron, 1) = 10000;
        s.PlanetMineMaxProduction(kShip, kIron, 1) = 100;
        s.PlanetMineCostPerTon(kShip, kIron, 1) = 150;
        s.PlanetMineMaintenance(kShip, kIron, 1) = 1000;
        s.PlanetMinePrice(kShip, kIron, 1) = 500000;
        s.PlanetFactoryPrice[kShip] = 1000;
        s.PlanetFactoryAvailable[kShip] = 300;
        // Coal to be had here, at 400 a unit for 26 to 100.
        s.PlanetAmount(kShip, kCoal) = 1000;
        s.PlayerAmount(kCompany, kShip, kCoal) = 1000;
        bands(kShip, kCoal, 450, 400, 350);
    }
};

TEST_F(SteelWorks, SetUpOnTheScreensAndRunByTheNextWorldUpdate) {
    show(ScreenId::Production);
    TProduction& mines = game.Production();
    pick(mines.PlntMines, 0, 1);
    click(mines.Buy);
    pick(mines.Plyrmines, 0, 1);
    answerInput("50");
    click(mines.Prd);
    EXPECT_EQ(takeMessages(), (std::vector<std::string>{
                                  "As you now have more to secure a loan against your bank is "
                                  "increasing your credit limit by £250000"}));
    click(mines.Button1);

    show(ScreenId::Manufacturing);
    TManufacturing& factories = game.Manufacturing();
    page(factories.PageControl1, 1);
    type(factories.BuyAmount, "100");
    answer(true);
    click(factories.Buy);
    page(factories.PageControl1, 0);
    pick(factories.Factory, 0, rSteel + 1);
    answerInput("50");
    click(factories.Setit);
    click(factories.Button1);
    ASSERT_EQ(s.FactoryAmount(kCompany, kShip, rSteel), 50);
    ASSERT_EQ(s.MineProduction(kCompany, kShip, kIron, 1), 50);

    // The office's plan as the screen shows it: the mine covers the iron, 100 coal are bought.
    show(ScreenId::Salesoffice);
    TSalesoffice& office = game.Salesoffice();
    EXPECT_EQ(office.Sales.cell(2, kIron + 1), "50");
    EXPECT_EQ(office.Sales.cell(5, kIron + 1), "0");
    EXPECT_EQ(office.Sales.cell(5, kCoal + 1), "100");
    EXPECT_EQ(office.Sales.cell(6, kCoal + 1), "40000");
    EXPECT_EQ(office.Sales.cell(9, kSteel + 1), "50");
    const Int cash = s.PlayerCash[kCompany];
    EXPECT_EQ(cash, 2000000 - 500000 - 100000);

    runCompanyOperations(game.world(), kCompany);
    EXPECT_TRUE(dialogs.messages().empty());  // nothing short, everything paid
    EXPECT_EQ(s.MineReserve(kCompany, kShip, kIron, 1), 9950);
    EXPECT_EQ(s.SalesBuyAmount(kCompany, kShip, kCoal), 100);
    EXPECT_EQ(s.PlanetAmount(kShip, kCoal), 900);
    EXPECT_EQ(s.SalesSellAmount(kCompany, kShip, kSteel), 50);
    EXPECT_EQ(s.PlanetAmount(kShip, kSteel), 50);
    for (int g : {kIron, kCoal, kSteel})
        EXPECT_EQ(s.WarehouseStock(kCompany, kShip, g), 0) << g;
    // Paid: upkeep 1000, 50 tons dug at 150, 100 coal at 400, 50 steel made at 200; the steel
    // sold at a price of the market the company sees.
    const int64_t income = (s.PlayerCash[kCompany] - cash).wide() + 1000 + 7500 + 40000 + 10000;
    EXPECT_EQ(income % 50, 0);
    EXPECT_GE(income / 50, s.GoodMinPrice[kSteel].wide());
    EXPECT_LE(income / 50, s.GoodMaxPrice[kSteel].wide());
}

}  // namespace
