#include <gtest/gtest.h>

#include "economy/Passengers.h"
#include "support/TestGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// The eleven share draws when every one comes out 0: shares of 5, and 45 for the last planet.
const std::vector<ScriptedRandom::Draw> kLowestShares = {
    {10, 0}, {9, 0}, {9, 0}, {9, 0}, {10, 0}, {11, 0}, {12, 0}, {13, 0}, {15, 0}, {18, 0}, {25, 0}};

struct Offers : ::testing::Test {
    TestGame t;
    ScriptedRandom* script = nullptr;
    void SetUp() override {
        auto owned = std::make_unique<ScriptedRandom>();
        script = owned.get();
        t.useScript(std::move(owned));
        t.s.PlayerPlanet[4] = 3;
        t.s.TicketPrice[4] = 1500;
    }
    void cheapestCosts() {
        for (int d = 1; d <= kPlanets; ++d)
            script->expect(5, 0);
    }
    void offer() {
        offerPassengers(t.game.world(), 4);
        EXPECT_EQ(script->remaining(), 0u);
    }
};

TEST_F(Offers, WaitingIncomeAndCostFromTheDrawnShares) {
    t.s.PlanetPopulation[3] = 1000000;  // 25000 want to leave
    t.s.AdvPsngrStrength[4] = 10;       // 27500 with advertising, 30250 at 1.1 for £1500
    t.s.PassengerSpace[4] = 40;
    // The largest draw each time leaves the last planet a share of -5 (the final Random(0) too).
    script->expect(
        {{10, 9}, {8, 7}, {7, 6}, {7, 6}, {6, 5}, {6, 5}, {5, 4}, {5, 4}, {4, 3}, {2, 1}, {0, 0}});
    script->expect(5, 0);  // planet 1: r = 1
    for (int d = 2; d <= 11; ++d)
        script->expect(5, 2);
    script->expect(5, 4);  // planet 12: r = 5
    offer();

    EXPECT_EQ(t.s.PsngrOffered[4], 30250);
    // Shares 14 12 11 11 10 10 9 9 8 6 5 -5 of 30250; halves go to the even neighbour.
    const int waiting[] = {4235, 3630, 3328, 3328, 3025, 3025, 2722, 2722, 2420, 1815, 1512, 1};
    for (int d = 1; d <= kPlanets; ++d) {
        EXPECT_EQ(t.s.PsngrWaiting(4, d), waiting[d - 1]) << "planet " << d;
        EXPECT_EQ(t.s.PsngrIncome(4, d), 1500);
    }
    // A group of 40: r x 25 + 850 + 375.
    EXPECT_EQ(t.s.PsngrCost(4, 1), 1250);
    EXPECT_EQ(t.s.PsngrCost(4, 2), 1300);
    // One passenger waits for planet 12, so the group is 1: 5 x 1000 + 265 + 375.
    EXPECT_EQ(t.s.PsngrCost(4, 12), 5640);
}

TEST_F(Offers, EachStepRoundsOnItsOwnHalvesToEven) {
    t.s.PlanetPopulation[3] = 10660;  // 266.5 -> 266
    t.s.AdvPsngrStrength[4] = 25;     // 332.5 -> 332 (333 if the first rounding were skipped)
    t.s.TicketPrice[4] = 500;         // x 1.2 = 398.4 -> 398
    t.s.PassengerSpace[4] = 16;       // every group is 16
    script->expect(kLowestShares);
    script->expect(5, 0);  // r = 1: 62.5 + 490 + 125 = 677.5 -> 678
    script->expect(5, 2);  // r = 3: 187.5 + 490 + 125 = 802.5 -> 802
    for (int d = 3; d <= kPlanets; ++d)
        script->expect(5, 0);
    offer();
    EXPECT_EQ(t.s.PsngrOffered[4], 398);
    EXPECT_EQ(t.s.PsngrWaiting(4, 1), 20);    // 5 % of 398 = 19.9
    EXPECT_EQ(t.s.PsngrWaiting(4, 12), 179);  // 45 % of 398 = 179.1
    EXPECT_EQ(t.s.PsngrCost(4, 1), 678);
    EXPECT_EQ(t.s.PsngrCost(4, 2), 802);
}

TEST_F(Offers, TicketFactorTable) {
    t.s.PlanetPopulation[3] = 40000;  // 1000 want to leave
    t.s.PassengerSpace[4] = 10;
    const std::pair<int, int> table[] = {{500, 1200},  {1000, 1150}, {1500, 1100}, {2000, 1050},
                                         {2500, 1000}, {3000, 1000}, {3500, 950},  {4000, 900},
                                         {4500, 850},  {5000, 800},  {1750, 0},    {0, 0}};
    for (const auto& [price, offered] : table) {
        t.s.TicketPrice[4] = price;
        script->expect(kLowestShares);
        cheapestCosts();
        offer();
        EXPECT_EQ(t.s.PsngrOffered[4], offered) << "ticket £" << price;
    }
}

TEST_F(Offers, OddPriceAndNoPassengerSpaceStillOffersOneEachAtARandomGroup) {
    t.s.PlanetPopulation[3] = 40000;
    t.s.TicketPrice[4] = 1750;  // not a price the screen sets: nobody wants to travel
    t.s.PassengerSpace[4] = 0;
    script->expect(kLowestShares);
    script->expect({{4, 1}, {5, 0}});  // group of 2, r = 1: 500 + 280 + 437.5 -> 1218
    script->expect({{4, 3}, {5, 0}});  // group of 4: 250 + 310 + 437.5 -> 998
    for (int d = 3; d <= kPlanets; ++d)
        script->expect({{4, 0}, {5, 0}});
    offer();
    for (int d = 1; d <= kPlanets; ++d) {
        EXPECT_EQ(t.s.PsngrWaiting(4, d), 1);
        EXPECT_EQ(t.s.PsngrIncome(4, d), 1750);
    }
    EXPECT_EQ(t.s.PsngrCost(4, 1), 1218);
    EXPECT_EQ(t.s.PsngrCost(4, 2), 998);
}

TEST(OffersForAll, EverySlotDrawsInTheGameOrNot) {
    TestGame t;
    LcgRandom lcg(7);
    auto recording = std::make_unique<RecordingRandom>(lcg);
    RecordingRandom& rec = *recording;
    t.game.setGenerator(std::move(recording));
    for (int c = 1; c <= kCompanies; ++c) {
        t.s.PlayerPlanet[c] = 1 + c % kPlanets;
        t.s.TicketPrice[c] = 1500;
        t.s.PassengerSpace[c] = 10;
    }
    t.s.PlayerActive[1] = true;  // only one company plays; the other 17 are offered too
    t.s.PlanetPopulation.fill(100000);
    offerPassengers(t.game.world());
    ASSERT_EQ(rec.ranges.size(), 18u * 23u);
    for (int c = 0; c < kCompanies; ++c)
        EXPECT_EQ(rec.ranges[c * 23], 10) << "company " << c + 1 << " starts with its shares";
    EXPECT_EQ(t.s.PsngrOffered[18], 2750);
}

TEST(Settlement, PaysAtTheRightPlanetWarnsHumansAndEmptiesEveryShip) {
    TestGame t;
    auto& s = t.s;
    const auto aboard = [&](int c, int at, int bound, int count) {
        s.PlayerName[c] = "Co" + std::to_string(c);
        s.PlayerPlanet[c] = at;
        s.PsngrDestination[c] = bound;
        s.Passengers[c] = count;
        s.PsngrFare[c] = 1500;
        s.PlayerCash[c] = 1000;
    };
    aboard(1, 5, 5, 20);   // delivered
    aboard(2, 4, 5, 20);   // wrong planet
    aboard(3, 4, 5, 0);    // wrong planet, nobody aboard
    aboard(6, 2, 7, 1);    // wrong planet
    aboard(7, 4, 5, 20);   // a computer at the wrong planet
    aboard(12, 6, 6, 10);  // a computer delivering
    settlePassengers(t.game.world());

    EXPECT_EQ(s.PlayerCash[1], 31000);
    EXPECT_EQ(s.PlayerCash[2], 1000);
    EXPECT_EQ(s.PlayerCash[7], 1000);
    EXPECT_EQ(s.PlayerCash[12], 16000);
    EXPECT_EQ(t.dialogs.messages(),
              (std::vector<std::string>{"Co2- You have not taken your passengers to the right "
                                        "planet so will not get paid by them",
                                        "Co6- You have not taken your passengers to the right "
                                        "planet so will not get paid by them"}));
    for (int c = 1; c <= kCompanies; ++c)
        EXPECT_EQ(s.Passengers[c], 0) << "company " << c;
}

}  // namespace
