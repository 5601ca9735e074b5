#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "Invariants.h"
#include "Simulator.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::sim;

namespace {

SimOptions options(int humans, int computers, int turns, HumanPolicy policy = HumanPolicy::Idle,
                   uint32_t seed = 4242) {
    SimOptions o;
    o.humans = humans;
    o.computers = computers;
    o.intelligence = 60;
    o.events = EventsChoice::Many;
    o.turns = turns;
    o.seed = seed;
    o.policy = policy;
    return o;
}

std::string lastLine(const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && trimmed.back() == '\n')
        trimmed.pop_back();
    return trimmed.substr(trimmed.rfind('\n') + 1);
}

}  // namespace

TEST(Simulator, NewGameChoicesReachTheStore) {
    Simulator sim(options(2, 3, 0));
    ASSERT_TRUE(sim.start()) << sim.result().text;
    const GameState& s = sim.state();
    for (int i = 1; i <= kCompanies; ++i)
        EXPECT_EQ(s.PlayerActive[i], i == 1 || i == 2 || i == 7 || i == 8 || i == 9) << i;
    EXPECT_EQ(s.PlayerCount, 5);
    EXPECT_EQ(s.ComputerIntelligence, 60);
    EXPECT_EQ(s.RandomEventRate, 80);
    EXPECT_EQ(s.PlayerName[2], "Player 2");
    EXPECT_EQ(s.PlayerName[9], "C");

    SimOptions quiet = options(1, 12, 0);
    quiet.events = EventsChoice::None;
    quiet.intelligence = 20;
    Simulator other(quiet);
    ASSERT_TRUE(other.start());
    EXPECT_EQ(other.state().RandomEventRate, 20);  // nothing chosen under "Random Events"
    EXPECT_EQ(other.state().ComputerIntelligence, 20);
    EXPECT_TRUE(other.state().PlayerActive[18]);
}

TEST(Simulator, ZeroTurnsStopsAtTheFirstRankingDisplay) {
    Simulator sim(options(2, 4, 0));
    int reports = 0;
    const SimResult r = sim.run([&](const TurnReport&) { ++reports; });
    EXPECT_EQ(r.status, SimStatus::TurnsPlayed);
    EXPECT_EQ(r.turnsPlayed, 0);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(sim.state().TurnNumber, 1);
    EXPECT_EQ(sim.state().CurrentPlayer, 1);
    EXPECT_TRUE(sim.waitingForHuman());
    // Nobody pressed "Begin Turn": the hub, which asks its first-turn question, was never shown.
    EXPECT_FALSE(sim.game().isVisible(ScreenId::PlanetScreen));
    EXPECT_EQ(sim.dialogs().questionCount(), 0u);
    EXPECT_EQ(sim.game().RankingScreen().TurnL.text, "Turn: 1");
}

TEST(Simulator, PlaysTheTurnsAskedForAndReportsEachOnce) {
    Simulator sim(options(2, 3, 3));
    std::vector<int> turns;
    const SimResult r = sim.run([&](const TurnReport& t) {
        turns.push_back(t.turn);
        EXPECT_EQ(t.activeCompanies, 5);
        EXPECT_EQ(formatReport(t).rfind(cat("turn ", t.turn, ": 5 active, leader "), 0), 0u)
            << formatReport(t);
    });
    EXPECT_EQ(r.status, SimStatus::TurnsPlayed) << r.text;
    EXPECT_EQ(r.turnsPlayed, 3);
    EXPECT_EQ(turns, (std::vector<int>{1, 2, 3}));
    // Stopped at the first human's "Begin Turn" of game turn 4.
    EXPECT_EQ(sim.state().TurnNumber, 4);
    EXPECT_EQ(sim.state().CurrentPlayer, 1);
    EXPECT_TRUE(sim.waitingForHuman());
}

TEST(Simulator, ReportNamesTheRichestActiveCompany) {
    Simulator sim(options(1, 3, 0));
    ASSERT_TRUE(sim.start());
    GameState& s = sim.game().state;
    s.PlayerNetWorth[8] = 5000;
    s.PlayerNetWorth[9] = 5000;  // a tie goes to the lower company number
    s.PlayerActive[7] = false;
    s.PlayerNetWorth[7] = 900000;  // out of the game: never the leader
    const TurnReport r = sim.report(6);
    EXPECT_EQ(r.activeCompanies, 3);
    EXPECT_EQ(r.leader, 8);
    EXPECT_EQ(formatReport(r), "turn 6: 3 active, leader B (company 8) £5000");
}

TEST(Simulator, SameSeedSameGameOtherSeedAnotherGame) {
    Simulator a(options(2, 6, 4, HumanPolicy::Computer, 77));
    Simulator b(options(2, 6, 4, HumanPolicy::Computer, 77));
    Simulator c(options(2, 6, 4, HumanPolicy::Computer, 78));
    ASSERT_TRUE(a.run().ok()) << a.result().text;
    ASSERT_TRUE(b.run().ok()) << b.result().text;
    ASSERT_TRUE(c.run().ok()) << c.result().text;
    EXPECT_TRUE(a.state() == b.state());
    EXPECT_EQ(a.dialogs().messageCount(), b.dialogs().messageCount());
    EXPECT_FALSE(a.state() == c.state());
    EXPECT_NE(a.state().PlanetPopulation, c.state().PlanetPopulation);
}

// In this game company 12's full hull grows from 298 to 302 tons in game turn 2: a sixth crew
// place takes 10 tons, so the hull is 6 tons over. In game turn 3 its hull step still draws its
// shares and sells a passenger place and a ton of tank back.
TEST(Simulator, AHullLeftOverFullStillTakesItsHullStep) {
    SimOptions o = options(1, 12, 3, HumanPolicy::Idle, 3428074291u);
    o.intelligence = 80;
    o.events = EventsChoice::Loads;
    Simulator sim(o);
    ASSERT_TRUE(sim.start());
    const GameState& s = sim.state();
    const auto playUntilTurn = [&](int turn) {
        while (s.TurnNumber < turn)
            ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    };
    playUntilTurn(3);
    ASSERT_EQ(s.ShipHullSize[12], 302);
    ASSERT_EQ(s.ShipFreeSpace[12], -6);
    playUntilTurn(4);
    EXPECT_EQ(s.ShipHullSize[12], 302);
    EXPECT_EQ(s.PassengerSpace[12], 11);
    EXPECT_EQ(s.FuelTankSpace[12], 127);
    EXPECT_EQ(s.CargoSpace[12], 0);
    EXPECT_EQ(s.ShipFreeSpace[12], 0);
    EXPECT_TRUE(checkInvariants(s).empty());
}

TEST(Simulator, IdleHumansFlyToTheirDeclaredDestinations) {
    Simulator sim(options(3, 2, 3));
    ASSERT_TRUE(sim.start());
    const GameState& s = sim.state();
    std::vector<int> order;
    for (int turn = 0; turn < 9; ++turn) {
        ASSERT_TRUE(sim.waitingForHuman());
        const Int company = s.CurrentPlayer;
        const Int destination = s.PlayerDestination[company];
        order.push_back(company.get());
        ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
        EXPECT_EQ(s.PlayerNextPlanet[company], destination);
        EXPECT_EQ(s.PlayerPlanet[company], destination);  // arrived at its end of turn
        EXPECT_EQ(s.PlayerDestination[company], destination);
        EXPECT_EQ(s.PassengerSpace[company], 0);  // touched nothing on the way
        EXPECT_EQ(s.CargoSpace[company], 0);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(s.TurnNumber, 4);
    EXPECT_TRUE(sim.dialogs().errors().empty());
}

TEST(Simulator, ComputerPolicyPlaysTheHumanByTheComputerRules) {
    Simulator sim(options(1, 2, 0, HumanPolicy::Computer));
    ASSERT_TRUE(sim.start());
    const GameState& s = sim.state();
    ASSERT_TRUE(sim.playHumanTurn()) << sim.result().text;
    EXPECT_EQ(s.TicketPrice[1], 5000);  // the computer players' own ticket price
    EXPECT_EQ(s.PlayerPlanet[1], s.PlayerNextPlanet[1]);
    EXPECT_EQ(s.PlayerDestination[1], s.PlayerNextPlanet[1]);
    EXPECT_TRUE(checkInvariants(s).empty());
}

TEST(Simulator, AGameThatCannotStartIsReported) {
    Simulator sim(options(1, 0, 5));
    const SimResult r = sim.run();
    EXPECT_EQ(r.status, SimStatus::Stuck);
    EXPECT_EQ(r.text, "the game did not start: There must be more than 1 player!");

    std::ostringstream out, err;
    EXPECT_EQ(runSim({"--humans", "1", "--computers", "0", "--intelligence", "40", "--events",
                      "none", "--turns", "5", "--seed", "1", "--human-policy", "idle"},
                     out, err),
              1);
    EXPECT_NE(err.str().find("There must be more than 1 player!"), std::string::npos) << err.str();
}

TEST(Simulator, AnEngineErrorStopsTheRunAndLeavesTheStoreAsItWas) {
    Simulator sim(options(1, 2, 5));
    ASSERT_TRUE(sim.start());
    GameState& s = sim.game().state;
    // A computer company so rich that adding its savings to its cash cannot be done.
    s.PlayerCash[7] = std::numeric_limits<int32_t>::max();
    s.PlayerSavings[7] = 1;
    const auto turnBefore = s.TurnNumber;
    EXPECT_FALSE(sim.playHumanTurn());
    EXPECT_EQ(sim.result().status, SimStatus::EngineError);
    EXPECT_EQ(sim.result().text, "Integer overflow");
    // The planet click was undone: the turn stands where it was, on the travel screen.
    EXPECT_TRUE(sim.game().isVisible(ScreenId::Travelscr));
    EXPECT_EQ(s.TurnNumber, turnBefore);
    EXPECT_EQ(s.PlayerCash[7], std::numeric_limits<int32_t>::max());
}

TEST(Simulator, AClickThatLeadsNowhereStopsTheRunInsteadOfLooping) {
    Simulator sim(options(1, 2, 5));
    ASSERT_TRUE(sim.start());
    const Int destination = sim.state().PlayerDestination[1];
    sim.game().Travelscr().planetLabel(destination.get()).enabled = false;
    const SimResult r = sim.run();
    EXPECT_EQ(r.status, SimStatus::Stuck);
    EXPECT_EQ(r.text, cat("cannot click PLanet", destination, " on TTravelscr"));
    EXPECT_EQ(r.gameTurn, 1);
}

TEST(SimCommandLine, OneLinePerTurnThenTheTime) {
    std::ostringstream out, err;
    EXPECT_EQ(runSim({"--humans", "1", "--computers", "3", "--intelligence", "40", "--events",
                      "some", "--turns", "2", "--seed", "9", "--human-policy", "idle"},
                     out, err),
              0)
        << err.str();
    EXPECT_EQ(err.str(), "");
    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 3u) << out.str();
    EXPECT_EQ(all[0].rfind("turn 1: 4 active, leader ", 0), 0u) << all[0];
    EXPECT_EQ(all[1].rfind("turn 2: ", 0), 0u) << all[1];
    EXPECT_EQ(all[2].rfind("2 game turns in ", 0), 0u) << all[2];
    EXPECT_EQ(all[2].substr(all[2].size() - 3), " ms");
}

TEST(SimCommandLine, VerboseLogsTheGamesMessagesAndQuestions) {
    std::ostringstream out, err;
    ASSERT_EQ(runSim({"--humans", "1", "--computers", "1", "--intelligence", "40", "--events",
                      "none", "--turns", "1", "--seed", "9", "--human-policy", "idle", "--verbose"},
                     out, err),
              0)
        << err.str();
    const std::string log = out.str();
    EXPECT_NE(log.find("  question: Would you like some help as this is your first turn? -> Yes"),
              std::string::npos)
        << log;
    // Help accepted, so the travel screen shows its guidance before the planet is clicked.
    const auto guidance = log.find("  message: You now need to click a planet to travel to it");
    const auto flight = log.find("company 1 (Player 1) flies to planet ");
    ASSERT_NE(guidance, std::string::npos) << log;
    ASSERT_NE(flight, std::string::npos) << log;
    EXPECT_LT(guidance, flight);
    EXPECT_EQ(lastLine(log).rfind("1 game turns in ", 0), 0u) << log;
}

TEST(SimCommandLine, SaveWritesTheGameWhereTheRunStopped) {
    const auto dir = std::filesystem::temp_directory_path() / "quorvex-sim-test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "stop.Game";
    std::filesystem::remove(file);

    SimOptions o = options(1, 4, 3, HumanPolicy::Computer);
    o.saveFile = file.string();
    Simulator sim(o);
    ASSERT_TRUE(sim.run().ok()) << sim.result().text;
    ASSERT_TRUE(sim.save()) << sim.result().text;
    EXPECT_EQ(sim.dialogs().saveDialogs(), 1u);
    ASSERT_TRUE(std::filesystem::exists(file));

    // Loading it from the main menu gives back the game exactly as the simulator left it.
    quorvex::testing::TestGame t;
    t.game.start();
    t.dialogs.answerOpen(file.string());
    t.game.act(actionClick(t.game.GameMenu().Button1));
    EXPECT_TRUE(t.dialogs.errors().empty()) << t.dialogs.errors().front();
    EXPECT_TRUE(t.s == sim.state());
    std::filesystem::remove(file);
}
