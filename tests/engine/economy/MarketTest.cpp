#include <gtest/gtest.h>

#include <map>

#include "WorldUpdateScripts.h"
#include "economy/Market.h"
#include "state/Fraction.h"
#include "state/PriceRule.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// The index of the supply draw of planet t, good g within the market step; the amount's follows.
int supplyDraw(int t, int g) {
    return 2 * ((t - 1) * kGoods + (g - 1));
}

struct MarketStep : ::testing::Test {
    TestGame t;
    GameState& s = t.s;
    std::map<int, int> picks;  // draw index -> value; every other draw is 0
    void SetUp() override {
        newWorld(t);
        for (int c = 1; c <= kCompanies; ++c)
            refreshCompanyView(t.game.world(), c);
    }
    void run() {
        WorldScript w([this](int, int index) {
            const auto it = picks.find(index);
            return it == picks.end() ? 0 : it->second;
        });
        w.market();
        auto script = w.take();
        ScriptedRandom* r = script.get();
        t.useScript(std::move(script));
        marketStep(t.game.world());
        EXPECT_EQ(r->remaining(), 0u);
    }
    Prices viewPrices(int c, int p, int g) const {
        return {s.PlayerRetailPrice(c, p, g), s.PlayerIndPrice1(c, p, g),
                s.PlayerIndPrice2(c, p, g), s.PlayerIndPrice3(c, p, g)};
    }
    Prices planetPrices(int p, int g) const {
        return {s.PlanetRetailPrice(p, g), s.PlanetIndPrice1(p, g), s.PlanetIndPrice2(p, g),
                s.PlanetIndPrice3(p, g)};
    }
    // The company's prices are the rule's for what it sees.
    void expectPricedByTheRule(int c, int p, int g) const {
        EXPECT_EQ(viewPrices(c, p, g),
                  marketPrice(s, g, s.PlayerAmount(c, p, g), s.PlayerDemand(c, p, g)))
            << "company " << c << " planet " << p << " good " << g;
    }
    Int percentOf(Int value, int percent) const {
        return (Fraction(value) / 100 * percent).round();
    }
};

}  // namespace

TEST_F(MarketStep, SupplyAmountAndDemandRoundExactlyAndPricesFollow) {
    s.PlanetPopulation[1] = 125;
    s.PlanetSupply(1, 1) = 50;
    picks[supplyDraw(1, 1)] = 1;  // 103 % of 50 = 51.5 -> 52
    s.PlanetSupply(2, 3) = 999000000;
    picks[supplyDraw(2, 3)] = 4;      // 106 %: stops at 1,000,000,000
    picks[supplyDraw(2, 3) + 1] = 9;  // 104 % of it
    run();

    EXPECT_EQ(s.PlanetDemand(1, 1), 16);  // 125 x 0.124 = 15.5 -> 16
    EXPECT_EQ(s.PlanetDemand(1, 2), 30);  // 125 x 0.244 = 30.5 -> 30
    EXPECT_EQ(s.PlanetSupply(1, 1), 52);
    EXPECT_EQ(s.PlanetAmount(1, 1), 49);  // 95 % of 52 = 49.4
    EXPECT_EQ(s.PlanetSupply(2, 3), 1000000000);
    EXPECT_EQ(s.PlanetAmount(2, 3), 1040000000);
    for (int p = 1; p <= kPlanets; ++p)
        for (int g = 1; g <= kGoods; ++g) {
            ASSERT_EQ(planetPrices(p, g),
                      marketPrice(s, g, s.PlanetAmount(p, g), s.PlanetDemand(p, g)));
            // nobody advertises: every company sees the planet's own market
            for (int c : {1, 9, 18}) {
                ASSERT_EQ(s.PlayerAmount(c, p, g), s.PlanetAmount(p, g));
                ASSERT_EQ(s.PlayerDemand(c, p, g), s.PlanetDemand(p, g));
                ASSERT_EQ(viewPrices(c, p, g), planetPrices(p, g));
            }
        }
}

TEST_F(MarketStep, NoDemandPricesAtTheMinimum) {
    s.PlanetPopulation[7] = 2;  // 2 x 0.244 = 0.488: nobody wants anything there
    run();
    for (int g = 1; g <= kGoods; ++g) {
        const Int min = s.GoodMinPrice[g];
        EXPECT_EQ(s.PlanetDemand(7, g), 0);
        EXPECT_EQ(planetPrices(7, g), (Prices{min, min, min, min})) << g;
        EXPECT_EQ(viewPrices(11, 7, g), (Prices{min, min, min, min})) << g;
    }
}

TEST_F(MarketStep, GoodAmountAdvertisingRaisesOnlyItsOwnGoodsOnTickedPlanets) {
    s.AdvIndAmountStrength[3] = 25;
    s.AdvIndAmountGood[3] = true;
    s.AdvIndAmountPlanets(3, 5) = true;
    s.AdvRtlAmountStrength[4] = 20;
    s.AdvRtlAmountGood[4] = true;
    s.AdvRtlAmountPlanets(4, 5) = true;
    s.PlanetSupply(5, 1) = 1000;  // 1020, amount 969
    s.PlanetSupply(5, 2) = 1001;  // 1021, amount 969.95 -> 970
    for (int p = 1; p <= kPlanets; ++p)
        for (int g = 1; g <= kGoods; ++g) {
            // halves the market step must leave alone
            (g <= 12 ? s.AdvRtlAmountAdj : s.AdvIndAmountAdj)(3, p, g) = 777;
        }
    run();

    EXPECT_EQ(s.PlanetAmount(5, 1), 969);
    EXPECT_EQ(s.PlayerAmount(3, 5, 1), 969 + 242);  // 242.25
    EXPECT_EQ(s.PlayerAmount(3, 5, 2), 970 + 242);  // 242.5 -> 242
    for (int p = 1; p <= kPlanets; ++p)
        for (int g = 1; g <= kGoods; ++g) {
            const Int planet = s.PlanetAmount(p, g);
            const bool industrial = g <= 12;
            // worked out for every planet, ticked or not
            EXPECT_EQ((industrial ? s.AdvIndAmountAdj : s.AdvRtlAmountAdj)(3, p, g),
                      industrial ? percentOf(planet, 25) : Int(0));
            EXPECT_EQ((industrial ? s.AdvRtlAmountAdj : s.AdvIndAmountAdj)(3, p, g), 777);
            const Int seen3 = p == 5 && industrial ? planet + percentOf(planet, 25) : planet;
            const Int seen4 = p == 5 && !industrial ? planet + percentOf(planet, 20) : planet;
            ASSERT_EQ(s.PlayerAmount(3, p, g), seen3) << p << "/" << g;
            ASSERT_EQ(s.PlayerAmount(4, p, g), seen4) << p << "/" << g;
            ASSERT_EQ(s.PlayerDemand(3, p, g), s.PlanetDemand(p, g));
            expectPricedByTheRule(3, p, g);
            expectPricedByTheRule(4, p, g);
        }
}

TEST_F(MarketStep, BadDemandAdvertisingLowersDemandAndPrices) {
    s.AdvIndDemandStrength[2] = 50;
    s.AdvIndDemandGood[2] = false;
    s.AdvIndDemandPlanets(2, 5) = true;
    s.AdvRtlDemandStrength[2] = 30;
    s.AdvRtlDemandGood[2] = false;
    s.AdvRtlDemandPlanets(2, 5) = true;
    run();
    bool lower = false;
    for (int g = 1; g <= kGoods; ++g) {
        const Int demand = s.PlanetDemand(5, g);
        EXPECT_EQ(s.PlayerDemand(2, 5, g), demand - percentOf(demand, g <= 12 ? 50 : 30)) << g;
        EXPECT_EQ(s.PlayerAmount(2, 5, g), s.PlanetAmount(5, g));
        expectPricedByTheRule(2, 5, g);
        EXPECT_LE(s.PlayerRetailPrice(2, 5, g), s.PlanetRetailPrice(5, g));
        lower = lower || s.PlayerRetailPrice(2, 5, g) < s.PlanetRetailPrice(5, g);
        // elsewhere the company sees the planet's demand
        EXPECT_EQ(s.PlayerDemand(2, 6, g), s.PlanetDemand(6, g));
    }
    EXPECT_TRUE(lower);
}

TEST_F(MarketStep, AViewNeverGoesBelowZero) {
    // Stronger than the screen offers (a saved game may hold it): more than the whole amount.
    s.AdvIndAmountStrength[5] = 150;
    s.AdvIndAmountGood[5] = false;
    s.AdvIndAmountPlanets(5, 2) = true;
    s.AdvRtlDemandStrength[5] = 120;
    s.AdvRtlDemandGood[5] = false;
    s.AdvRtlDemandPlanets(5, 2) = true;
    run();
    for (int g = 1; g <= kGoods; ++g) {
        const Int max = s.GoodMaxPrice[g], min = s.GoodMinPrice[g];
        if (g <= 12) {
            EXPECT_EQ(s.PlayerAmount(5, 2, g), 0);  // nothing on offer: the top price
            EXPECT_EQ(viewPrices(5, 2, g), (Prices{max, max, max, max}));
        } else {
            EXPECT_EQ(s.PlayerDemand(5, 2, g), 0);  // nobody wants it: the bottom price
            EXPECT_EQ(viewPrices(5, 2, g), (Prices{min, min, min, min}));
        }
    }
    // A planet bought below 0 on the buy screen shows 0 to a company refreshed afterwards.
    s.PlanetAmount(3, 14) = -40;
    refreshCompanyView(t.game.world(), 6);
    EXPECT_EQ(s.PlayerAmount(6, 3, 14), 0);
    EXPECT_EQ(s.PlayerRetailPrice(6, 3, 14), s.GoodMaxPrice[14]);
}

TEST_F(MarketStep, RefreshRebuildsOneCompanyFromTheCurrentFigures) {
    run();
    const GameState before = s;
    // The sales office took 50 off the market; only its own company's view is rebuilt.
    s.PlanetAmount(4, 20) -= 50;
    refreshCompanyView(t.game.world(), 4);
    EXPECT_EQ(s.PlayerAmount(4, 4, 20), before.PlanetAmount(4, 20) - 50);
    expectPricedByTheRule(4, 4, 20);
    EXPECT_EQ(s.PlayerAmount(5, 4, 20), before.PlanetAmount(4, 20));
    EXPECT_EQ(s.PlayerRetailPrice(5, 4, 20), before.PlayerRetailPrice(5, 4, 20));

    // A random event raised the top price: the same amount and demand now price differently.
    s.PlanetAmount(4, 20) = 0;
    refreshCompanyView(t.game.world(), 4);
    EXPECT_EQ(s.PlayerRetailPrice(4, 4, 20), 1250);
    s.GoodMaxPrice[20] = 2000;
    refreshCompanyView(t.game.world(), 4);
    EXPECT_EQ(s.PlayerRetailPrice(4, 4, 20), 2000);
    EXPECT_EQ(s.PlayerIndPrice3(4, 4, 20), 2000);

    // Back as it was: back to the old prices.
    s.GoodMaxPrice[20] = 1250;
    s.PlanetAmount(4, 20) = before.PlanetAmount(4, 20);
    refreshCompanyView(t.game.world(), 4);
    EXPECT_EQ(s.PlayerAmount, before.PlayerAmount);
    EXPECT_EQ(s.PlayerRetailPrice, before.PlayerRetailPrice);
    EXPECT_EQ(s.PlayerIndPrice1, before.PlayerIndPrice1);
    EXPECT_EQ(s.PlayerIndPrice2, before.PlayerIndPrice2);
    EXPECT_EQ(s.PlayerIndPrice3, before.PlayerIndPrice3);
}

TEST_F(MarketStep, FiguresBeyond32BitsStopTheStepInsteadOfWrapping) {
    EXPECT_THROW(refreshCompanyView(t.game.world(), 0), GameError);
    EXPECT_THROW(refreshCompanyView(t.game.world(), 19), GameError);

    // 104 % of a capped supply plus a doubling campaign does not fit.
    s.PlanetSupply(1, 1) = 1000000000;
    picks[supplyDraw(1, 1)] = 0;
    picks[supplyDraw(1, 1) + 1] = 9;
    s.AdvIndAmountStrength[1] = 200;
    s.AdvIndAmountPlanets(1, 1) = true;
    try {
        run();
        FAIL() << "expected an overflow";
    } catch (const GameError& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
}

// However the step saves work (prices kept from an earlier call, the planet's prices taken over),
// every company's view must be the planet's figures with its campaigns, priced by the rule.
TEST(MarketViews, AlwaysTheRulesPricesThroughTurnsTradesAndPriceChanges) {
    TestGame t;
    GameState& s = t.s;
    newWorld(t);
    LcgRandom pick(99);
    for (int c = 1; c <= kCompanies; c += 2) {
        s.AdvIndAmountStrength[c] = pick.draw(56);
        s.AdvRtlAmountStrength[c] = pick.draw(56);
        s.AdvIndDemandStrength[c] = pick.draw(56);
        s.AdvRtlDemandStrength[c] = pick.draw(56);
        s.AdvIndAmountGood[c] = pick.draw(2) == 1;
        s.AdvRtlDemandGood[c] = pick.draw(2) == 1;
        for (int p = 1; p <= kPlanets; ++p) {
            s.AdvIndAmountPlanets(c, p) = pick.draw(3) == 0;
            s.AdvRtlAmountPlanets(c, p) = pick.draw(3) == 0;
            s.AdvIndDemandPlanets(c, p) = pick.draw(3) == 0;
            s.AdvRtlDemandPlanets(c, p) = pick.draw(3) == 0;
        }
    }
    const auto expectRuleFor = [&](int c) {
        for (int p = 1; p <= kPlanets; ++p)
            for (int g = 1; g <= kGoods; ++g) {
                const bool ind = g <= 12;
                Int a = s.PlanetAmount(p, g), d = s.PlanetDemand(p, g);
                if (ind ? s.AdvIndAmountPlanets(c, p) : s.AdvRtlAmountPlanets(c, p))
                    a += (ind ? s.AdvIndAmountAdj : s.AdvRtlAmountAdj)(c, p, g);
                if (ind ? s.AdvIndDemandPlanets(c, p) : s.AdvRtlDemandPlanets(c, p))
                    d += (ind ? s.AdvIndDemandAdj : s.AdvRtlDemandAdj)(c, p, g);
                a = std::max(a, Int(0));
                d = std::max(d, Int(0));
                ASSERT_EQ(s.PlayerAmount(c, p, g), a) << c << "/" << p << "/" << g;
                ASSERT_EQ(s.PlayerDemand(c, p, g), d) << c << "/" << p << "/" << g;
                const Prices rule = marketPrice(s, g, a, d);
                ASSERT_EQ(s.PlayerRetailPrice(c, p, g), rule.P) << c << "/" << p << "/" << g;
                ASSERT_EQ(s.PlayerIndPrice1(c, p, g), rule.B1);
                ASSERT_EQ(s.PlayerIndPrice2(c, p, g), rule.B2);
                ASSERT_EQ(s.PlayerIndPrice3(c, p, g), rule.B3);
            }
    };
    for (int turn = 0; turn < 6; ++turn) {
        marketStep(t.game.world());
        for (int c = 1; c <= kCompanies; ++c)
            expectRuleFor(c);
        // trades move some planets' amounts, one below 0; a random event moves a top price
        for (int k = 0; k < 40; ++k)
            s.PlanetAmount(pick.draw(12) + 1, pick.draw(25) + 1) -= pick.draw(400) - 100;
        s.PlanetAmount(pick.draw(12) + 1, pick.draw(25) + 1) = -3;
        s.GoodMaxPrice[pick.draw(25) + 1] += 100;
        for (int c : {turn + 1, turn + 2, 18 - turn}) {
            refreshCompanyView(t.game.world(), c);
            expectRuleFor(c);
        }
    }
}
