#include "EndOfTurn.h"

#include <optional>
#include <string>

#include "../services/BankRules.h"
#include "../services/CrewRules.h"
#include "../state/Format.h"
#include "../state/World.h"
#include "RandomEvents.h"

namespace quorvex {
namespace {

// A message with the amount in the middle; a null `before` means the step is paid silently.
struct AmountText {
    const char* before;
    const char* after;
};

// What the company is told at each step of paying a bill.
struct BillTexts {
    AmountText cashPartial, cashFull, savingsPartial, savingsFull, borrowed;
    const char* out;
};

constexpr BillTexts kTowTexts{
    {"You have used £", " of your money to pay some of what the tow costs"},
    {"You have used £", " of your money to pay for a tow"},
    {"You have used £", " of your savings to pay some of the cost of your tow"},
    {"You have used £", " of your savings to pay for a tow"},
    {"You have borrowed £", " to pay for your tow"},
    "You can not afford a tow and therefore are doomed to starve in space. You are now out of "
    "the game",
};

// The landing texts begin with a space after the name; the cash steps say nothing.
constexpr BillTexts kLandingTexts{
    {nullptr, nullptr},
    {nullptr, nullptr},
    {" You have used £", " of your savings to pay some of your landing costs"},
    {" You have used £", " of your savings to pay your landing costs"},
    {" You have borrowed £", " to pay your landing costs"},
    "You can not afford to pay your landing costs so can not land anywhere  therefore are "
    "doomed to starve in space. You are now out of the game",
};

constexpr BillTexts kCrewTexts{
    {"You have used £", " of your money to pay some of what you owe your crew"},
    {"You have used £", " of your money to pay your crew"},
    {"You have used £", " of your savings to pay some of what you owe your crew"},
    {"You have used £", " of your savings to pay your crew"},
    {"You have borrowed £", " to pay your crew"},
    "You still owe your crew some money which you have no means of paying off what you owe your "
    "crew. Your crew have now decided to revolt and capture your ship you are now out of the "
    "game!",
};

void tellAmount(const World& world, const AmountText& text, Int amount) {
    if (text.before != nullptr) world.tellPlayingByName(cat(text.before, amount, text.after));
}

// Pays a bill of the company now playing from cash, then savings, then by borrowing the whole
// rest within the credit limit (never part of it). What cannot be paid puts the company out.
// `owed`, when given, is the debt the bill settles (the crew's wages): it shrinks with every
// payment and is cleared once the bill is paid.
void payBill(const World& world, Int due, const BillTexts& texts, Int* owed = nullptr) {
    if (due <= 0) return;
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    // One source pays all that is still due or all it holds.
    const auto payFrom = [&](Int& source, const AmountText& partial, const AmountText& full) {
        if (due > source) {
            const Int used = source;
            due -= used;
            source = 0;
            if (owed != nullptr) *owed -= used;
            tellAmount(world, partial, used);
        } else {
            source -= due;
            if (owed != nullptr) *owed = 0;
            tellAmount(world, full, due);
            due = 0;
        }
    };
    if (s.PlayerCash[c] > 0) payFrom(s.PlayerCash[c], texts.cashPartial, texts.cashFull);
    if (due != 0 && s.PlayerSavings[c] > 0)
        payFrom(s.PlayerSavings[c], texts.savingsPartial, texts.savingsFull);
    if (due != 0 && s.PlayerLoan[c] < s.PlayerCreditLimit[c] &&
        due.wide() <= s.PlayerCreditLimit[c].wide() - s.PlayerLoan[c].wide()) {
        s.PlayerLoan[c] += due;
        if (owed != nullptr) *owed = 0;
        tellAmount(world, texts.borrowed, due);
        due = 0;
    }
    if (due != 0) {
        s.PlayerActive[c] = false;
        world.tellPlayingByName(texts.out);
    }
}

// The part of a loan above the credit limit that one source of money can pay off.
void payDownLoan(const World& world, Int& source, const char* sourceName) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    if (s.PlayerLoan[c] <= s.PlayerCreditLimit[c]) return;
    const Int excess = s.PlayerLoan[c] - s.PlayerCreditLimit[c];
    Int paid = 0;
    if (excess > source) {
        if (source > 0) paid = source;
    } else {
        paid = excess;
    }
    if (paid == 0) return;
    source -= paid;
    s.PlayerLoan[c] -= paid;
    world.tellPlayingByName(
        cat("Your loan has surpassed your credit limit, you must use some of your ", sourceName,
            " to pay off your loan"));
}

}  // namespace

void Plyrfinish(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    s.PlayerPlanet[c] = s.PlayerNextPlanet[c];
    fueluse(world);
    PayLandcost(world);
    chargeInterest(world);
    s.CrewDebt[c] += s.CrewCount[c] * s.CrewWage[c];
    RandomEvents(world);
    CrewRevoltCheck(world);
    Bankcruptcycheck(world);
    if (c == 1) s.FirstRound = false;
}

void fueluse(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    const Int need = s.EngineEfficiency[c];
    if (need <= s.ShipFuel[c]) {
        s.ShipFuel[c] -= need;
        return;
    }
    const Int shortfall = need - s.ShipFuel[c];
    s.ShipFuel[c] = 0;
    const Int tow = world.random(5000) + shortfall * 500 + 2000;
    world.tellPlayingByName(
        cat("You have run out of fuel you must pay £", tow,
            " for a tow. If you can not pay for a tow then you will be doomed to starve "
            "in space and be out of the game!"));
    payBill(world, tow, kTowTexts);
}

void PayLandcost(const World& world) {
    GameState& s = world.state;
    const Int planet = s.PlayerPlanet[s.CurrentPlayer];
    Int charge = s.PlanetLandingCost[planet];
    for (int i = 1; i <= kCompanies; ++i)
        charge += s.PlayerLandingFee(i, planet);
    payBill(world, charge, kLandingTexts);
}

void chargeInterest(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    s.LoanInterest[c] = interestOn(s.PlayerLoan[c], s.LoanInterestRate[c]);
    s.PlayerLoan[c] += s.LoanInterest[c];
    s.SavingsInterest[c] = interestOn(s.PlayerSavings[c], s.SavingsInterestRate[c]);
    s.PlayerSavings[c] += s.SavingsInterest[c];
}

void CrewRevoltCheck(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    // Without crew, or with crew that costs nothing, there are no unpaid turns to count.
    const std::optional<Int> unpaid = unpaidTurns(s, c);
    if (!unpaid || *unpaid < 7 || *unpaid > 15) return;
    world.tellPlayingByName(
        cat("You owe your crew £", s.CrewDebt[c],
            " As they have not been paid for along time they are angry. If they are not "
            "payed they MAY REVOLT and make you lose the game!"));
    if (world.random(100) < 60) return;
    world.tellPlayingByName(
        "Your crew have revolted and demand that you pay them double what you owe immediately "
        "them or they will take over your ship and you will be out of the game!");
    // A computer's crew makes the same demand; it is paid without a word.
    payBill(world, s.CrewDebt[c] * 2, kCrewTexts, &s.CrewDebt[c]);
}

void Bankcruptcycheck(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    if (!s.PlayerActive[c]) return;
    payDownLoan(world, s.PlayerCash[c], "money");
    payDownLoan(world, s.PlayerSavings[c], "savings");
    if (s.PlayerLoan[c] > s.PlayerCreditLimit[c]) Bankrupt(world);
}

void Bankrupt(const World& world) {
    GameState& s = world.state;
    const Int c = s.CurrentPlayer;
    world.show(cat("Player ", s.PlayerName[c],
                   " is unable to pay their debts and are consequentially bankrupt and "
                   "out of the game!"));
    s.PlayerActive[c] = false;
}

}  // namespace quorvex
