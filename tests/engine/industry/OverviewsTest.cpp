#include <gtest/gtest.h>

#include "industry/MinesFixture.h"
#include "industry/TGDInfo.h"
#include "industry/TProductionInfo.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

struct MinesOverview : MinesFixture {
    TProductionInfo& screen = game.ProductionInfo();
    void show() { ScreenTest::show(ScreenId::ProductionInfo); }

    // The rows below the headings that hold anything, as the person reads them.
    std::vector<Texts> filledRows() const {
        std::vector<Texts> rows;
        for (int r = 1; r < screen.Plyrmines.rowCount(); ++r) {
            Texts cells = row(screen.Plyrmines, r);
            if (cells[0] != " ") rows.push_back(cells);
        }
        return rows;
    }
};

TEST_F(MinesOverview, ListsEveryMineGoodByGoodWithTotalsAndStoresTheirValues) {
    ownTwoIronMines();
    own(kShip, 6, 4, {2000, 400, 100, 80, 3});   // Clay, in its fourth slot
    own(9, kCoal, 1, {5000, 300, 100, 90, 10});  // elsewhere
    s.WarehouseSpace(kC, kShip) = 750;
    show();
    EXPECT_EQ(row(screen.Plyrmines, 0),
              (Texts{"Good", "Reserve", "Maintenance Cost", "Cost a Ton", "Max Production",
                     "Production", "Weight", "Cost", "Total Cost", "Value"}));
    // Clay: 2000 x 300 x 0.025 + 800 + 1000; 3 units of 0.75 tons weigh 2.25, so 2.
    EXPECT_EQ(filledRows(),
              (std::vector<Texts>{
                  {"Iron", "1006", "201", "120", "50", "6", "8", "720", "921", "9804"},
                  {"Iron", "1002", "203", "150", "40", "6", "8", "900", "1103", "9676"},
                  {"Total- Iron", "2008", "404", "-", "90", "12", "16", "1620", "2024", "19480"},
                  {"Clay", "2000", "400", "100", "80", "3", "2", "300", "700", "16800"},
                  {"Total- Clay", "2000", "400", "-", "80", "3", "2", "300", "700", "16800"},
              }));
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 3), 9676);
    EXPECT_EQ(s.MineValue(kC, kShip, 6, 4), 16800);
    EXPECT_EQ(s.MineValue(kC, 9, kCoal, 1), 1);
    EXPECT_EQ(screen.TotalWeightL.text, "Total Weight 18");
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.PlanetL.text, "Planet: C");
    EXPECT_EQ(screen.YouronL.text, "Your On: C");
    EXPECT_EQ(screen.WareCapL.text, "Warehouse Capacity: 750");
    EXPECT_EQ(screen.PLanetList.itemIndex, kShip - 1);

    // Totals only, then everything again; the caption names what the next press shows.
    click(screen.ShowallToggler);
    EXPECT_EQ(screen.ShowallToggler.caption, "Show All");
    const auto totals = filledRows();
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0][0], "Total- Iron");
    EXPECT_EQ(totals[1][0], "Total- Clay");
    EXPECT_EQ(totals[1][9], "16800");
    EXPECT_EQ(screen.TotalWeightL.text, "Total Weight 18");
    click(screen.ShowallToggler);
    EXPECT_EQ(screen.ShowallToggler.caption, "Totals Only");
    EXPECT_EQ(filledRows().size(), 5u);

    // A new showing is detailed again.
    click(screen.ShowallToggler);
    show();
    EXPECT_EQ(screen.ShowallToggler.caption, "Totals Only");
    EXPECT_EQ(filledRows().size(), 5u);
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(MinesOverview, StepsRoundThePlanetsAndShowsEachOnesOwnMines) {
    own(12, kCoal, 2, {5000, 300, 100, 90, 10});
    own(1, kIron, 5, {1006, 201, 120, 50, 6});
    s.PlayerPlanet[kC] = 12;
    show();
    EXPECT_EQ(filledRows().size(), 2u);
    EXPECT_EQ(filledRows()[1][0], "Total- Coal");
    click(screen.Next);  // from L round to A
    EXPECT_EQ(screen.PlanetL.text, "Planet: A");
    EXPECT_EQ(screen.PLanetList.itemIndex, 0);
    EXPECT_EQ(filledRows(),
              (std::vector<Texts>{
                  {"Iron", "1006", "201", "120", "50", "6", "8", "720", "921", "9804"},
                  {"Total- Iron", "1006", "201", "-", "50", "6", "8", "720", "921", "9804"}}));
    EXPECT_EQ(s.MineValue(kC, 1, kIron, 5), 9804);
    click(screen.Last);  // and back to L
    EXPECT_EQ(screen.PlanetL.text, "Planet: L");
    click(screen.Next);
    click(screen.Last);
    click(screen.Last);
    EXPECT_EQ(screen.PlanetL.text, "Planet: K");
    EXPECT_EQ(screen.PLanetList.itemIndex, 10);
    // A planet without mines: the headings and nothing else.
    EXPECT_EQ(filledRows(), std::vector<Texts>{});
    EXPECT_EQ(screen.TotalWeightL.text, "Total Weight 0");
    EXPECT_EQ(screen.YouronL.text, "Your On: L");

    pick(screen.PLanetList, 0);
    EXPECT_EQ(screen.PlanetL.text, "Planet: A");
    pick(screen.PLanetList, -1);  // beside the entries: the planet stays
    EXPECT_EQ(screen.PlanetL.text, "Planet: A");
    EXPECT_EQ(screen.PLanetList.itemIndex, 0);

    click(screen.Button1);
    EXPECT_EQ(takeMessages(),
              Texts{"Use this screen to get an overview of your mines and what they produce"});
    click(screen.Button5);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::ProductionInfo));
}

struct GoodsOverview : MinesFixture {
    TGDInfo& screen = game.GDInfo();
    void show() { ScreenTest::show(ScreenId::GDInfo); }
};

TEST_F(GoodsOverview, ShowsEveryGoodOnThePlanetWithTheHoldWhereverTheShipIs) {
    const int p = 7;
    const int steel = 8;  // made by the first recipe
    s.PlayerAmount(kC, p, kIron) = 420;
    s.PlayerDemand(kC, p, kIron) = 1300;
    s.CargoHold(kC, kIron) = 15;
    s.WarehouseStock(kC, p, kIron) = 60;
    s.MineProduction(kC, p, kIron, 2) = 30;
    s.MineProduction(kC, p, kIron, 5) = 12;
    s.SalesBuyAmount(kC, p, kIron) = 5;
    s.SalesSellAmount(kC, p, kIron) = 6;
    s.FactoryAmount(kC, p, 1) = 25;
    s.FactoryAmount(kC, kShip, 1) = 99;
    show();
    EXPECT_EQ(row(screen.Good, 0), (Texts{"Good", "Weight", "Price", "Amount", "Demand", "Amount",
                                          "Amount In", "Amount", "Amount", "Buy", "Sell"}));
    EXPECT_EQ(row(screen.Good, 1), (Texts{"", "", "Range", "", "", "On Ship", "WareHouse",
                                          "Producted", "Manufactured", "Amount", "Amount"}));
    EXPECT_EQ(row(screen.Good, 9)[8], "99");  // steel made on the ship's planet
    EXPECT_EQ(screen.PlntNamel.text, "Your on: C");

    click(screen.Button4);  // D
    click(screen.Button4);
    click(screen.Button4);
    click(screen.Button4);  // G
    EXPECT_EQ(screen.PlanetL.text, "Planet: G");
    EXPECT_EQ(screen.PlntNamel.text, "Your on: C");
    EXPECT_EQ(row(screen.Good, 2),
              (Texts{"Iron", "1.25", "350 - 500", "420", "1300", "15", "60", "42", " ", "5", "6"}));
    EXPECT_EQ(row(screen.Good, steel + 1)[0], "Steel");
    EXPECT_EQ(row(screen.Good, steel + 1)[7], " ");
    EXPECT_EQ(row(screen.Good, steel + 1)[8], "25");
    EXPECT_EQ(row(screen.Good, 26)[0], s.GoodName[25]);
    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.PLanetList.itemIndex, p - 1);
}

TEST_F(GoodsOverview, StepsRoundThePlanetsBothWays) {
    s.PlayerPlanet[kC] = 1;
    show();
    click(screen.Button3);
    EXPECT_EQ(screen.PlanetL.text, "Planet: L");
    click(screen.Button4);
    click(screen.Button4);
    EXPECT_EQ(screen.PlanetL.text, "Planet: B");
    pick(screen.PLanetList, 11);
    click(screen.Button4);
    EXPECT_EQ(screen.PlanetL.text, "Planet: A");
    click(screen.Button2);
    EXPECT_EQ(takeMessages(), Texts{"Use this screen to review the production and manufacturing "
                                    "levels on each planet"});
    click(screen.Button1);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::GDInfo));
}

}  // namespace
