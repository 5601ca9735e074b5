#include "WorldUpdate.h"

#include "../form/Game.h"
#include "../state/ExactRound.h"
#include "../turn/TurnOrder.h"
#include "CompanyOperations.h"
#include "EngineOffers.h"
#include "Market.h"
#include "MineOffers.h"
#include "Passengers.h"
#include "ServicePrices.h"

namespace quorvex {

CompanySections CompanySections::standard() {
    return {[](Game& game) { quorvex::offerPassengers(game); },
            [](Game& game) { quorvex::settlePassengers(game); },
            [](Game& game, Int company) { quorvex::runCompanyOperations(game, company); }};
}

void growPopulation(Game& game) {
    GameState& s = game.state;
    for (int p = 1; p <= kPlanets; ++p) {
        // population / 100 x rate + population, over a common denominator so that it stays exact.
        const Decimal rate(s.PlanetGrowthRate[p]);
        const Fraction::Wide den = rate.denominator() * 100;
        const Fraction::Wide num = s.PlanetPopulation[p].wide() * (rate.numerator() + den);
        s.PlanetPopulation[p] = capGrowth(roundDiv(num, den));
    }
}

void worldUpdate(Game& game) {
    static const CompanySections sections = CompanySections::standard();
    worldUpdate(game, sections);
}

void worldUpdate(Game& game, const CompanySections& sections) {
    GameState& s = game.state;
    s.TurnNumber += 1;
    s.TurnNumberCopy = s.TurnNumber;
    const bool firstTurn = s.TurnNumber == 1;

    drawServicePrices(game);
    drawMineOffers(game);

    // The first game turn keeps the order the new game set: company 1 first.
    s.TurnSlot = 0;
    if (!firstTurn) sortTurnOrder(s);

    drawEngineOffers(game);
    growPopulation(game);

    // The first turn trades on the markets the new game set up.
    if (!firstTurn) marketStep(game);

    for (int c = 1; c <= kCompanies; ++c) {
        s.AdvDone[c] = false;
        s.PsngrPickedUp[c] = false;
    }

    // Passengers are offered and settled for every company, out of the game or not; the standing
    // operations run for the companies still playing, in company order.
    sections.offerPassengers(game);
    sections.settlePassengers(game);
    for (int c = 1; c <= kCompanies; ++c)
        if (s.PlayerActive[c]) sections.runCompanyOperations(game, c);
}

}  // namespace quorvex
