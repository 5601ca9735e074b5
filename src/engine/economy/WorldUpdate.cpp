#include "WorldUpdate.h"

#include "../state/ExactRound.h"
#include "../state/World.h"
#include "../turn/TurnOrder.h"
#include "CompanyOperations.h"
#include "EngineOffers.h"
#include "Market.h"
#include "MineOffers.h"
#include "Passengers.h"
#include "ServicePrices.h"

namespace quorvex {

CompanySections CompanySections::standard() {
    return {[](const World& world) { quorvex::offerPassengers(world); },
            [](const World& world) { quorvex::settlePassengers(world); },
            [](const World& world, Int company) { quorvex::runCompanyOperations(world, company); }};
}

void growPopulation(const World& world) {
    GameState& s = world.state;
    for (int p = 1; p <= kPlanets; ++p) {
        // population / 100 x rate + population, over a common denominator so that it stays exact.
        const Decimal rate(s.PlanetGrowthRate[p]);
        const Fraction::Wide den = rate.denominator() * 100;
        const Fraction::Wide num = s.PlanetPopulation[p].wide() * (rate.numerator() + den);
        s.PlanetPopulation[p] = capGrowth(roundDiv(num, den));
    }
}

void worldUpdate(const World& world) {
    static const CompanySections sections = CompanySections::standard();
    worldUpdate(world, sections);
}

void worldUpdate(const World& world, const CompanySections& sections) {
    GameState& s = world.state;
    s.TurnNumber += 1;
    s.TurnNumberCopy = s.TurnNumber;
    const bool firstTurn = s.TurnNumber == 1;

    drawServicePrices(world);
    drawMineOffers(world);

    // The first game turn keeps the order the new game set: company 1 first.
    s.TurnSlot = 0;
    if (!firstTurn) sortTurnOrder(s);

    drawEngineOffers(world);
    growPopulation(world);

    // The first turn trades on the markets the new game set up.
    if (!firstTurn) marketStep(world);

    for (int c = 1; c <= kCompanies; ++c) {
        s.AdvDone[c] = false;
        s.PsngrPickedUp[c] = false;
    }

    // Passengers are offered and settled for every company, out of the game or not; the standing
    // operations run for the companies still playing, in company order.
    sections.offerPassengers(world);
    sections.settlePassengers(world);
    for (int c = 1; c <= kCompanies; ++c)
        if (s.PlayerActive[c]) sections.runCompanyOperations(world, c);
}

}  // namespace quorvex
