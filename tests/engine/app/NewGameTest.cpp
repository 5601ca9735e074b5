#include <gtest/gtest.h>

#include "app/WorldGeneration.h"
#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// The draws of a whole world generation in their documented order, each answered by `pick`.
std::unique_ptr<ScriptedRandom> worldScript(const std::function<int(int n, int index)>& pick) {
    auto r = std::make_unique<ScriptedRandom>();
    int index = 0;
    auto add = [&](int n) { r->expect(n, pick(n, index++)); };
    for (int i = 1; i <= kCompanies; ++i) {
        add(11);  // starting planet
        add(11);  // declared destination
    }
    for (int p = 1; p <= kPlanets; ++p)
        add(20);  // landing cost
    for (int p = 1; p <= kPlanets; ++p) {
        add(5);   // max population
        add(11);  // population
        add(2);   // resources
    }
    for (int p = 1; p <= kPlanets; ++p)
        for (int g = 1; g <= kGoods; ++g) {
            add(25);  // supply
            add(10);  // amount
        }
    return r;
}

}  // namespace

TEST(WorldGeneration, DrawsInTheDocumentedOrder) {
    TestGame t;
    auto script = worldScript([](int n, int index) { return index % n; });
    ScriptedRandom* r = script.get();
    t.useScript(std::move(script));
    generateWorld(t.game.world());
    EXPECT_EQ(r->remaining(), 0u);

    const GameState& s = t.s;
    // company i's two draws are numbers 2(i-1) and 2(i-1)+1
    EXPECT_EQ(s.PlayerPlanet[1], 1);
    EXPECT_EQ(s.PlayerDestination[1], 2);
    EXPECT_EQ(s.PlayerPlanet[7], 12 % 11 + 1);
    EXPECT_EQ(s.PlayerNextPlanet[7], s.PlayerDestination[7]);
    EXPECT_EQ(s.PsngrDestination[7], s.PlayerPlanet[7]);
    // landing costs are draws 36 .. 47
    EXPECT_EQ(s.PlanetLandingCost[1], (36 % 20 + 5) * 100);
    EXPECT_EQ(s.LandingTotalCost[1], s.PlanetLandingCost[1]);
    // planet 3 ("C", size 1): draws 54, 55, 56
    EXPECT_EQ(s.PlanetMaxPopulation[3], 1 * (10 - 54 % 5));
    EXPECT_EQ(s.PlanetPopulation[3], (55 % 11 + 24) * 75 + 3002);
    EXPECT_EQ(s.PlanetResources[3], 2000 * (56 % 2 + 3));
    EXPECT_EQ(s.PlanetGrowthRate[3], 5.0);
}

TEST(WorldGeneration, NewCompaniesAndFirstMarkets) {
    TestGame t;
    // every draw 0: supply 80 % of demand, amount 95 % of supply
    t.useScript(worldScript([](int, int) { return 0; }));
    generateWorld(t.game.world());
    const GameState& s = t.s;
    for (int i = 1; i <= kCompanies; ++i) {
        EXPECT_EQ(s.TurnOrder[i], i);
        EXPECT_FALSE(s.PlayerActive[i]);
        EXPECT_EQ(s.PlayerCash[i], 100000);
        EXPECT_EQ(s.PlayerLoan[i], 100000);
        EXPECT_EQ(s.PlayerCreditLimit[i], 150000);
        EXPECT_EQ(s.LoanInterestRate[i], 8.5);
        EXPECT_EQ(s.SavingsInterestRate[i], 5.5);
        EXPECT_EQ(s.ShipMaxCrew[i], 5);
        EXPECT_EQ(s.ShipSpace[i], 160);
        EXPECT_EQ(s.ShipFreeSpace[i], 90);
        EXPECT_EQ(s.PassengerSpaceLimit[i], 15);
        EXPECT_EQ(s.TicketPrice[i], 1500);
        EXPECT_TRUE(s.AdvIndAmountGood[i]);
        EXPECT_FALSE(s.AdvIndDemandGood[i]);
    }
    // planet 1 ("A", size 3): population (0 + 24) x 75 x 3 + 3002 = 8402
    EXPECT_EQ(s.PlanetPopulation[1], 8402);
    EXPECT_EQ(s.PlanetMaxPopulation[1], 30);
    EXPECT_EQ(s.PlanetResources[1], 18000);
    // Iron: demand round(8402 x 0.124) = round(1041.848) = 1042; supply round(0.8 x 1042) = 834;
    // amount round(0.95 x 834) = round(792.3) = 792: 76 % of demand, the top of the range
    EXPECT_EQ(s.PlanetDemand(1, 1), 1042);
    EXPECT_EQ(s.PlanetSupply(1, 1), 834);
    EXPECT_EQ(s.PlanetAmount(1, 1), 792);
    EXPECT_EQ(s.PlanetRetailPrice(1, 1), 500);
    EXPECT_EQ(s.PlanetIndPrice1(1, 1), 500);
    EXPECT_EQ(s.PlanetIndPrice2(1, 1), 400);
    EXPECT_EQ(s.PlanetIndPrice3(1, 1), 350);
    // every company sees the planet's own market in a new game
    EXPECT_EQ(s.PlayerAmount(18, 1, 1), 792);
    EXPECT_EQ(s.PlayerIndPrice2(18, 1, 1), 400);
    EXPECT_TRUE(s.SalesFlagA(5, 6, 7));
    EXPECT_EQ(s.TurnNumber, 0);
    EXPECT_TRUE(s.HumanTurn);
    EXPECT_TRUE(s.FirstRound);
}

TEST(WorldGeneration, SecondNewGameInheritsNothing) {
    TestGame t;
    t.startNewGame(2, 3);
    t.s.CargoSpace[1] = 40;
    t.s.WarehouseStock(2, 3, 4) = 9;
    t.s.MineMaintenance(1, 1, 1, 1) = 500;
    t.s.AdvIndAmountPlanets(1, 5) = true;
    t.s.GameDir = "/games/";
    generateWorld(t.game.world());
    EXPECT_EQ(t.s.CargoSpace[1], 0);
    EXPECT_EQ(t.s.WarehouseStock(2, 3, 4), 0);
    EXPECT_EQ(t.s.MineMaintenance(1, 1, 1, 1), 0);
    EXPECT_FALSE(t.s.AdvIndAmountPlanets(1, 5));
    EXPECT_EQ(t.s.PlayerName[1], "");
    EXPECT_EQ(t.s.GameDir, "/games/");
}

TEST(WorldGeneration, NobodyStartsOnPlanetL) {
    TestGame t;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        t.game.generator().seed(seed);
        generateWorld(t.game.world());
        for (int i = 1; i <= kCompanies; ++i) {
            EXPECT_NE(t.s.PlayerPlanet[i], 12);
            EXPECT_NE(t.s.PlayerDestination[i], 12);
        }
        const Int pop = t.s.PlanetPopulation[3];  // size 1
        EXPECT_GE(pop, 4802);
        EXPECT_LE(pop, 5552);
    }
}

class NewGameScreen : public ::testing::Test {
protected:
    TestGame t;
    TNGScreen& ng = t.game.NGScreen();
    void SetUp() override {
        t.game.clockSeed = [] { return 99u; };
        t.game.perform([&] { t.game.show(ScreenId::GameMenu); });
        t.game.act(actionClick(t.game.GameMenu().Button2));
    }
    void start() { t.game.act(actionClick(ng.Button1)); }
};

TEST_F(NewGameScreen, ShownWithFortyPercentAndDisabledNames) {
    EXPECT_TRUE(t.game.isVisible(ScreenId::NGScreen));
    EXPECT_TRUE(t.game.isVisible(ScreenId::GameMenu));
    EXPECT_EQ(ng.Compint.itemIndex, 1);
    EXPECT_EQ(ng.NOP.itemIndex, -1);
    EXPECT_EQ(ng.Comps.itemIndex, -1);
    EXPECT_EQ(ng.Events.itemIndex, -1);
    EXPECT_FALSE(ng.N1.enabled);
    t.game.act(actionChoose(ng.NOP, 2));
    EXPECT_TRUE(ng.N3.enabled);
    EXPECT_FALSE(ng.N4.enabled);
    t.game.act(actionChoose(ng.NOP, 0));
    EXPECT_TRUE(ng.N1.enabled);
    EXPECT_FALSE(ng.N2.enabled);
}

TEST_F(NewGameScreen, OneCompanyIsNotAGame) {
    t.game.act(actionChoose(ng.NOP, 0));
    start();
    start();
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"There must be more than 1 player!",
                                        "There must be more than 1 player!"}));
    EXPECT_TRUE(t.game.isVisible(ScreenId::NGScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::RankingScreen));
}

TEST_F(NewGameScreen, NoHumansShowsBothMessagesInOrder) {
    ng.Comps.itemIndex = 0;
    start();
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"There must be more than 1 player!",
                                        "There must be at least 1 human player!"}));
    ng.Comps.itemIndex = 1;
    t.dialogs.clear();
    start();
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"There must be at least 1 human player!"}));
}

TEST_F(NewGameScreen, StartSetsChoicesNamesAndSlotsNotPlaying) {
    t.game.act(actionChoose(ng.NOP, 1));
    ng.N1.text = "Ajax";
    ng.N5.text = "Ghost";  // a disabled field still names its slot
    ng.Comps.itemIndex = 2;
    ng.Compint.itemIndex = 3;
    ng.Events.itemIndex = 3;
    start();
    const GameState& s = t.s;
    EXPECT_EQ(s.ComputerIntelligence, 80);
    EXPECT_EQ(s.RandomEventRate, 100);
    EXPECT_EQ(s.PlayerCount, 5);
    EXPECT_EQ(s.PlayerName[1], "Ajax");
    EXPECT_EQ(s.PlayerName[5], "Ghost");
    EXPECT_EQ(s.PlayerName[7], "A");
    EXPECT_EQ(s.PlayerName[18], "L");
    for (int i = 1; i <= kCompanies; ++i) {
        const bool playing = i <= 2 || (i >= 7 && i <= 9);
        EXPECT_EQ(s.PlayerActive[i], playing) << i;
        if (!playing) EXPECT_EQ(s.PlayerNetWorth[i], -99999999) << i;
        EXPECT_GE(s.PlayerIntelligence[i], 80);
        EXPECT_LT(s.PlayerIntelligence[i], 100);
    }
    EXPECT_TRUE(t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::NGScreen));
}

TEST_F(NewGameScreen, NothingChosenMeansNoIntelligenceAndRareEvents) {
    t.game.act(actionChoose(ng.NOP, 0));
    ng.Compint.itemIndex = -1;
    // Start draws each company's Random(20) before it checks the choices
    auto script = std::make_unique<ScriptedRandom>();
    for (int i = 0; i < kCompanies; ++i)
        script->expect(20, i);
    ScriptedRandom* r = script.get();
    t.useScript(std::move(script));
    start();  // one company only: refused after the draws
    EXPECT_EQ(r->remaining(), 0u);
    EXPECT_EQ(t.s.ComputerIntelligence, 0);
    EXPECT_EQ(t.s.RandomEventRate, 20);
    EXPECT_EQ(t.s.PlayerIntelligence[3], 2);
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"There must be more than 1 player!"}));
}

TEST_F(NewGameScreen, BackAndAgainDrawsAnotherWorld) {
    const Int firstPopulation = t.s.PlanetPopulation[4];
    const auto firstCosts = t.s.PlanetLandingCost;
    t.game.clockSeed = [] { return 1234u; };  // the clock has moved on when Back shows the menu
    t.game.act(actionClick(ng.Button2));
    EXPECT_FALSE(t.game.isVisible(ScreenId::NGScreen));
    t.game.act(actionClick(t.game.GameMenu().Button2));
    EXPECT_TRUE(t.s.PlanetPopulation[4] != firstPopulation ||
                !(t.s.PlanetLandingCost == firstCosts));
}
