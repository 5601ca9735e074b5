#include "Passengers.h"

#include <array>

#include "../state/ExactRound.h"
#include "../state/Format.h"
#include "../state/Fraction.h"
#include "../state/World.h"

namespace quorvex {
namespace {

// Cheap tickets draw more passengers: the factor in hundredths for each of the ten prices the
// passengers screen can set. Any other price (a damaged or hand-made game) draws nobody.
Int ticketFactorPercent(Int ticketPrice) {
    switch (ticketPrice.get()) {
        case 500:
            return 120;
        case 1000:
            return 115;
        case 1500:
            return 110;
        case 2000:
            return 105;
        case 2500:
        case 3000:
            return 100;
        case 3500:
            return 95;
        case 4000:
            return 90;
        case 4500:
            return 85;
        case 5000:
            return 80;
        default:
            return 0;
    }
}

}  // namespace

// The offers are worked out with exact whole-number rounding (halves to the even neighbour):
// they run for every company every turn, and a Fraction per figure would cost more than the
// rest of the turn.
void offerPassengers(const World& world, Int c) {
    GameState& s = world.state;
    using Wide = Fraction::Wide;

    // 2.5 % of the people on the ship's planet want to leave, more with passenger advertising.
    Int n = storeRounded(roundDiv(Wide(s.PlanetPopulation[s.PlayerPlanet[c]].wide()) * 25, 1000));
    n = storeRounded(roundDiv(Wide(n.wide()) * s.AdvPsngrStrength[c].wide() + n.wide() * 100, 100));

    // Where they want to go, in percent: each of the first eleven planets gets at least 5 and a
    // part of what is left; the last takes the rest, which can be as little as -5.
    std::array<Int, kPlanets + 1> share{};
    share[1] = world.random(10) + 5;
    Int sum = share[1];
    for (int d = 2; d <= kPlanets - 1; ++d) {
        const Int spread = storeRounded(roundDiv(Wide((Int(100) - sum).wide()), 13 - d));
        share[d] = world.random(spread) + 5;
        sum += share[d];
    }
    share[kPlanets] = Int(100) - sum;

    s.PsngrOffered[c] =
        storeRounded(roundDiv(Wide(n.wide()) * ticketFactorPercent(s.TicketPrice[c]).wide(), 100));

    for (int d = 1; d <= kPlanets; ++d) {
        // Somebody always wants to go everywhere, even where the share came out at 0 or below.
        Int waiting = storeRounded(roundDiv(Wide(s.PsngrOffered[c].wide()) * share[d].wide(), 100));
        if (waiting <= 0) waiting = 1;
        s.PsngrWaiting(c, d) = waiting;
        s.PsngrIncome(c, d) = s.TicketPrice[c];

        // The cost is worked out for the group the ship can take; a ship without passenger
        // places is quoted for a chance group of 1 to 4.
        Int m = s.PassengerSpace[c] < waiting ? s.PassengerSpace[c] : waiting;
        if (m == 0) m = world.random(4) + 1;
        const Int r = world.random(5) + 1;
        // r x (1000 / m) + (m x 15 + 250) + income / 100 x 25, over the common divisor 100 m
        const Wide group = m.wide();
        const Wide numerator = Wide(r.wide()) * 100000 + (group * 15 + 250) * 100 * group +
                               Wide(s.PsngrIncome(c, d).wide()) * 25 * group;
        const Wide sign = group < 0 ? -1 : 1;  // the divisor must be positive
        s.PsngrCost(c, d) = storeRounded(roundDiv(sign * numerator, sign * group * 100));
    }
}

void offerPassengers(const World& world) {
    // Every slot, in the game or not, so the draws come the same whoever is still playing.
    for (int c = 1; c <= kCompanies; ++c)
        offerPassengers(world, c);
}

void settlePassengers(const World& world) {
    GameState& s = world.state;
    for (int c = 1; c <= kCompanies; ++c) {
        if (s.PsngrDestination[c] == s.PlayerPlanet[c])
            s.PlayerCash[c] += s.Passengers[c] * s.PsngrFare[c];
        else if (s.Passengers[c] != 0)
            world.tellCompany(c,
                              "- You have not taken your passengers to the right"
                              " planet so will not get paid by them");
        // Passengers travel for one turn only: paid or not, they all leave the ship.
        s.Passengers[c] = 0;
    }
}

}  // namespace quorvex
