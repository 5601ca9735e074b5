#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "Invariants.h"
#include "RandomPlayer.h"
#include "Simulator.h"
#include "form/ScreenId.h"
#include "journal/Replay.h"

using namespace quorvex;
using namespace quorvex::sim;

// A thousand game turns of the busiest game there is: twelve computer companies at the highest
// intelligence, random events at "Loads", and the human playing by the computers' rules. After
// every game turn the store must still be sound, and the game must never show an error. A game
// that is won or ends before the thousand turns are up is followed by a new one with the next
// seed, so every one of the thousand turns is played.
TEST(Soak, AThousandGameTurnsKeepTheStoreSound) {
    constexpr int kTurns = 1000;
    int played = 0;
    uint32_t seed = 1000003;
    std::vector<std::string> games;
    while (played < kTurns) {
        SimOptions o;
        o.humans = 1;
        o.computers = 12;
        o.intelligence = 80;
        o.events = EventsChoice::Loads;
        o.turns = kTurns - played;
        o.seed = seed;
        o.policy = HumanPolicy::Computer;
        Simulator sim(o);

        std::vector<std::string> broken;
        int brokenAfter = 0;
        const SimResult r = sim.run([&](const TurnReport& report) {
            if (!broken.empty()) return;
            broken = checkInvariants(sim.state());
            brokenAfter = report.turn;
        });
        ASSERT_TRUE(r.ok()) << "seed " << seed << ", game turn " << r.gameTurn << ": " << r.text;
        std::string lines;
        for (const auto& l : broken)
            lines += "\n  " + l;
        ASSERT_TRUE(broken.empty())
            << "seed " << seed << ", after game turn " << brokenAfter << ":" << lines;
        ASSERT_GT(r.turnsPlayed, 0) << "seed " << seed << " ended before its first turn";
        const auto atEnd = checkInvariants(sim.state());
        ASSERT_TRUE(atEnd.empty()) << "seed " << seed << " at its end: " << atEnd.front();

        played += r.turnsPlayed;
        games.push_back("seed " + std::to_string(seed) + ": " + std::to_string(r.turnsPlayed) +
                        " turns" + (r.status == SimStatus::GameEnded ? ", " + r.text : ""));
        ++seed;
    }
    EXPECT_EQ(played, kTurns);
    for (const auto& g : games)
        std::cout << "[ soak     ] " << g << '\n';
}

// Three people playing at random, every action checked: the store's relations hold after each,
// an action stopped with an error box leaves the store as it was, every save loads back equal.
// Each game is journalled and must replay to the same store. People playing at random soon go
// out of the game, so game follows game until three hundred game turns have been played. Every
// screen a person plays on must have been acted on: the main menu, the new-game screen and the
// ranking are the simulator's own (it starts each game and begins each turn there).
TEST(Soak, PeoplePlayingAtRandomKeepTheStoreSound) {
    constexpr int kTurns = 300;
    constexpr int kTurnsPerGame = 60;
    const auto journal = std::filesystem::temp_directory_path() /
                         ("quorvex-soak-" + std::to_string(::getpid()) + ".journal");
    RandomPlayer::Tally total;
    int played = 0;
    for (uint32_t seed = 11; played < kTurns && seed < 11 + kTurns; ++seed) {
        SimOptions o;
        o.humans = 3;
        o.computers = 6;
        o.intelligence = 60;
        o.events = EventsChoice::Many;
        o.turns = kTurnsPerGame;
        o.seed = seed;
        o.policy = HumanPolicy::Random;
        o.journalFile = journal.string();
        GameState end;
        {
            Simulator sim(o);
            const SimResult r = sim.run();
            ASSERT_TRUE(r.ok()) << "seed " << seed << ", game turn " << r.gameTurn << ": "
                                << r.text;
            played += r.turnsPlayed;
            const auto& tally = static_cast<RandomPlayer&>(sim.player()).tally();
            total.actions += tally.actions;
            total.saves += tally.saves;
            for (const auto& [screen, n] : tally.byScreen)
                total.byScreen[screen] += n;
            for (const auto& [error, n] : tally.errors)
                total.errors[error] += n;
            end = sim.state();
        }
        std::ifstream in(journal, std::ios::binary);
        Replay replay(readJournal(in));
        Game again(replay.person());
        ASSERT_EQ(replay.run(again), "") << "seed " << seed;
        EXPECT_TRUE(again.state == end) << "seed " << seed << " replayed to another store";
    }
    std::filesystem::remove(journal);
    EXPECT_GE(played, kTurns);
    // No error box but those a person's typing causes.
    for (const auto& [error, n] : total.errors)
        EXPECT_NE(error.find("is not a valid integer value"), std::string::npos)
            << n << " x " << error;
    for (int id = 0; id < kScreenCount; ++id) {
        const auto screen = static_cast<ScreenId>(id);
        if (screen == ScreenId::GameMenu || screen == ScreenId::NGScreen ||
            screen == ScreenId::RankingScreen)
            continue;
        EXPECT_GT(total.byScreen[screenClassName(screen)], 0)
            << "no action on " << screenClassName(screen);
    }
    std::cout << "[ soak     ] " << played << " game turns, " << total.actions << " actions, "
              << total.saves << " saves loaded back\n";
    for (const auto& [screen, n] : total.byScreen)
        std::cout << "[ soak     ]   " << screen << ": " << n << '\n';
    for (const auto& [error, n] : total.errors)
        std::cout << "[ soak     ]   error " << n << " x " << error << '\n';
}
