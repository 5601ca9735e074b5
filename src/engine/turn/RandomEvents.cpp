#include "RandomEvents.h"

#include <string>

#include "../form/Game.h"
#include "../form/Tell.h"
#include "../state/Format.h"
#include "../state/Fraction.h"
#include "../state/ShipFigures.h"

namespace quorvex {
namespace {

// The lowest loan rate a bank will offer, in percent.
constexpr double kLoanRateFloor = 2.5;

// A change of rate: 0.5 to 2.5 points in steps of a half.
double rateStep(Game& game) {
    return (game.random(5) + 1).get() * 0.5;
}

void biggerHull(Game& game, Int c) {
    GameState& s = game.state;
    const Int extra = game.random(100) + 1;
    s.ShipHullSize[c] += extra;
    recomputeHullFigures(s, c);
    tellPlaying(game, cat("A Local Business gives you a bigger hull!! You get an exstra ", extra,
                          " tons of hull space"));
}

// A dearer good for everybody, not only for the company whose turn it is.
void technology(Game& game) {
    GameState& s = game.state;
    const Int good = game.random(25) + 1;
    const Int percent = game.random(20) + 1;
    const Int rise = s.GoodMaxPrice[good] / 100 * percent;
    const Int newMax = s.GoodMaxPrice[good] + rise;
    tellPlaying(game, cat("Due to increased technology levels the price of ", s.GoodName[good],
                          " has been increased by £", rise, " to £", newMax));
    s.GoodMaxPrice[good] = newMax;
}

void loanRateDown(Game& game, Int c) {
    GameState& s = game.state;
    const double step = rateStep(game);
    s.LoanInterestRate[c] -= step;
    if (s.LoanInterestRate[c] <= kLoanRateFloor) s.LoanInterestRate[c] = kLoanRateFloor;
    tellPlaying(game, cat("Your bank has lowered your loan intrest rates by ", step, "% to ",
                          s.LoanInterestRate[c], "%"));
}

void savingsRateUp(Game& game, Int c) {
    GameState& s = game.state;
    const double step = rateStep(game);
    s.SavingsInterestRate[c] += step;
    tellPlaying(game, cat("Your bank has raised your savings intrest rates by ", step, "% to ",
                          s.SavingsInterestRate[c], "%"));
}

void investment(Game& game, Int c) {
    GameState& s = game.state;
    const Int percent = game.random(10) + 1;
    // Cash and savings are added exactly: together they may pass what 32 bits hold.
    const Int gain =
        (Fraction(percent) * ((Fraction(s.PlayerCash[c]) + s.PlayerSavings[c]) / 100)).round() +
        5000;
    s.PlayerCash[c] += gain;
    tellPlaying(game, cat("An investment payed off and you get £", gain));
}

void foundMoney(Game& game, Int c) {
    GameState& s = game.state;
    const Int note = (game.random(25) + 1) * 100;
    s.PlayerCash[c] += note;
    tellPlaying(game, cat("You find a £", note, " note in the street!!!!"));
}

}  // namespace

int eventDrawsFor(Int roll) {
    if (roll <= 50) return 1;
    if (roll <= 88) return 2;
    if (roll <= 95) return 3;
    return 4;
}

void RandomEvents(Game& game) {
    GameState& s = game.state;
    const Int c = s.CurrentPlayer;
    const int draws = eventDrawsFor(game.random(s.RandomEventRate + 1));
    for (int i = 0; i < draws; ++i) {
        const Int r = game.random(1001);
        if (r == 0) continue;  // a quiet turn
        if (r <= 100)
            biggerHull(game, c);
        else if (r <= 200)
            technology(game);
        else if (r <= 300)
            loanRateDown(game, c);
        else if (r <= 400)
            savingsRateUp(game, c);
        else if (r <= 700)
            investment(game, c);
        else
            foundMoney(game, c);
    }
}

}  // namespace quorvex
