#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "Invariants.h"
#include "Simulator.h"

using namespace quorvex;
using namespace quorvex::sim;

namespace {

// A game a few turns in, as the simulator leaves it: every relation holds.
const GameState& playedGame() {
    static const std::unique_ptr<GameState> state = [] {
        SimOptions o;
        o.humans = 1;
        o.computers = 4;
        o.intelligence = 80;
        o.events = EventsChoice::Loads;
        o.turns = 3;
        o.seed = 31337;
        o.policy = HumanPolicy::Computer;
        Simulator sim(o);
        const SimResult r = sim.run();
        EXPECT_TRUE(r.ok()) << r.text;
        return std::make_unique<GameState>(sim.state());
    }();
    return *state;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

}  // namespace

TEST(Invariants, HoldInAPlayedGame) {
    const auto found = checkInvariants(playedGame());
    EXPECT_TRUE(found.empty()) << joined(found);
}

TEST(Invariants, EachBrokenRelationIsNamed) {
    struct Case {
        const char* what;
        std::function<void(GameState&)> breakIt;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"free space not recomputed",
         [](GameState& s) { s.CargoSpace[7] += 5; },
         {"company 7: ShipFreeSpace is " + std::to_string(playedGame().ShipFreeSpace[7].get()) +
          ", should be " + std::to_string(playedGame().ShipFreeSpace[7].get() - 5)}},
        {"a computer's hold figure written though it never trades",
         [](GameState& s) { s.CargoFree[9] = s.CargoSpace[9] - s.CargoUsed[9] + 3; },
         {"company 9: CargoFree is " + std::to_string(playedGame().CargoSpace[9].get() + 3) +
          ", but a computer company never trades through its hold"}},
        {"more cargo aboard than the hold",
         [](GameState& s) { s.CargoUsed[9] = s.CargoSpace[9] + 1; },
         {"company 9: CargoUsed " + std::to_string(playedGame().CargoSpace[9].get() + 1) +
          " is above the cargo space " + std::to_string(playedGame().CargoSpace[9].get())}},
        {"hull grown, crew places not",
         [](GameState& s) {
             s.ShipHullSize[8] = 300;
             s.ShipMaxCrew[8] = 5;
             s.ShipSpace[8] = 300 - 90;  // worked out from the old crew places
             s.PassengerSpaceLimit[8] = 15;
             s.PassengerSpace[8] = s.Passengers[8] = 0;
             s.ShipFreeSpace[8] =
                 s.ShipSpace[8] - s.CargoSpace[8] - s.FuelTankSpace[8] - s.EngineSize[8];
         },
         {"company 8: ShipMaxCrew is 5, should be 6", "company 8: ShipSpace is 210, should be 200",
          "company 8: PassengerSpaceLimit is 15, should be 20"}},
        {"fuel above the tank",
         [](GameState& s) { s.ShipFuel[1] = s.FuelTankSpace[1] + 1; },
         {"company 1: ShipFuel " + std::to_string(playedGame().FuelTankSpace[1].get() + 1) +
          " is above the tank's " + std::to_string(playedGame().FuelTankSpace[1].get())}},
        {"negative passengers",
         [](GameState& s) { s.Passengers[9] = -1; },
         {"company 9: Passengers is negative (-1)"}},
        {"goods in the hold below nothing",
         [](GameState& s) { s.CargoHold(10, 25) = -3; },
         {"company 10: CargoHold of good 25 is negative (-3)"}},
        {"a company out of the game still ranked",
         [](GameState& s) {
             s.PlayerActive[11] = false;
             s.PlayerNetWorth[11] = 0;
         },
         {"company 11: out of the game but worth 0"}},
        {"flying to no planet",
         [](GameState& s) { s.PlayerNextPlanet[3] = 13; },
         {"company 3: PlayerNextPlanet is 13, not a planet"}},
        {"a company twice in the order",
         [](GameState& s) { s.TurnOrder[18] = s.TurnOrder[1]; },
         {"TurnOrder holds company " + std::to_string(playedGame().TurnOrder[1].get()) + " 2 times",
          "TurnOrder holds company " + std::to_string(playedGame().TurnOrder[18].get()) +
              " 0 times"}},
        {"a landing fee nobody added up",
         [](GameState& s) { s.PlayerLandingFee(2, 12) = 100; },
         {"planet 12: LandingTotalCost is " +
          std::to_string(playedGame().LandingTotalCost[12].get()) + ", should be " +
          std::to_string(playedGame().LandingTotalCost[12].get() + 100)}},
        {"a price above the top price",
         [](GameState& s) { s.PlayerIndPrice3(18, 4, 2) = s.GoodMaxPrice[2] + 1; },
         {"company 18 on planet 4: price " +
          std::to_string(playedGame().GoodMaxPrice[2].get() + 1) + " of good 2 is outside " +
          std::to_string(playedGame().GoodMinPrice[2].get()) + ".." +
          std::to_string(playedGame().GoodMaxPrice[2].get())}},
        {"a view that ignores the company's advertising",
         [](GameState& s) {
             s.AdvIndAmountPlanets(7, 5) = true;
             s.AdvIndAmountAdj(7, 5, 3) = 40;
         },
         {"company 7 on planet 5: PlayerAmount of good 3 is " +
          std::to_string(playedGame().PlayerAmount(7, 5, 3).get()) + ", should be " +
          std::to_string(playedGame().PlanetAmount(5, 3).get() + 40)}},
        {"tons in use below nothing",
         [](GameState& s) { s.CargoUsed[9] = -1; },
         {"company 9: CargoUsed is negative (-1)"}},
        {"a warehouse fuller than its space",
         [](GameState& s) {
             s.WarehouseSpace(4, 6) = 10;
             s.WarehouseUsed(4, 6) = 11;
         },
         {"company 4 on planet 6: WarehouseUsed 11 is above the space 10"}},
        {"warehouse figures below nothing",
         [](GameState& s) {
             s.WarehouseSpace(5, 2) = -5;
             s.WarehouseUsed(5, 3) = -1;
         },
         {"company 5 on planet 2: WarehouseSpace is negative (-5)",
          "company 5 on planet 2: WarehouseUsed 0 is above the space -5",
          "company 5 on planet 3: WarehouseUsed is negative (-1)"}},
        {"a view never goes below 0",
         [](GameState& s) {
             s.AdvRtlDemandPlanets(8, 2) = true;
             s.AdvRtlDemandAdj(8, 2, 20) = -s.PlanetDemand(2, 20) - 7;
             s.PlayerDemand(8, 2, 20) = -7;
         },
         {"company 8 on planet 2: PlayerDemand of good 20 is -7, should be 0"}},
    };
    for (const Case& c : cases) {
        auto s = std::make_unique<GameState>(playedGame());
        c.breakIt(*s);
        EXPECT_EQ(checkInvariants(*s), c.expected) << c.what;
    }
}

TEST(Invariants, AdvertisingCountsOnlyWhereAndForWhatItWasBought) {
    auto s = std::make_unique<GameState>(playedGame());
    // Retail amount advertising on planet 6: only goods 13..25 there change.
    s->AdvRtlAmountPlanets(9, 6) = true;
    for (int g = 1; g <= kGoods; ++g) {
        s->AdvRtlAmountAdj(9, 6, g) = 11;
        s->AdvIndAmountAdj(9, 6, g) = 99;  // not ticked: must not count
        if (g >= 13) s->PlayerAmount(9, 6, g) += 11;
    }
    // An adjustment on a planet nobody ticked changes nothing either.
    s->AdvRtlAmountAdj(9, 7, 20) = 500;
    const auto found = checkInvariants(*s);
    EXPECT_TRUE(found.empty()) << joined(found);
}

// A trade on the buy or sell screen reprices every company's view of the market from the planet's
// figures and its industrial changes, ticked or not: that view holds as well.
TEST(Invariants, AViewRepricedByATradeHolds) {
    auto s = std::make_unique<GameState>(playedGame());
    s->PlanetAmount(5, 20) -= 7;
    for (int i = 1; i <= kCompanies; ++i)
        s->PlayerAmount(i, 5, 20) = std::max(s->PlanetAmount(5, 20), Int(0));
    s->AdvIndAmountAdj(7, 5, 20) = 40;  // not ticked, and a retail good: a trade counts it
    s->PlayerAmount(7, 5, 20) = s->PlanetAmount(5, 20) + 40;
    auto found = checkInvariants(*s);
    EXPECT_TRUE(found.empty()) << joined(found);

    // But not half of one view and half of the other.
    s->AdvIndDemandAdj(7, 5, 20) = 3;
    found = checkInvariants(*s);
    EXPECT_EQ(found, std::vector<std::string>{"company 7 on planet 5: PlayerAmount of good 20 is " +
                                              std::to_string(s->PlanetAmount(5, 20).get() + 40) +
                                              ", should be " +
                                              std::to_string(s->PlanetAmount(5, 20).get())});
}

// A sales office's trade rebuilds only its own company's view; where one may have traded, the
// others' amounts are not held to the planet's, but their demand still is.
TEST(Invariants, AmountsMayLagWhereASalesOfficeTrades) {
    auto s = std::make_unique<GameState>(playedGame());
    s->WarehouseStock(3, 8, 1) = 5;
    s->PlanetAmount(8, 14) -= 30;
    auto found = checkInvariants(*s);
    EXPECT_TRUE(found.empty()) << joined(found);
    s->PlayerDemand(11, 8, 14) += 1;
    s->PlayerAmount(12, 8, 2) = -1;
    found = checkInvariants(*s);
    EXPECT_EQ(found, (std::vector<std::string>{
                         "company 11 on planet 8: PlayerDemand of good 14 is " +
                             std::to_string(s->PlayerDemand(11, 8, 14).get()) + ", should be " +
                             std::to_string(s->PlanetDemand(8, 14).get()),
                         "company 12 on planet 8: PlayerAmount of good 2 is negative (-1)"}));
}

TEST(Invariants, ManyFaultsAreCountedNotListed) {
    auto s = std::make_unique<GameState>(playedGame());
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kGoods; ++g)
            s->PlanetAmount(t, g) += 1;  // every company's view of everything is now stale
    const auto found = checkInvariants(*s);
    ASSERT_EQ(found.size(), 41u);
    EXPECT_EQ(found.back(), "... and " + std::to_string(18 * 12 * 25 - 40) + " more");
}
