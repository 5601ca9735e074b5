#include "WorldGeneration.h"

#include <algorithm>

#include "../state/Catalogue.h"
#include "../state/Fraction.h"
#include "../state/PriceRule.h"
#include "../state/ShipFigures.h"
#include "../state/World.h"

namespace quorvex {
namespace {

void setUpCompanies(const World& world) {
    GameState& s = world.state;
    for (int i = 1; i <= kCompanies; ++i) {
        s.TurnOrder[i] = i;
        s.PlayerActive[i] = false;
        setNewCompanyFigures(s, i);
        // Planet 12 is never a starting planet: eleven choices.
        s.PlayerPlanet[i] = world.random(11) + 1;
        s.PsngrDestination[i] = s.PlayerPlanet[i];
        s.PlayerDestination[i] = world.random(11) + 1;
        s.PlayerNextPlanet[i] = s.PlayerDestination[i];
    }
}

void setUpLandingCosts(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetLandingCost[p] = (world.random(20) + 5) * 100;
        s.LandingTotalCost[p] = s.PlanetLandingCost[p];
    }
}

void setUpPeople(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        const Int size = s.PlanetSize[p];
        s.PlanetMaxPopulation[p] = size * (10 - world.random(5));
        s.PlanetPopulation[p] = (world.random(11) + 24) * 75 * size + 3002;
        s.PlanetResources[p] = (size * 10000 / 5) * (world.random(2) + 3);
        s.PlanetGrowthRate[p] = 5.0;
    }
}

void storePrices(Prices prices, Int& retail, Int& band1, Int& band2, Int& band3) {
    retail = prices.P;
    band1 = prices.B1;
    band2 = prices.B2;
    band3 = prices.B3;
}

void setUpPlanetMarkets(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        for (int g = 1; g <= kGoods; ++g) {
            s.PlanetDemand(p, g) =
                (Fraction(s.PlanetPopulation[p]) * Fraction::decimal(s.GoodDemandRate[g])).round();
            // Supply 80 % to 104 % of demand, the amount 95 % to 104 % of supply.
            s.PlanetSupply(p, g) =
                (Fraction(world.random(25) + 80) * (Fraction(s.PlanetDemand(p, g)) / 100)).round();
            s.PlanetAmount(p, g) =
                (Fraction(world.random(10) + 95) * (Fraction(s.PlanetSupply(p, g)) / 100)).round();
            storePrices(marketPrice(s, g, s.PlanetAmount(p, g), s.PlanetDemand(p, g),
                                    PriceVariant::NewGame),
                        s.PlanetRetailPrice(p, g), s.PlanetIndPrice1(p, g), s.PlanetIndPrice2(p, g),
                        s.PlanetIndPrice3(p, g));
        }
    }
}

// Every company starts seeing each planet's own market: its amount, demand and (the same rule
// on the same figures) prices. Advertising adjustments, warehouses and sales orders start at 0,
// as the fresh store already holds them.
void setUpCompanyMarkets(GameState& s) {
    for (int c = 1; c <= kCompanies; ++c) {
        for (int p = 1; p <= kPlanets; ++p) {
            const auto copyRow = [&](const PlanetGood& planet, CompanyPlanetGood& company) {
                std::copy_n(planet.row(p), kGoods, company.row(c, p));
            };
            copyRow(s.PlanetAmount, s.PlayerAmount);
            copyRow(s.PlanetDemand, s.PlayerDemand);
            copyRow(s.PlanetRetailPrice, s.PlayerRetailPrice);
            copyRow(s.PlanetIndPrice1, s.PlayerIndPrice1);
            copyRow(s.PlanetIndPrice2, s.PlayerIndPrice2);
            copyRow(s.PlanetIndPrice3, s.PlayerIndPrice3);
            std::fill_n(s.SalesFlagA.row(c, p), kGoods, true);
            std::fill_n(s.SalesFlagB.row(c, p), kGoods, true);
        }
    }
}

}  // namespace

void setNewCompanyFigures(GameState& s, Int i) {
    s.PlayerCash[i] = 100000;
    s.PlayerLoan[i] = 100000;
    s.PlayerCreditLimit[i] = 150000;
    s.LoanInterestRate[i] = 8.5;
    s.PlayerSavings[i] = 0;
    s.SavingsInterestRate[i] = 5.5;
    s.LoanInterest[i] = 0;
    s.SavingsInterest[i] = 0;
    s.PlayerLastNetWorth[i] = 0;
    s.ShipFuel[i] = 50;
    s.FuelTankSpace[i] = 50;
    s.CrewWage[i] = 500;
    s.CrewCount[i] = 2;
    s.CrewDebt[i] = 0;
    s.CrewMood[i] = 1;
    s.ShipHullSize[i] = 250;
    s.EngineSize[i] = 20;
    s.EngineSpeed[i] = 1;
    s.EngineEfficiency[i] = 25;
    // 5 crew places, 160 tons of space, 90 of them free, room for 15 passengers
    recomputeHullFigures(s, i);
    s.AdvDone[i] = false;
    s.AdvIndAmountGood[i] = true;
    s.AdvRtlAmountGood[i] = true;
    s.TicketPrice[i] = 1500;
    s.PsngrPickedUp[i] = false;
    s.PlayerReserved[i] = 0;
}

void generateWorld(const World& world) {
    GameState& s = world.state;
    // A new game inherits nothing from a game played or loaded before; only the program's own
    // folder and the just-loaded marker live outside the game.
    GameState fresh;
    fresh.GameDir = s.GameDir;
    fresh.GameLoaded = s.GameLoaded;
    s = fresh;

    setUpCompanies(world);
    setUpLandingCosts(world);
    writeCatalogue(s);
    setUpPeople(world);
    setUpPlanetMarkets(world);
    setUpCompanyMarkets(s);
    // Mines, factories, landing fees, cargo and recipes' products start empty (the fresh store).
    s.CurrentPlayer = 0;
    s.TurnNumber = 0;
    s.HumanTurn = true;
    s.FirstRound = true;
    s.TurnNumberCopy = s.TurnNumber;
    s.TurnSlot = 0;
}

}  // namespace quorvex
