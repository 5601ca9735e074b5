#include "Market.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "../state/ExactRound.h"
#include "../state/PriceRule.h"
#include "../state/World.h"

namespace quorvex {
namespace {

constexpr int kMarkets = kPlanets * kGoods;

// Rows of the store are taken by pointer where the loops are hot: the indices are checked once,
// where the row is taken, and are valid by construction within it. The values are still Int, so
// every sum stays checked. One planet's 25 goods:
Int* planetRow(PlanetGood& a, int planet) {
    return &a(planet, 1);
}

// One company's view of every market, as row pointers taken once (the indices checked there):
// planet t's goods start at (t - 1) x 25.
struct CompanyView {
    CompanyView(GameState& s, Int company)
        : amount(&s.PlayerAmount(company, 1, 1)),
          demand(&s.PlayerDemand(company, 1, 1)),
          retail(&s.PlayerRetailPrice(company, 1, 1)),
          band1(&s.PlayerIndPrice1(company, 1, 1)),
          band2(&s.PlayerIndPrice2(company, 1, 1)),
          band3(&s.PlayerIndPrice3(company, 1, 1)),
          indAmountAdj(&s.AdvIndAmountAdj(company, 1, 1)),
          indDemandAdj(&s.AdvIndDemandAdj(company, 1, 1)),
          rtlAmountAdj(&s.AdvRtlAmountAdj(company, 1, 1)),
          rtlDemandAdj(&s.AdvRtlDemandAdj(company, 1, 1)),
          indAmountTicks(&s.AdvIndAmountPlanets(company, 1)),
          indDemandTicks(&s.AdvIndDemandPlanets(company, 1)),
          rtlAmountTicks(&s.AdvRtlAmountPlanets(company, 1)),
          rtlDemandTicks(&s.AdvRtlDemandPlanets(company, 1)) {}
    Int *amount, *demand, *retail, *band1, *band2, *band3;
    const Int *indAmountAdj, *indDemandAdj, *rtlAmountAdj, *rtlDemandAdj;
    const Bool *indAmountTicks, *indDemandTicks, *rtlAmountTicks, *rtlDemandTicks;
};

// The planets' figures and prices, and the goods' price ranges, taken the same way.
struct PlanetMarkets {
    explicit PlanetMarkets(GameState& s)
        : amount(&s.PlanetAmount(1, 1)),
          demand(&s.PlanetDemand(1, 1)),
          retail(&s.PlanetRetailPrice(1, 1)),
          band1(&s.PlanetIndPrice1(1, 1)),
          band2(&s.PlanetIndPrice2(1, 1)),
          band3(&s.PlanetIndPrice3(1, 1)),
          minPrice(&s.GoodMinPrice[1]),
          maxPrice(&s.GoodMaxPrice[1]) {}
    const Int *amount, *demand, *retail, *band1, *band2, *band3, *minPrice, *maxPrice;
};

// Sub-step 4 for one company, goods [from, to) of planet t (0-based row offset `at`): the company
// sees the planet's figures plus its advertising where it ticked the planet, never below 0, and
// prices them by the market price rule. When `planetPriced` is set the planet's own prices were
// just worked out from the planet's present figures, so a row the company sees exactly as the
// planet does takes them as they stand.
void viewGoods(PriceMemo& memo, const PlanetMarkets& planet, const CompanyView& view, int at,
               int from, int to, bool amountTicked, bool demandTicked, const Int* amountAdj,
               const Int* demandAdj, bool planetPriced) {
    const Int* planetAmount = planet.amount + at;
    const Int* planetDemand = planet.demand + at;
    Int* amount = view.amount + at;
    Int* demand = view.demand + at;
    amountAdj += at;
    demandAdj += at;
    bool asPlanet = true;
    if (!amountTicked && !demandTicked) {
        // No campaign here: the planet's figures as they stand, unless a trade took one below 0.
        for (int g = from; g < to; ++g)
            asPlanet &= planetAmount[g].get() >= 0 && planetDemand[g].get() >= 0;
        if (asPlanet) {
            std::copy(planetAmount + from, planetAmount + to, amount + from);
            std::copy(planetDemand + from, planetDemand + to, demand + from);
        }
    }
    if (amountTicked || demandTicked || !asPlanet) {
        asPlanet = true;
        for (int g = from; g < to; ++g) {
            Int a = planetAmount[g];
            Int d = planetDemand[g];
            if (amountTicked) a += amountAdj[g];
            if (demandTicked) d += demandAdj[g];
            if (a < 0) a = 0;
            if (d < 0) d = 0;
            amount[g] = a;
            demand[g] = d;
            asPlanet = asPlanet && a == planetAmount[g] && d == planetDemand[g];
        }
    }

    Int* retail = view.retail + at;
    Int* band1 = view.band1 + at;
    Int* band2 = view.band2 + at;
    Int* band3 = view.band3 + at;
    if (asPlanet && planetPriced) {
        std::copy(planet.retail + at + from, planet.retail + at + to, retail + from);
        std::copy(planet.band1 + at + from, planet.band1 + at + to, band1 + from);
        std::copy(planet.band2 + at + from, planet.band2 + at + to, band2 + from);
        std::copy(planet.band3 + at + from, planet.band3 + at + to, band3 + from);
        return;
    }
    for (int g = from; g < to; ++g) {
        const Prices& p =
            memo.prices(at + g, planet.minPrice[g], planet.maxPrice[g], amount[g], demand[g]);
        retail[g] = p.P;
        band1[g] = p.B1;
        band2[g] = p.B2;
        band3[g] = p.B3;
    }
}

// Sub-step 4 for one company over every planet and good.
void viewMarkets(PriceMemo& memo, GameState& s, Int company, bool planetPriced) {
    const PlanetMarkets planet(s);
    const CompanyView view(s, company);  // a company number outside 1..18 stops here
    for (int t = 0; t < kPlanets; ++t) {
        const int at = t * kGoods;
        viewGoods(memo, planet, view, at, 0, kIndustrialGoods, view.indAmountTicks[t],
                  view.indDemandTicks[t], view.indAmountAdj, view.indDemandAdj, planetPriced);
        viewGoods(memo, planet, view, at, kIndustrialGoods, kGoods, view.rtlAmountTicks[t],
                  view.rtlDemandTicks[t], view.rtlAmountAdj, view.rtlDemandAdj, planetPriced);
    }
}

// Sub-step 1: demand follows the population, the supply grows by 2 % to 6 % (stopping at the
// cap) and the amount on offer is drawn as 95 % to 104 % of the new supply.
void moveSupplyAndDemand(const World& world) {
    GameState& s = world.state;
    std::array<Decimal, kGoods> rate;
    for (int g = 0; g < kGoods; ++g)
        rate[g] = Decimal(s.GoodDemandRate[g + 1]);
    for (int t = 1; t <= kPlanets; ++t) {
        const Int population = s.PlanetPopulation[t];
        Int* demand = planetRow(s.PlanetDemand, t);
        Int* supply = planetRow(s.PlanetSupply, t);
        Int* amount = planetRow(s.PlanetAmount, t);
        for (int g = 0; g < kGoods; ++g) {
            demand[g] = rate[g].roundTimes(population);
            supply[g] = capGrowth(roundPercentTimes(world.random(5) + 102, supply[g]));
            amount[g] = storeRounded(roundPercentTimes(world.random(10) + 95, supply[g]));
        }
    }
}

// Sub-step 2: the planet's own prices.
void pricePlanets(PriceMemo& memo, GameState& s) {
    for (int t = 1; t <= kPlanets; ++t) {
        const Int* amount = planetRow(s.PlanetAmount, t);
        const Int* demand = planetRow(s.PlanetDemand, t);
        Int* retail = planetRow(s.PlanetRetailPrice, t);
        Int* band1 = planetRow(s.PlanetIndPrice1, t);
        Int* band2 = planetRow(s.PlanetIndPrice2, t);
        Int* band3 = planetRow(s.PlanetIndPrice3, t);
        const int market0 = (t - 1) * kGoods;
        for (int g = 0; g < kGoods; ++g) {
            const Prices& p = memo.prices(market0 + g, s.GoodMinPrice[g + 1], s.GoodMaxPrice[g + 1],
                                          amount[g], demand[g]);
            retail[g] = p.P;
            band1[g] = p.B1;
            band2[g] = p.B2;
            band3[g] = p.B3;
        }
    }
}

// One campaign's changes over goods [from, to) of every planet: its strength in percent of the
// planet's figure, negative for a Bad campaign. Worked out for every planet, ticked or not.
void campaignChange(const Int* planetFigure, Int* change, int from, int to, Int strength,
                    bool good) {
    for (int at = 0; at < kMarkets; at += kGoods) {
        if (strength == 0) {  // no campaign, as for most companies
            std::fill(change + at + from, change + at + to, Int(0));
            continue;
        }
        for (int g = at + from; g < at + to; ++g) {
            const Int x = roundPercentOf(planetFigure[g], strength);
            change[g] = good ? x : -x;
        }
    }
}

// Sub-step 3: every company's advertising changes, industrial goods into the industrial arrays
// and retail goods into the retail ones; the other half of each array is left as it is.
void workOutAdvertising(GameState& s) {
    const Int* amount = &s.PlanetAmount(1, 1);
    const Int* demand = &s.PlanetDemand(1, 1);
    for (int c = 1; c <= kCompanies; ++c) {
        campaignChange(amount, &s.AdvIndAmountAdj(c, 1, 1), 0, kIndustrialGoods,
                       s.AdvIndAmountStrength[c], s.AdvIndAmountGood[c]);
        campaignChange(demand, &s.AdvIndDemandAdj(c, 1, 1), 0, kIndustrialGoods,
                       s.AdvIndDemandStrength[c], s.AdvIndDemandGood[c]);
        campaignChange(amount, &s.AdvRtlAmountAdj(c, 1, 1), kIndustrialGoods, kGoods,
                       s.AdvRtlAmountStrength[c], s.AdvRtlAmountGood[c]);
        campaignChange(demand, &s.AdvRtlDemandAdj(c, 1, 1), kIndustrialGoods, kGoods,
                       s.AdvRtlDemandStrength[c], s.AdvRtlDemandGood[c]);
    }
}

}  // namespace

void refreshCompanyView(const World& world, Int company) {
    // Called after trades, which move planet amounts without repricing the planet.
    viewMarkets(world.prices, world.state, company, false);
}

void marketStep(const World& world) {
    GameState& s = world.state;
    moveSupplyAndDemand(world);
    pricePlanets(world.prices, s);
    workOutAdvertising(s);
    for (int c = 1; c <= kCompanies; ++c)
        viewMarkets(world.prices, s, c, true);
}

}  // namespace quorvex
