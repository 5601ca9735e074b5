#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WorldUpdateScripts.h"
#include "economy/EngineOffers.h"
#include "economy/MineOffers.h"
#include "state/Fraction.h"
#include "state/PriceRule.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

constexpr int kServiceDraws = kPlanets * 8;
constexpr int kMineDraws = kPlanets * kRawGoods * kMineSlots * 2;
constexpr int kEngineDraws = kPlanets * kEngineModels * 3;

struct WorldUpdate : ::testing::Test {
    TestGame t;
    GameState& s = t.s;
    ScriptedRandom* script = nullptr;
    void SetUp() override { newWorld(t); }
    void use(WorldScript& w) {
        auto owned = w.take();
        script = owned.get();
        t.useScript(std::move(owned));
    }
    void update() { worldUpdate(t.game.world(), quietSections()); }
};

int byIndex(int n, int index) {
    return index % n;
}

}  // namespace

TEST_F(WorldUpdate, FirstTurnDrawsServicesThenMinesThenEnginesAndNothingElse) {
    WorldScript w(byIndex);
    w.servicePrices();
    w.mineOffers();
    w.engineOffers();
    ASSERT_EQ(w.count(), kServiceDraws + kMineDraws + kEngineDraws);
    use(w);
    update();
    EXPECT_EQ(script->remaining(), 0u);

    // Planet by planet, the eight values in the table's order.
    for (int p = 1; p <= kPlanets; ++p) {
        const int d = (p - 1) * 8;
        EXPECT_EQ(s.PlanetFuelPrice[p], d % 250 + 50) << p;
        EXPECT_EQ(s.PlanetCargoSpacePrice[p], (d + 1) % 150 + 50) << p;
        EXPECT_EQ(s.PlanetFuelSpacePrice[p], (d + 2) % 150 + 100) << p;
        EXPECT_EQ(s.PlanetPassengerSpacePrice[p], (d + 3) % 350 + 250) << p;
        EXPECT_EQ(s.PlanetWarehousePrice[p], (d + 4) % 500 + 750) << p;
        EXPECT_EQ(s.PlanetWarehouseAvailable[p], (d + 5) % 500 + 500) << p;
        EXPECT_EQ(s.PlanetFactoryPrice[p], (d + 6) % 750 + 1000) << p;
        EXPECT_EQ(s.PlanetFactoryAvailable[p], (d + 7) % 500 + 500) << p;
    }
    // Planet, raw good, slot nesting; the reserve drawn before the turns.
    int offer = 0;
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kRawGoods; ++g)
            for (int k = 1; k <= kMineSlots; ++k, ++offer) {
                const int d = kServiceDraws + 2 * offer;
                const Int reserve = d % 20000 + 5000;
                const Int turns = (d + 1) % 50 + 25;
                ASSERT_EQ(s.PlanetMineReserve(t, g, k), reserve);
                ASSERT_EQ(s.PlanetMineMaxProduction(t, g, k),
                          (Fraction(reserve) / Fraction(turns)).round());
                ASSERT_EQ(s.PlanetMinePrice(t, g, k),
                          mineOffer(reserve, turns, s.GoodMinPrice[g]).price);
            }
    // Planet by planet, model by model: speed, fuel use, price change.
    int model = 0;
    for (int p = 1; p <= kPlanets; ++p)
        for (int m = 1; m <= kEngineModels; ++m, ++model) {
            const int d = kServiceDraws + kMineDraws + 3 * model;
            const int speed = d % 24 + 1;
            EXPECT_EQ(s.EngineModelSpeed(m, p), speed);
            EXPECT_EQ(s.EngineModelSize(m, p), speed * 5 + 10);
            EXPECT_EQ(s.EngineModelEfficiency(m, p), (d + 1) % 35 + 15 + speed * 2);
        }
}

TEST_F(WorldUpdate, LaterTurnDrawsTheMarketAfterTheEnginesPlanetByPlanetGoodByGood) {
    s.TurnNumber = 1;
    const GameState before = s;
    WorldScript w(byIndex);
    w.servicePrices();
    w.mineOffers();
    w.engineOffers();
    w.market();
    use(w);
    update();
    EXPECT_EQ(script->remaining(), 0u);
    EXPECT_EQ(s.TurnNumber, 2);

    int market = 0;
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kGoods; ++g, ++market) {
            const int d = kServiceDraws + kMineDraws + kEngineDraws + 2 * market;
            const Int supply =
                (Fraction(d % 5 + 102) * (Fraction(before.PlanetSupply(t, g)) / 100)).round();
            ASSERT_EQ(s.PlanetSupply(t, g), supply) << t << "/" << g;
            ASSERT_EQ(s.PlanetAmount(t, g),
                      (Fraction((d + 1) % 10 + 95) * (Fraction(supply) / 100)).round());
        }
}

TEST_F(WorldUpdate, FirstUpdateKeepsOrderAndMarketsLaterOnesSortBySpeed) {
    s.EngineSpeed[8] = 9;
    s.EngineSpeed[5] = 20;  // out of the game: plays nowhere
    s.TurnSlot = 7;
    s.AdvIndAmountStrength[2] = 50;
    s.AdvIndAmountPlanets(2, 1) = true;
    const GameState before = s;
    worldUpdate(t.game.world(), quietSections());

    EXPECT_EQ(s.TurnNumber, 1);
    EXPECT_EQ(s.TurnNumberCopy, 1);
    EXPECT_EQ(s.TurnSlot, 0);
    EXPECT_EQ(s.TurnOrder, before.TurnOrder);
    EXPECT_EQ(s.PlanetSupply, before.PlanetSupply);
    EXPECT_EQ(s.PlanetAmount, before.PlanetAmount);
    EXPECT_EQ(s.PlanetDemand, before.PlanetDemand);
    EXPECT_EQ(s.PlanetRetailPrice, before.PlanetRetailPrice);
    EXPECT_EQ(s.PlayerAmount, before.PlayerAmount);
    EXPECT_EQ(s.PlayerIndPrice1, before.PlayerIndPrice1);
    EXPECT_EQ(s.AdvIndAmountAdj, before.AdvIndAmountAdj);
    // ... but the population grew once
    EXPECT_GT(s.PlanetPopulation[1], before.PlanetPopulation[1]);

    s.TurnSlot = 4;
    worldUpdate(t.game.world(), quietSections());
    EXPECT_EQ(s.TurnNumber, 2);
    EXPECT_EQ(s.TurnSlot, 0);
    const int order[kCompanies] = {8, 1, 2, 3, 7, 9, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    for (int i = 1; i <= kCompanies; ++i)
        EXPECT_EQ(s.TurnOrder[i], order[i - 1]) << i;
    EXPECT_NE(s.PlanetAmount, before.PlanetAmount);
    // Company 2's Good amount campaign on planet A now shows in its view.
    EXPECT_EQ(s.PlayerAmount(2, 1, 1),
              s.PlanetAmount(1, 1) + (Fraction(s.PlanetAmount(1, 1)) / 100 * 50).round());
}

TEST(MineOffer, FormulasWithHalvesToEvenAndTheFloorOfCostATon) {
    // 24999 tons over 25 turns: 1000 a turn; Iron 350 - 600 is below 101, so 100 a ton;
    // 1249.95 + 1000 = 2250 upkeep; 24999 x 350 = 8749650, 15 % of it 1312447.5 -> 1312448.
    EXPECT_EQ(mineOffer(24999, 25, 350), (MineOffer{24999, 1000, 100, 2250, 1383698}));
    // 5010 / 74 = 67.7 -> 68; 350 - 40.8 = 309.2 -> 309; 250.5 + 3090 = 3340.5 -> 3340.
    EXPECT_EQ(mineOffer(5010, 74, 350), (MineOffer{5010, 68, 309, 3340, 347545}));
    // Silica 450 - 349.2 = 100.8 rounds to 101, which is not below 101 and stays.
    EXPECT_EQ(mineOffer(17460, 30, 450), (MineOffer{17460, 582, 101, 1883, 1234355}));
    // A minimum price beyond reason overflows the whole-number product instead of wrapping.
    EXPECT_THROW(mineOffer(24999, 25, 100000), GameError);
}

TEST_F(WorldUpdate, EngineOffersFromTheirFormulas) {
    WorldScript w([](int n, int index) {
        if (index >= kServiceDraws + kMineDraws) {
            const int e = index - kServiceDraws - kMineDraws;
            if (e == 0) return 23;  // planet A, model 1: speed 24
            if (e == 3) return 0;   // model 2: speed 1
            if (e == 4) return 0;   // model 2: fuel use 0 + 15 + 2
            if (e == 5) return 74;  // model 2: 49 % over the list price
            if (e == 6) return 23;  // model 3: speed 24
        }
        return n == 20000 || n == 50 || n == 35 || n == 75 ? 0 : index % n;
    });
    w.servicePrices();
    w.mineOffers();
    w.engineOffers();
    use(w);
    update();
    // Every model at speed 24 is 130 tons; its list price is 5000 + 28800 + 60000 + 14750 +
    // (32500 - fuel use x 200).
    EXPECT_EQ(engineListPrice(24, 130, 63), 5000 + 28800 + 60000 + 14750 + 19900);
    EXPECT_EQ(engineListPrice(24, 130, 97), 5000 + 28800 + 60000 + 14750 + 13100);
    // model 1: fuel use 63, 25 % off 128450: -32112.5 -> -32112
    EXPECT_EQ(s.EngineModelSpeed(1, 1), 24);
    EXPECT_EQ(s.EngineModelSize(1, 1), 130);
    EXPECT_EQ(s.EngineModelEfficiency(1, 1), 63);
    EXPECT_EQ(s.EnginePrice(1, 1), 96338);
    // model 2: speed 1, fuel use 17, list 5000 + 50 + 2500 + 34875 + 29100 = 71525; 49 % over:
    // 35047.25 -> 35047
    EXPECT_EQ(s.EngineModelEfficiency(2, 1), 17);
    EXPECT_EQ(s.EnginePrice(2, 1), 71525 + 35047);
    EXPECT_EQ(s.EngineModelSize(3, 1), 130);
}

TEST(PopulationGrowth, RoundsHalvesToEvenAndStopsAtTheCap) {
    TestGame t;
    GameState& s = t.s;
    const int start[kPlanets] = {3010,       3030, 5000, 1001, 12345, 999000000,
                                 1000000000, 2000, 7,    0,    100,   52381};
    const double rate[kPlanets] = {5.0, 5.0, 0.0, 2.5, 0.1, 5.0, 5.0, -10.0, 5.0, 5.0, 0.5, 5.0};
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetPopulation[p] = start[p - 1];
        s.PlanetGrowthRate[p] = rate[p - 1];
    }
    growPopulation(t.game.world());
    const int grown[kPlanets] = {
        3160,        // 150.5 + 3010 = 3160.5 -> 3160
        3182,        // 151.5 + 3030 = 3181.5 -> 3182
        5000,        // a rate of 0 keeps the population exactly
        1026,        // 25.025 + 1001
        12357,       // 12.345 + 12345: 0.1 taken as the decimal it is
        1000000000,  // 1048950000 stops at the cap
        1000000000,  // at the cap it stays
        1800,        // a shrinking planet
        7,           // 7.35
        0,
        100,    // 100.5 -> 100
        55000,  // 2619.05 + 52381
    };
    for (int p = 1; p <= kPlanets; ++p)
        EXPECT_EQ(s.PlanetPopulation[p], grown[p - 1]) << "planet " << p;
}

TEST_F(WorldUpdate, ClearsTheTurnFlagsThenHandsOverInOrder) {
    s.TurnNumber = 1;
    s.PlanetPopulation[4] = 20000;  // grows to 21000 before the market moves
    for (int c = 1; c <= kCompanies; ++c) {
        s.AdvDone[c] = true;
        s.PsngrPickedUp[c] = true;
    }
    s.PlayerActive[2] = false;  // went out last turn

    std::vector<std::string> calls;
    CompanySections sections;
    sections.offerPassengers = [&](const World& world) {
        const GameState& st = world.state;
        calls.push_back("offer");
        // everything before the passengers is done
        EXPECT_EQ(st.TurnNumber, 2);
        EXPECT_EQ(st.PlanetPopulation[4], 21000);
        EXPECT_EQ(st.PlanetDemand(4, 1), 2604);  // 21000 x 0.124
        for (int c = 1; c <= kCompanies; ++c) {
            EXPECT_FALSE(st.AdvDone[c]);
            EXPECT_FALSE(st.PsngrPickedUp[c]);
        }
    };
    sections.settlePassengers = [&](const World&) { calls.push_back("settle"); };
    sections.runCompanyOperations = [&](const World&, Int c) {
        calls.push_back("operations " + std::to_string(c.get()));
    };
    worldUpdate(t.game.world(), sections);
    EXPECT_EQ(calls, (std::vector<std::string>{"offer", "settle", "operations 1", "operations 3",
                                               "operations 7", "operations 8", "operations 9"}));
}

TEST(LongGame, NeverOverflowsPopulationAndSupplyStopAtTheCap) {
    TestGame t;
    newWorld(t);
    GameState& s = t.s;
    // a Good campaign at the screen's strongest on top of the largest amounts
    s.AdvIndAmountStrength[1] = 55;
    s.AdvRtlAmountStrength[1] = 55;
    for (int p = 1; p <= kPlanets; ++p)
        s.AdvIndAmountPlanets(1, p) = s.AdvRtlAmountPlanets(1, p) = true;
    for (int turn = 1; turn <= 800; ++turn)
        ASSERT_NO_THROW(worldUpdate(t.game.world(), quietSections())) << "turn " << turn;
    Int largestSupply = 0;
    for (int p = 1; p <= kPlanets; ++p) {
        EXPECT_EQ(s.PlanetPopulation[p], 1000000000);
        for (int g = 1; g <= kGoods; ++g) {
            EXPECT_LE(s.PlanetSupply(p, g), 1000000000);
            EXPECT_LE(s.PlanetAmount(p, g), 1040000000);
            largestSupply = std::max(largestSupply, s.PlanetSupply(p, g));
        }
    }
    EXPECT_EQ(largestSupply, 1000000000);
}

TEST(WorldUpdateInGame, OutOfTheGamePassengersAreSettledButNothingIsTradedForIt) {
    TestGame t;
    newWorld(t);
    GameState& s = t.s;
    s.TurnNumber = 1;
    s.Passengers[5] = 7;  // company 5 is out of the game, its passengers arrived
    s.PsngrFare[5] = 1000;
    s.PsngrDestination[5] = s.PlayerPlanet[5];
    const Int cash5 = s.PlayerCash[5];
    const Int cash1 = s.PlayerCash[1];
    s.WarehouseStock(5, 2, 3) = 10;
    s.WarehouseStock(1, 2, 3) = 10;
    worldUpdate(t.game.world());
    EXPECT_EQ(s.PlayerCash[5], cash5 + 7000);
    EXPECT_EQ(s.Passengers[5], 0);
    EXPECT_EQ(s.WarehouseStock(5, 2, 3), 10);  // no sales office for company 5
    EXPECT_EQ(s.WarehouseStock(1, 2, 3), 0);   // company 1's sold its stock
    EXPECT_GT(s.PlayerCash[1], cash1);
}
