#include <gtest/gtest.h>

#include <memory>

#include "state/Catalogue.h"
#include "trading/RepriceGood.h"

using namespace quorvex;

namespace {

constexpr int kPlanet = 4;
constexpr int kFood = 25;  // 400 - 600

struct Seen {
    int amount, demand, p, b1, b2, b3;
};

void expectSees(GameState& expected, int i, const Seen& v) {
    expected.PlayerAmount(i, kPlanet, kFood) = v.amount;
    expected.PlayerDemand(i, kPlanet, kFood) = v.demand;
    expected.PlayerRetailPrice(i, kPlanet, kFood) = v.p;
    expected.PlayerIndPrice1(i, kPlanet, kFood) = v.b1;
    expected.PlayerIndPrice2(i, kPlanet, kFood) = v.b2;
    expected.PlayerIndPrice3(i, kPlanet, kFood) = v.b3;
}

// Food on planet D, 200 on offer against a demand of 200.
std::unique_ptr<GameState> foodMarket() {
    auto s = std::make_unique<GameState>();
    writeCatalogue(*s);
    s->PlanetAmount(kPlanet, kFood) = 200;
    s->PlanetDemand(kPlanet, kFood) = 200;
    return s;
}

}  // namespace

// Every company, in play or not, gets the planet's figures plus its industrial changes (for a
// retail good too, ticked or not; the retail changes do not count), never below 0, priced by the
// market rule; nothing else in the store moves.
TEST(RepriceGood, RebuildsEveryCompanysViewOfOneMarket) {
    auto s = foodMarket();
    s->PlayerActive[3] = true;
    s->AdvIndAmountAdj(3, kPlanet, kFood) = 50;
    s->AdvRtlAmountAdj(4, kPlanet, kFood) = 500;
    s->AdvRtlAmountPlanets(4, kPlanet) = true;
    s->AdvIndDemandAdj(6, kPlanet, kFood) = 50;
    s->AdvIndDemandAdj(8, kPlanet, kFood) = -250;
    s->AdvIndAmountAdj(9, kPlanet, kFood) = -201;
    s->PlayerAmount(1, kPlanet, 24) = 77;  // another good: left alone
    s->PlayerIndPrice2(1, 5, kFood) = 9;   // another planet: left alone
    auto expected = std::make_unique<GameState>(*s);

    // 200 against 200: 35 % of the way up, £470; the bands from £423 fall below £400.
    for (int i = 1; i <= kCompanies; ++i)
        expectSees(*expected, i, {200, 200, 470, 423, 400, 400});
    expectSees(*expected, 3, {250, 200, 400, 400, 400, 400});  // a surplus: the lowest price
    expectSees(*expected, 6, {200, 250, 566, 509, 407, 400});  // s = 20: 83 %
    expectSees(*expected, 8, {200, 0, 400, 400, 400, 400});    // nobody wants it
    expectSees(*expected, 9, {0, 200, 600, 600, 600, 600});    // none to be had: all at the top

    RepriceGood(*s, kPlanet, kFood);
    EXPECT_TRUE(*s == *expected);
}

TEST(RepriceGood, AFigurePastThirtyTwoBitsStops) {
    auto s = foodMarket();
    s->PlanetAmount(kPlanet, kFood) = 2147483600;
    s->AdvIndAmountAdj(12, kPlanet, kFood) = 100;
    EXPECT_THROW(RepriceGood(*s, kPlanet, kFood), GameError);
}
