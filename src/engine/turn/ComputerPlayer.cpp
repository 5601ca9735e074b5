#include "ComputerPlayer.h"

#include <algorithm>
#include <cstdint>

#include "../services/BankRules.h"
#include "../state/Fraction.h"
#include "../state/ShipFigures.h"
#include "../state/World.h"

namespace quorvex {
namespace {

constexpr int kTicketPrice = 5000;
constexpr int kAllowance = 15000;
constexpr int kFuelReserve = 5;  // tons kept in the tank beyond one flight

// How many of `wanted` the cash pays for at `price` each: all of them, or as many as it can.
Int affordable(Int cash, Int price, Int wanted) {
    if (cash.wide() < price.wide() * wanted.wide()) return cash / price;
    return wanted;
}

// Passengers aboard, limited by the places and by those waiting for the planet.
Int passengersFor(const GameState& s, Int c, int planet) {
    return std::min(s.PassengerSpace[c], s.PsngrWaiting(c, planet));
}

// In 128 bits: the two products of 32-bit figures could each take most of 64.
Fraction::Wide passengerProfit(const GameState& s, Int c, int planet) {
    const Fraction::Wide n = passengersFor(s, c, planet).wide();
    return s.PsngrIncome(c, planet).wide() * n - s.PsngrCost(c, planet).wide() * n;
}

void fitOutHull(const World& world, Int c) {
    GameState& s = world.state;
    const Int planet = s.PlayerPlanet[c];
    Int& cash = s.PlayerCash[c];

    recomputeSpaceAndFreeSpace(s, c);
    // Only a hull with no free space at all waits. A bigger hull that brought another crew place
    // can leave a full hull a few tons over; that hull still draws its shares and gives tons back.
    if (s.ShipFreeSpace[c] == 0) return;

    // First enough tank for one flight and a little over.
    const Int tankWanted = s.EngineEfficiency[c] + kFuelReserve;
    if (s.FuelTankSpace[c] < tankWanted) {
        Int need = tankWanted - s.FuelTankSpace[c];
        if (need <= s.ShipFreeSpace[c]) {
            need = affordable(cash, s.PlanetFuelSpacePrice[planet], need);
            cash -= s.PlanetFuelSpacePrice[planet] * need;
            s.FuelTankSpace[c] += need;
        }
    }
    recomputeSpaceAndFreeSpace(s, c);
    if (s.ShipFreeSpace[c] == 0) return;

    const HullShares empty{s.PassengerSpace[c] - s.Passengers[c],
                           s.FuelTankSpace[c] - s.ShipFuel[c], s.CargoSpace[c] - s.CargoUsed[c]};
    HullShares share = hullShares(s.ShipFreeSpace[c], world.random(80) + 20, empty);

    // A share below 0 is space sold back at the same price. The hold's stored free tons are left
    // as they are: only a trade through the hold rewrites them.
    share.cargo = affordable(cash, s.PlanetCargoSpacePrice[planet], share.cargo);
    cash -= s.PlanetCargoSpacePrice[planet] * share.cargo;
    s.CargoSpace[c] += share.cargo;
    recomputeFreeSpace(s, c);

    share.places = affordable(cash, s.PlanetPassengerSpacePrice[planet], share.places);
    // Each five places need one more crew member, and two look after the ship: places the crew
    // could not look after become fuel tank instead.
    const Int places = s.PassengerSpace[c] + share.places;
    if (crewForPassengerPlaces(places) + 2 > s.ShipMaxCrew[c]) {
        share.fuel += share.places * 5;
    } else {
        cash -= s.PlanetPassengerSpacePrice[planet] * share.places;
        s.PassengerSpace[c] += share.places;
        recomputeFreeSpace(s, c);
    }

    share.fuel = affordable(cash, s.PlanetFuelSpacePrice[planet], share.fuel);
    cash -= s.PlanetFuelSpacePrice[planet] * share.fuel;
    s.FuelTankSpace[c] += share.fuel;
    recomputeFreeSpace(s, c);
}

// The step between the places a computer considers grows with the chosen intelligence; with
// none chosen it considers none.
Int placeStep(Int intelligence) {
    switch (intelligence.get()) {
        case 20:
            return 5;
        case 40:
            return 10;
        case 60:
            return 15;
        case 80:
            return 20;
        default:
            return 0;
    }
}

void takePassengers(const World& world, Int c) {
    GameState& s = world.state;
    const std::array<int, kPlanets> order = planetsByPassengerProfit(s, c);
    const Int r = world.random(100);
    const Int step = placeStep(s.ComputerIntelligence);
    if (step == 0) return;  // no intelligence chosen: no passengers, the destination stays
    // A cleverer company more often takes the best planet, otherwise one further down.
    int place = 1;
    while (place <= kPlanets && r > s.PlayerIntelligence[c] + step * place)
        ++place;
    if (place > kPlanets) return;
    const int j = order[place - 1];
    const Int n = passengersFor(s, c, j);
    s.PsngrPickedUp[c] = true;
    s.PlayerCash[c] -= s.PsngrCost(c, j) * n;
    s.Passengers[c] = n;
    s.PsngrFare[c] = s.PsngrIncome(c, j);
    s.PsngrDestination[c] = j;
    s.PlayerDestination[c] = j;
}

}  // namespace

HullShares hullShares(Int freeSpace, Int passengerPercent, HullShares empty) {
    const Fraction part = Fraction(freeSpace) / 100;
    // What an over-full hull may give back of each kind: never more than stands empty.
    const auto atMostEmpty = [](Int share, Int room) {
        return std::max(share, -std::max(room, Int(0)));
    };
    HullShares share;
    // The roundings may both go up; places and fuel are held to what the hull has, so with free
    // space the three fill it exactly and cargo never goes below nothing.
    share.places =
        atMostEmpty(std::min((part / 5 * passengerPercent).round(), freeSpace / 5), empty.places);
    share.fuel = atMostEmpty(
        std::min((part * (Int(100) - passengerPercent)).round(), freeSpace - share.places * 5),
        empty.fuel);
    share.cargo = atMostEmpty(freeSpace - share.places * 5 - share.fuel, empty.cargo);
    return share;
}

std::array<int, kPlanets> planetsByPassengerProfit(const GameState& s, Int c) {
    std::array<int, kPlanets> order;
    for (int j = 1; j <= kPlanets; ++j)
        order[j - 1] = j;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return passengerProfit(s, c, a) > passengerProfit(s, c, b);
    });
    return order;
}

void playComputerTurn(const World& world, Int c) {
    GameState& s = world.state;
    Int& cash = s.PlayerCash[c];
    s.PlayerLastNetWorth[c] = s.PlayerNetWorth[c];

    cash += s.PlayerSavings[c];
    s.PlayerSavings[c] = 0;

    // Borrow up to the limit, the interest on it kept back (reckoned on the limit's whole
    // hundreds). Above the limit this pays it down.
    if (s.PlayerLoan[c] != s.PlayerCreditLimit[c]) {
        const Int interest = interestOn(s.PlayerCreditLimit[c] / 100 * 100, s.LoanInterestRate[c]);
        cash += (s.PlayerCreditLimit[c] - s.PlayerLoan[c]) - interest;
        s.PlayerLoan[c] = s.PlayerCreditLimit[c];
    }

    s.TicketPrice[c] = kTicketPrice;
    if (cash >= 1) fitOutHull(world, c);

    cash += kAllowance;

    if (cash > 0 && s.CrewDebt[c] >= 0) {
        const Int wages = largestPayment(s.CrewDebt[c], cash);
        s.CrewDebt[c] -= wages;
        cash -= wages;
    }

    if (cash >= 1) takePassengers(world, c);

    // Passengers may have cost more than the cash: the loan then grows by the difference.
    const Int repaid = largestPayment(s.PlayerLoan[c], cash);
    s.PlayerLoan[c] -= repaid;
    cash -= repaid;
    if (cash > 0) {
        s.PlayerSavings[c] += cash;
        cash = 0;
    }

    s.PlayerNextPlanet[c] = s.PlayerDestination[c];
}

}  // namespace quorvex
