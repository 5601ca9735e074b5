#include <gtest/gtest.h>

#include <iostream>

#include "Invariants.h"
#include "Simulator.h"

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
