#include <gtest/gtest.h>

#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "support/TestGame.h"
#include "turn/TurnOrder.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// Shows the ranking as it stands, without turn processing (as right after loading a game).
void displayOnly(TestGame& t) {
    t.s.GameLoaded = true;
    t.game.perform([&] { t.game.show(ScreenId::RankingScreen); });
}

void travel(TestGame& t, int planet) {
    t.dialogs.answerConfirm(false);  // no first-turn help
    t.game.act(actionClick(t.game.RankingScreen().BeginTurn));
    t.game.act(actionClick(t.game.PlanetScreen().Button1));
    t.game.perform([&] { t.game.Travelscr().PLanetClick(planet); });
}

}  // namespace

TEST(RankingDisplay, RichestFirstTiesInCompanyOrder) {
    TestGame t;
    t.startNewGame(3, 2);
    t.s.PlayerNetWorth[1] = 500;
    t.s.PlayerNetWorth[2] = 900;
    t.s.PlayerNetWorth[3] = 500;
    t.s.PlayerNetWorth[7] = -20;
    t.s.PlayerNetWorth[8] = 900;
    t.s.CurrentPlayer = 3;
    t.s.PlayerLastNetWorth[3] = 1000;
    displayOnly(t);
    auto& r = t.game.RankingScreen();
    EXPECT_EQ(r.Ranks.items, (std::vector<std::string>{"Player 2 £900", "B £900", "Player 1 £500",
                                                       "Player 3 £500", "A £-20"}));
    EXPECT_EQ(r.PlyrnameL.text, "Player 3");
    EXPECT_EQ(r.RankL.text, "Rank: 4");
    EXPECT_EQ(t.s.PlayerRank[3], 4);
    EXPECT_EQ(r.NetWorthL.text, "Net Worth(£): 500");
    EXPECT_EQ(r.ChangeL.text, "Change(£): -500");
    EXPECT_EQ(t.s.PlayerLastNetWorth[3], 500);
    EXPECT_FALSE(t.s.GameLoaded);
    EXPECT_TRUE(r.BeginTurn.enabled);
}

TEST(RankingDisplay, WinningNeedsMoreThanTheObjective) {
    TestGame t;
    t.startNewGame(2, 1);
    t.s.PlayerNetWorth[7] = 250000000;
    displayOnly(t);
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_TRUE(t.game.RankingScreen().BeginTurn.enabled);

    t.s.PlayerNetWorth[7] = 250000001;  // a computer company can win too
    displayOnly(t);
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"Congratulations A has won the game!!"}));
    EXPECT_FALSE(t.game.RankingScreen().BeginTurn.enabled);
    EXPECT_TRUE(t.game.RankingScreen().btnSave.enabled);
}

TEST(RankingDisplay, AGameLoadedAfterItsEndStaysEnded) {
    const struct {
        const char* what;
        std::vector<int> out;
    } cases[] = {{"no person left", {1, 2}}, {"one company left", {2, 7}}};
    for (const auto& c : cases) {
        TestGame t;
        t.startNewGame(2, 1);
        for (int company : c.out)
            t.s.PlayerActive[company] = false;
        t.dialogs.clear();
        const Int turn = t.s.TurnNumber;
        const Int current = t.s.CurrentPlayer;
        displayOnly(t);
        EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"The game has ended!"}) << c.what;
        EXPECT_FALSE(t.game.RankingScreen().BeginTurn.enabled) << c.what;
        EXPECT_TRUE(t.game.RankingScreen().btnSave.enabled) << c.what;
        // Nothing was processed: the game stands where it was saved.
        EXPECT_EQ(t.s.TurnNumber, turn) << c.what;
        EXPECT_EQ(t.s.CurrentPlayer, current) << c.what;
    }
}

TEST(RankingDisplay, NetWorthIsMoneyLessDebts) {
    TestGame t;
    t.startNewGame(2, 0);
    t.s.PlayerCash[2] = 5000;
    t.s.PlayerSavings[2] = 700;
    t.s.PlayerLoan[2] = 1200;
    t.s.CrewDebt[2] = 300;
    t.game.RankingScreen().BalanceCalcutate();
    EXPECT_EQ(t.s.PlayerNetWorth[2], 4200);
    EXPECT_EQ(t.s.PlayerNetWorth[3], -99999999);
}

TEST(TurnSequence, FirstDisplayStartsTurnOneWithCompanyOne) {
    TestGame t;
    t.startNewGame(2, 0);
    EXPECT_EQ(t.s.TurnNumber, 1);
    EXPECT_EQ(t.s.TurnNumberCopy, 1);
    EXPECT_EQ(t.s.CurrentPlayer, 1);
    EXPECT_EQ(t.s.TurnSlot, 1);
    EXPECT_TRUE(t.s.HumanTurn);
    for (int i = 1; i <= kCompanies; ++i)
        EXPECT_EQ(t.s.TurnOrder[i], i);
}

TEST(TurnSequence, HumansTakeTurnsAndTheWorldMovesBetweenGameTurns) {
    TestGame t;
    t.startNewGame(2, 0);
    travel(t, 5);
    EXPECT_EQ(t.s.PlayerPlanet[1], 5);
    EXPECT_EQ(t.s.CurrentPlayer, 2);
    EXPECT_EQ(t.s.TurnNumber, 1);
    EXPECT_EQ(t.game.RankingScreen().PlyrnameL.text, "Player 2");
    EXPECT_TRUE(t.game.isVisible(ScreenId::RankingScreen));
    EXPECT_FALSE(t.game.isVisible(ScreenId::Travelscr));
    travel(t, 3);
    EXPECT_EQ(t.s.TurnNumber, 2);
    EXPECT_EQ(t.s.CurrentPlayer, 1);
    EXPECT_EQ(t.game.RankingScreen().TurnL.text, "Turn: 2");
}

TEST(TurnSequence, ComputerCompaniesPlayInsideTheDisplay) {
    TestGame t;
    t.startNewGame(1, 3);
    EXPECT_EQ(t.s.CurrentPlayer, 1);
    travel(t, 2);
    // companies 7, 8 and 9 played and the next game turn began with the human again
    EXPECT_EQ(t.s.TurnNumber, 2);
    EXPECT_EQ(t.s.CurrentPlayer, 1);
    for (int c = 7; c <= 9; ++c)
        EXPECT_EQ(t.s.PlayerPlanet[c], t.s.PlayerNextPlanet[c]);
}

TEST(TurnSequence, HelpIsClearedAtEveryDisplay) {
    TestGame t;
    t.startNewGame(2, 0);
    t.s.HelpOn = true;
    travel(t, 1);
    EXPECT_FALSE(t.s.HelpOn);
}

TEST(TurnSequence, GameEndsWithoutTwoCompaniesOrWithoutHumans) {
    TestGame t;
    t.startNewGame(1, 2);
    t.s.PlayerActive[1] = false;  // the only human is out
    t.game.perform([&] { t.game.RankingScreen().NextPlyr(); });
    EXPECT_EQ(t.dialogs.messages(), (std::vector<std::string>{"The game has ended!"}));
    EXPECT_FALSE(t.game.RankingScreen().BeginTurn.enabled);

    TestGame u;
    u.startNewGame(2, 0);
    u.s.PlayerActive[2] = false;
    u.game.perform([&] { u.game.RankingScreen().NextPlyr(); });
    EXPECT_EQ(u.dialogs.messages(), (std::vector<std::string>{"The game has ended!"}));
}

TEST(TurnOrder, FasterShipsFirstEqualSpeedsInCompanyOrder) {
    GameState s;
    for (int i = 1; i <= kCompanies; ++i) {
        s.PlayerActive[i] = i <= 9;
        s.EngineSpeed[i] = 1;
    }
    s.EngineSpeed[3] = 7;
    s.EngineSpeed[8] = 7;
    s.EngineSpeed[5] = 2;
    s.EngineSpeed[12] = 24;  // out of the game: key 0
    sortTurnOrder(s);
    const std::vector<int> expected{3, 8, 5, 1, 2, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (int i = 1; i <= kCompanies; ++i)
        EXPECT_EQ(s.TurnOrder[i], expected[i - 1]) << i;
}

TEST(TurnSequence, ATravelledCompanyHasPaidToLand) {
    TestGame t;
    t.startNewGame(2, 0);  // events "Few": one chance draw at the end of a turn
    const Int landing = t.s.PlanetLandingCost[5];
    t.useScript(std::make_unique<ScriptedRandom>(
        std::initializer_list<ScriptedRandom::Draw>{{41, 0}, {1001, 0}}));  // no event
    travel(t, 5);
    EXPECT_EQ(t.s.PlayerCash[1], 100000 - landing.get());
    EXPECT_EQ(t.s.PlayerLoan[1], 108500);  // 8.5 % interest
    EXPECT_EQ(t.s.CrewDebt[1], 1000);
    EXPECT_EQ(t.s.ShipFuel[1], 25);
    EXPECT_TRUE(t.dialogs.messages().empty());  // paid from cash without a word
    EXPECT_EQ(t.game.RankingScreen().PlyrnameL.text, "Player 2");
}
