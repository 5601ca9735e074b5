#include "RandomEvents.h"

#include <string>

#include "../state/Format.h"
#include "../state/Fraction.h"
#include "../state/ShipFigures.h"
#include "../state/World.h"

namespace quorvex {
namespace {

// The lowest loan rate a bank will offer, in percent.
constexpr double kLoanRateFloor = 2.5;

// A change of rate: 0.5 to 2.5 points in steps of a half.
double rateStep(const World& world) {
    return (world.random(5) + 1).get() * 0.5;
}

void biggerHull(const World& world, Int c) {
    GameState& s = world.state;
    const Int extra = world.random(100) + 1;
    s.ShipHullSize[c] += extra;
    recomputeHullFigures(s, c);
    world.tellPlaying(cat("A Local Business gives you a bigger hull!! You get an exstra ", extra,
                          " tons of hull space"));
}

// A dearer good for everybody, not only for the company whose turn it is.
void technology(const World& world) {
    GameState& s = world.state;
    const Int good = world.random(25) + 1;
    const Int percent = world.random(20) + 1;
    const Int rise = s.GoodMaxPrice[good] / 100 * percent;
    const Int newMax = s.GoodMaxPrice[good] + rise;
    world.tellPlaying(cat("Due to increased technology levels the price of ", s.GoodName[good],
                          " has been increased by £", rise, " to £", newMax));
    s.GoodMaxPrice[good] = newMax;
}

void loanRateDown(const World& world, Int c) {
    GameState& s = world.state;
    const double step = rateStep(world);
    s.LoanInterestRate[c] -= step;
    if (s.LoanInterestRate[c] <= kLoanRateFloor) s.LoanInterestRate[c] = kLoanRateFloor;
    world.tellPlaying(cat("Your bank has lowered your loan intrest rates by ", step, "% to ",
                          s.LoanInterestRate[c], "%"));
}

void savingsRateUp(const World& world, Int c) {
    GameState& s = world.state;
    const double step = rateStep(world);
    s.SavingsInterestRate[c] += step;
    world.tellPlaying(cat("Your bank has raised your savings intrest rates by ", step, "% to ",
                          s.SavingsInterestRate[c], "%"));
}

void investment(const World& world, Int c) {
    GameState& s = world.state;
    const Int percent = world.random(10) + 1;
    // Cash and savings are added exactly: together they may pass what 32 bits hold.
    const Int gain =
        (Fraction(percent) * ((Fraction(s.PlayerCash[c]) + s.PlayerSavings[c]) / 100)).round() +
        5000;
    s.PlayerCash[c] += gain;
    world.tellPlaying(cat("An investment payed off and you get £", gain));
}

void foundMoney(const World& world, Int c) {
    GameState& s = world.state;
    const Int note = (world.random(25) + 1) * 100;
    s.PlayerCash[c] += note;
    world.tellPlaying(cat("You find a £", note, " note in the street!!!!"));
}

}  // namespace

int eventDrawsFor(Int roll) {
    if (roll <= 50) return 1;
    if (roll <= 88) return 2;
    if (roll <= 95) return 3;
    return 4;
}

void RandomEvents(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    const int draws = eventDrawsFor(world.random(s.RandomEventRate + 1));
    for (int i = 0; i < draws; ++i) {
        const Int r = world.random(1001);
        if (r == 0) continue;  // a quiet turn
        if (r <= 100)
            biggerHull(world, c);
        else if (r <= 200)
            technology(world);
        else if (r <= 300)
            loanRateDown(world, c);
        else if (r <= 400)
            savingsRateUp(world, c);
        else if (r <= 700)
            investment(world, c);
        else
            foundMoney(world, c);
    }
}

}  // namespace quorvex
