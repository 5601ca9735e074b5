#include <gtest/gtest.h>

#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// A game at its first human turn, from here on under a scripted generator.
class TurnThroughRanking : public ::testing::Test {
protected:
    TestGame t;
    GameState& s = t.s;
    ScriptedRandom* random = nullptr;

    void start(int humans, int computers) {
        t.startNewGame(humans, computers);
        auto script = std::make_unique<ScriptedRandom>();
        random = script.get();
        t.useScript(std::move(script));
        s.RandomEventRate = 20;
        for (int p = 1; p <= kPlanets; ++p)
            s.PlanetLandingCost[p] = 1000;
        s.PlayerLandingFee.fill(0);
    }

    // The person at the machine goes to the hub, presses "GO" and clicks a planet.
    void flyTo(int planet) {
        t.dialogs.answerConfirm(false);  // no first-turn help
        t.game.act(actionClick(t.game.RankingScreen().BeginTurn));
        t.game.act(actionClick(t.game.PlanetScreen().Button1));
        t.dialogs.clear();
        t.game.perform([&] { t.game.Travelscr().PLanetClick(planet); });
    }

    void TearDown() override {
        EXPECT_EQ(random->remaining(), 0u);
        EXPECT_TRUE(t.dialogs.errors().empty());
    }
};

TEST_F(TurnThroughRanking, HumansEndOfTurnIsToldInOrderThenTheComputerPlaysInSilence) {
    start(2, 1);
    // Company 7 plays between the two people.
    s.TurnOrder[2] = 7;
    s.TurnOrder[7] = 2;

    s.PlayerName[1] = "Ajax";
    s.ShipFuel[1] = 0;
    s.PlayerCash[1] = 3000;
    s.PlayerSavings[1] = 50000;
    s.CrewDebt[1] = 6000;

    s.PlayerCash[7] = 0;
    s.PlayerSavings[7] = 0;
    s.PlayerLoan[7] = s.PlayerCreditLimit[7];
    s.CrewDebt[7] = 0;
    s.PassengerSpace[7] = 0;
    s.ComputerIntelligence = 40;
    s.PlayerIntelligence[7] = 50;

    random->expect({{5000, 500},  // Ajax's tow: 15000
                    {21, 0},
                    {1001, 800},
                    {25, 9},   // a £1000 note
                    {100, 0},  // the angry crew only grumbles
                    {100, 0},  // company 7: the best planet
                    {21, 0},
                    {1001, 0}});  // and a quiet end of turn
    flyTo(5);

    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{
                  "AjaxYou have run out of fuel you must pay £15000 for a tow. If you can not pay "
                  "for a tow then you will be doomed to starve in space and be out of the game!",
                  "AjaxYou have used £3000 of your money to pay some of what the tow costs",
                  "AjaxYou have used £12000 of your savings to pay for a tow",
                  "Ajax You have used £1000 of your savings to pay your landing costs",
                  "You find a £1000 note in the street!!!!",
                  "AjaxYou owe your crew £7000 As they have not been paid for along time they are "
                  "angry. If they are not payed they MAY REVOLT and make you lose the game!"}));
    EXPECT_EQ(s.PlayerPlanet[1], 5);
    EXPECT_EQ(s.PlayerCash[1], 1000);
    EXPECT_EQ(s.PlayerSavings[1], 37000 + 2035);
    EXPECT_EQ(s.PlayerLoan[1], 108500);

    EXPECT_EQ(s.PlayerPlanet[7], 1);
    EXPECT_EQ(s.ShipFuel[7], 25);
    EXPECT_EQ(s.PlayerLoan[7], 136000 + 11560);  // 15000 repaid, 1000 landing borrowed
    EXPECT_EQ(s.CrewDebt[7], 1000);

    EXPECT_EQ(s.CurrentPlayer, 2);
    EXPECT_EQ(t.game.RankingScreen().PlyrnameL.text, "Player 2");
}

TEST_F(TurnThroughRanking, TheOnlyPersonStrandedInSpaceEndsTheGame) {
    start(1, 1);
    s.PlayerName[1] = "Ajax";
    s.ShipFuel[1] = 0;
    s.PlayerCash[1] = 0;
    s.PlayerLoan[1] = s.PlayerCreditLimit[1];
    random->expect({{5000, 0}, {21, 0}, {1001, 0}});
    flyTo(3);

    EXPECT_FALSE(s.PlayerActive[1]);
    const auto& shown = t.dialogs.messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[1],
              "AjaxYou can not afford a tow and therefore are doomed to starve in space. You are "
              "now out of the game");
    EXPECT_EQ(shown[2],
              "AjaxYou can not afford to pay your landing costs so can not land anywhere  "
              "therefore are doomed to starve in space. You are now out of the game");
    EXPECT_EQ(shown[3], "The game has ended!");
    const auto& r = t.game.RankingScreen();
    EXPECT_FALSE(r.BeginTurn.enabled);
    EXPECT_EQ(r.Ranks.items,
              (std::vector<std::string>{"A £" + std::to_string(s.PlayerNetWorth[7].get())}));
}

}  // namespace
