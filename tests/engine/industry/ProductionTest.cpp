#include <gtest/gtest.h>

#include "industry/MinesFixture.h"
#include "industry/TProduction.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

const char* const kAllSlotsTaken = "You have reached the maximum number of mines for this good";
const char* const kCantAfford = "You can not afford to buy this mine";
const char* const kTotalsRowChosen = "You have slected the total row and not a mine!";
const char* const kNoMineToSell = "You have not selected a mine to sell";
const char* const kNoMineToSet =
    "You have not selected a mine so you can not change its production level";
const char* const kNegative = "This is not a valid number, you can not mine this amount";
const char* const kOverMax = "You can not mine more than maximum production level";
const char* const kOverReserve =
    "You can not mine this amount as there is not enough reserve remaining";

std::string creditRaise(int pounds) {
    return "As you now have more to secure a loan against your bank is increasing your credit "
           "limit by £" +
           std::to_string(pounds);
}

struct MinesScreen : MinesFixture {
    TProduction& screen = game.Production();

    // An Iron mine for sale on the ship's planet, in row r.
    void offer(int r, int reserve, int maintenance, int costPerTon, int maxProduction, int price) {
        s.PlanetMineReserve(kShip, kIron, r) = reserve;
        s.PlanetMineMaintenance(kShip, kIron, r) = maintenance;
        s.PlanetMineCostPerTon(kShip, kIron, r) = costPerTon;
        s.PlanetMineMaxProduction(kShip, kIron, r) = maxProduction;
        s.PlanetMinePrice(kShip, kIron, r) = price;
    }
    void show() { ScreenTest::show(ScreenId::Production); }
    void buy(int r) {
        pick(screen.PlntMines, 0, r);
        click(screen.Buy);
    }
    void sell(int k) {
        pick(screen.Plyrmines, 0, k);
        click(screen.Sell);
    }
    void setProduction(int k, const std::string& typed) {
        pick(screen.Plyrmines, 0, k);
        answerInput(typed);
        click(screen.Prd);
    }
};

TEST_F(MinesScreen, ShowsOwnedMinesWithTotalsAndStoresTheirValuesAndOutput) {
    ownTwoIronMines();
    s.MineValue(kC, kShip, kIron, 2) = 777;  // an empty slot is worth nothing
    own(kShip, kCoal, 1, {5000, 300, 100, 90, 10});
    own(5, kIron, 1, {5000, 300, 100, 90, 10});
    offer(2, 12000, 1100, 140, 300, 45000);
    show();

    const auto& g = screen.Plyrmines;
    EXPECT_EQ(row(g, 0), (Texts{"Reserve", "Maintenance Cost", "Cost a Ton", "Max Production",
                                "Production", "Weight", "Cost", "Total Cost", "Value"}));
    // 1006 x 350 x 0.025 = 8802.5 and 201 x 2.5 = 502.5 go down to the even neighbour; 6 units
    // weigh 7.5 tons, which goes up to 8.
    EXPECT_EQ(row(g, 1), (Texts{"1006", "201", "120", "50", "6", "8", "720", "921", "9804"}));
    EXPECT_EQ(row(g, 2), (Texts{"0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    // 8767.5 and 507.5 go up.
    EXPECT_EQ(row(g, 3), (Texts{"1002", "203", "150", "40", "6", "8", "900", "1103", "9676"}));
    EXPECT_EQ(row(g, 5), (Texts{"0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    // The weight total adds the rounded weights (16), not the weight of the total (15).
    EXPECT_EQ(row(g, 6), (Texts{"2008", "404", "-", "90", "12", "16", "1620", "2024", "19480"}));
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 1), 9804);
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 2), 0);
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 3), 9676);
    EXPECT_EQ(s.MineValue(kC, kShip, kCoal, 1), 1);  // not shown, not valued
    EXPECT_EQ(s.MineValue(kC, 5, kIron, 1), 1);
    EXPECT_EQ(s.MineOutput(kC, kShip, kIron), 12);
    EXPECT_EQ(s.MineOutput(kC, kShip, kCoal), 0);

    EXPECT_EQ(screen.CashL.text, "Money: £100000");
    EXPECT_EQ(screen.GoodL.text, "Good: Iron");
    EXPECT_EQ(screen.PlanetL.text, "Planet: C");
    EXPECT_EQ(screen.YouronL.text, "Your On: C");
    EXPECT_EQ(screen.TATPrd.text, "Amount a Turn Produced: 12");
    EXPECT_EQ(screen.WeightL.text, "Weight: 16");
    EXPECT_EQ(screen.Costl.text, "Cost: 1620");

    const auto& o = screen.PlntMines;
    EXPECT_EQ(row(o, 0),
              (Texts{"Reserve", "Maintenance Cost", "Cost a Ton", "Max Production", "Price"}));
    EXPECT_EQ(row(o, 1), (Texts{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(o, 2), (Texts{"12000", "1100", "140", "300", "45000"}));

    EXPECT_EQ(screen.GoodList.items,
              (Texts{"Iron", "Coal", "Wood", "Silica", "Oil", "Clay", "Raw Food"}));
    EXPECT_EQ(screen.GoodList.itemIndex, 0);
    EXPECT_EQ(screen.PLanetList.items.size(), 12u);
    EXPECT_EQ(screen.PLanetList.itemIndex, kShip - 1);
    EXPECT_EQ(dialogs.messages(), Texts{});
}

TEST_F(MinesScreen, ChoosingAGoodShowsItsMinesAndAPlanetOnlyNamesIt) {
    own(kShip, kCoal, 2, {5000, 300, 100, 90, 10});
    ownTwoIronMines();
    show();
    pick(screen.GoodList, 1);
    EXPECT_EQ(screen.GoodL.text, "Good: Coal");
    EXPECT_EQ(screen.Plyrmines.cell(0, 2), "5000");
    EXPECT_EQ(screen.Plyrmines.cell(0, 1), "0");
    EXPECT_EQ(screen.TATPrd.text, "Amount a Turn Produced: 10");
    EXPECT_EQ(s.MineOutput(kC, kShip, kCoal), 10);

    pick(screen.PLanetList, 7);  // planet H
    EXPECT_EQ(screen.PlanetL.text, "Planet: H");
    EXPECT_EQ(screen.YouronL.text, "Your On: C");
    EXPECT_FALSE(screen.Buy.enabled);
    EXPECT_FALSE(screen.Sell.enabled);
    EXPECT_EQ(screen.Plyrmines.cell(0, 2), "5000");  // still the mines on the ship's planet
    EXPECT_EQ(screen.GoodList.itemIndex, 1);

    // A click beside the entries changes nothing.
    pick(screen.GoodList, -1);
    EXPECT_EQ(screen.GoodL.text, "Good: Coal");
    EXPECT_EQ(screen.GoodList.itemIndex, 1);

    pick(screen.PLanetList, kShip - 1);
    EXPECT_TRUE(screen.Buy.enabled);
    EXPECT_TRUE(screen.Sell.enabled);

    // Each showing starts afresh: Iron, the ship's planet, every button open, nothing chosen.
    pick(screen.PLanetList, 0);
    pick(screen.Plyrmines, 0, 2);
    show();
    EXPECT_EQ(screen.GoodL.text, "Good: Iron");
    EXPECT_EQ(screen.PlanetL.text, "Planet: C");
    EXPECT_TRUE(screen.Buy.enabled && screen.Sell.enabled && screen.Prd.enabled);
    EXPECT_EQ(screen.Plyrmines.row(), -1);
    EXPECT_EQ(screen.PlntMines.row(), -1);
}

TEST_F(MinesScreen, EachGridKeepsItsOwnRowAndSetsTheButtons) {
    ownTwoIronMines();
    offer(2, 12000, 1100, 140, 300, 45000);
    show();
    pick(screen.Plyrmines, 0, 3);
    EXPECT_FALSE(screen.Buy.enabled);
    EXPECT_TRUE(screen.Sell.enabled && screen.Prd.enabled);
    pick(screen.PlntMines, 0, 2);
    EXPECT_TRUE(screen.Buy.enabled);
    EXPECT_FALSE(screen.Sell.enabled || screen.Prd.enabled);
    EXPECT_EQ(screen.Plyrmines.row(), 3);
    EXPECT_EQ(screen.PlntMines.row(), 2);
    click(screen.Buy);  // the offer's row, not the owned mine's
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 2), 12000);
}

TEST_F(MinesScreen, BuyingTakesTheFirstFreeSlotClearsTheOfferAndRaisesTheCreditLimit) {
    ownTwoIronMines();
    offer(4, 12000, 1100, 140, 300, 45000);
    show();
    buy(4);
    EXPECT_EQ(dialogs.messages(), Texts{creditRaise(22000)});
    EXPECT_EQ(s.PlayerCash[kC], 55000);
    EXPECT_EQ(s.PlayerCreditLimit[kC], 172000);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 2), 12000);
    EXPECT_EQ(s.MineMaintenance(kC, kShip, kIron, 2), 1100);
    EXPECT_EQ(s.MineCostPerTon(kC, kShip, kIron, 2), 140);
    EXPECT_EQ(s.MineMaxProduction(kC, kShip, kIron, 2), 300);
    EXPECT_EQ(s.MineProduction(kC, kShip, kIron, 2), 0);
    // Valued at 40500 (nine tenths of the price) and at once shown, and stored, at its worth:
    // 12000 x 350 x 0.025 + 300 x 10 + 1100 x 2.5.
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 2), 105000 + 3000 + 2750);
    EXPECT_EQ(row(screen.Plyrmines, 2),
              (Texts{"12000", "1100", "140", "300", "0", "0", "0", "1100", "110750"}));
    EXPECT_EQ(row(screen.PlntMines, 4), (Texts{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(screen.CashL.text, "Money: £55000");
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 1), 1006);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 3), 1002);

    // The same row again: bought out, nothing to buy and nothing said.
    const GameState before = s;
    click(screen.Buy);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(s == before);
}

TEST_F(MinesScreen, TheCreditLimitRisesByHalfThePriceInWholeThousands) {
    const std::pair<int, int> prices[] = {{1999, 0}, {2000, 1000}, {3999, 1000}, {45000, 22000}};
    s.PlayerCash[kC] = 1000000;
    int limit = 150000;
    int r = 1;
    for (const auto& [price, raise] : prices) {
        offer(r, 5000, 400, 100, 50, price);
        show();
        buy(r++);
        limit += raise;
        EXPECT_EQ(s.PlayerCreditLimit[kC], limit) << price;
        EXPECT_EQ(takeMessages(), Texts{creditRaise(raise)}) << price;
    }
}

TEST_F(MinesScreen, BuyRefusalsSpeakInOrderAndChangeNothing) {
    offer(1, 12000, 1100, 140, 300, 45000);
    struct Case {
        const char* what;
        int minesOwned;
        int cash;
        int row;  // 0: none chosen
        Texts messages;
    };
    const Case cases[] = {
        {"five mines", 5, 100000, 1, {kAllSlotsTaken}},
        {"too dear", 0, 44999, 1, {kCantAfford}},
        {"both", 5, 44999, 1, {kAllSlotsTaken, kCantAfford}},
        {"no cash at all", 0, -5, 1, {kCantAfford}},
        {"nothing chosen", 0, 100000, 0, {}},
        {"an offer bought out", 0, 100000, 2, {}},
        {"bought out, all slots taken", 5, 0, 2, {}},
    };
    for (const Case& c : cases) {
        for (int k = 1; k <= 5; ++k)
            own(kShip, kIron, k, k <= c.minesOwned ? Mine{2000, 300, 100, 40, 0} : Mine{});
        s.PlayerCash[kC] = c.cash;
        show();
        const GameState before = s;
        if (c.row != 0) pick(screen.PlntMines, 0, c.row);
        click(screen.Buy);
        EXPECT_EQ(takeMessages(), c.messages) << c.what;
        EXPECT_TRUE(s == before) << c.what;
    }
}

TEST_F(MinesScreen, SellingPaysTheValueShownAndFreesTheSlotForTheNextPurchase) {
    own(kShip, kIron, 1, {1006, 201, 120, 50, 6});
    own(kShip, kIron, 2, {3000, 500, 100, 60, 20});
    own(kShip, kIron, 3, {1002, 203, 150, 40, 6});
    offer(5, 12000, 1100, 140, 300, 45000);
    show();
    const int value = s.MineValue(kC, kShip, kIron, 2).get();  // 26250 + 600 + 1250
    EXPECT_EQ(value, 28100);
    sell(2);
    EXPECT_EQ(s.PlayerCash[kC], 100000 + value);
    EXPECT_EQ(s.PlayerCreditLimit[kC], 150000);
    EXPECT_EQ(row(screen.Plyrmines, 2), (Texts{"0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(s.MineMaintenance(kC, kShip, kIron, 2), 0);
    EXPECT_EQ(s.MineValue(kC, kShip, kIron, 2), 0);
    EXPECT_EQ(s.MineOutput(kC, kShip, kIron), 12);
    EXPECT_EQ(dialogs.messages(), Texts{});

    buy(5);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 2), 12000);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 1), 1006);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 3), 1002);
    EXPECT_EQ(s.MineReserve(kC, kShip, kIron, 4), 0);
}

TEST_F(MinesScreen, SellAndSetProductionWithoutAMineSayWhyAndChangeNothing) {
    ownTwoIronMines();
    show();
    struct Case {
        int row;  // 0: none chosen
        const Button& button;
        const char* message;
    };
    const Case cases[] = {
        {6, screen.Sell, kTotalsRowChosen}, {2, screen.Sell, kNoMineToSell},
        {0, screen.Sell, kNoMineToSell},    {6, screen.Prd, kTotalsRowChosen},
        {5, screen.Prd, kNoMineToSet},      {0, screen.Prd, kNoMineToSet},
    };
    const GameState before = s;
    for (const Case& c : cases) {
        show();
        if (c.row != 0) pick(screen.Plyrmines, 0, c.row);
        click(c.button);
        EXPECT_EQ(takeMessages(), Texts{c.message}) << c.row;
        EXPECT_TRUE(s == before) << c.row;
    }
    EXPECT_TRUE(dialogs.inputs().empty());
}

TEST_F(MinesScreen, SetProductionChecksEveryBoundAndKeepsTheOldLevelOnAnyRefusal) {
    own(kShip, kIron, 1, {40, 300, 100, 50, 7});
    show();
    pick(screen.Plyrmines, 0, 1);
    const Button& prd = screen.Prd;
    const BadAmount cases[] = {
        {prd, "60", {kOverMax, kOverReserve}},
        {prd, "45", {kOverReserve}},
        {prd, "-1", {kNegative}},
        {prd, "-2147483648", {kNegative}},
        {prd, "2147483647", {kOverMax, kOverReserve}},
        {prd, "99999999999", {}, kNotANumber},
        {prd, "12.5", {}, kNotANumber},
        {prd, "ten", {}, kNotANumber},
        {prd, "", {}, kNotANumber},
        {prd, std::nullopt, {}},
    };
    for (const BadAmount& bad : cases)
        expectRefused(bad);

    setProduction(1, " 40 ");
    EXPECT_EQ(s.MineProduction(kC, kShip, kIron, 1), 40);
    EXPECT_EQ(screen.TATPrd.text, "Amount a Turn Produced: 40");
    EXPECT_EQ(s.MineOutput(kC, kShip, kIron), 40);
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    const auto asked = dialogs.inputs().back();
    EXPECT_EQ(asked.caption, "Production Levels");
    EXPECT_EQ(asked.prompt, "Please enter a new production level");
    EXPECT_EQ(asked.defaultText, "7");
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(MinesScreen, AMineDugBelowItsReserveCanAlwaysBeStopped) {
    own(kShip, kIron, 1, {-100, 300, 100, 50, 30});
    show();
    setProduction(1, "1");
    EXPECT_EQ(takeMessages(), Texts{kOverReserve});
    EXPECT_EQ(s.MineProduction(kC, kShip, kIron, 1), 30);
    setProduction(1, "0");
    EXPECT_EQ(takeMessages(), Texts{});
    EXPECT_EQ(s.MineProduction(kC, kShip, kIron, 1), 0);
    // Its value counts the reserve dug below 0: -875 + 500 + 750.
    EXPECT_EQ(screen.Plyrmines.cell(8, 1), "375");
}

TEST_F(MinesScreen, HelpAndContinue) {
    show();
    click(screen.Button2);
    EXPECT_EQ(takeMessages(),
              (Texts{"Use this screen to produce raw materials",
                     "THe table at the bottom of the screen contains mines that you can buy, "
                     "click the mine then the buy button at the bottom",
                     "Mines that you own are in the top table to set the production levels of a "
                     "mine first click the mine then click the set production screen",
                     "You can chose the planet and the good from the lists at the top"}));
    click(screen.Button1);
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::Production));
}

}  // namespace
