#include "Payment.h"

#include <cstdint>
#include <limits>

#include "../state/Format.h"
#include "../state/World.h"

namespace quorvex {
namespace {

const char* savingsText(PaymentPurpose purpose) {
    return purpose == PaymentPurpose::MineUpkeep ? " savings to pay for mine maintainence"
                                                 : " savings to pay for production costs";
}

const char* loanText(PaymentPurpose purpose) {
    return purpose == PaymentPurpose::MineUpkeep ? " to pay for mine maintainence"
                                                 : " to pay for production costs";
}

}  // namespace

bool payRunningCost(const World& world, Int c, Int amount, PaymentPurpose purpose) {
    GameState& s = world.state;
    // What is still owed is kept in 64 bits: a deeply negative cash balance added to a large
    // cost must end in "not paid", not in an overflow that stops the whole update.
    int64_t owed = amount.wide();
    bool paid = false;

    if (owed <= s.PlayerCash[c].wide()) {
        s.PlayerCash[c] -= amount;
        owed = 0;
        paid = true;
    }
    // A negative balance is owed as well: the cash goes to 0 and what it lacked is added.
    if (owed != 0 && s.PlayerCash[c] != 0) {
        owed -= s.PlayerCash[c].wide();
        s.PlayerCash[c] = 0;
    }
    if (s.PlayerSavings[c] != 0 && owed != 0) {
        const int64_t savings = s.PlayerSavings[c].wide();
        if (owed <= savings) {
            s.PlayerSavings[c] = Int::fromWide(savings - owed);
            world.tellCompany(
                c, cat(" You have used £", std::to_string(owed), " of your", savingsText(purpose)));
            owed = 0;
            paid = true;
        } else {
            owed -= savings;
            world.tellCompany(c, cat(" You have used £", std::to_string(savings), " of your",
                                     savingsText(purpose)));
            s.PlayerSavings[c] = 0;
        }
    }
    if (owed != 0) {
        const int64_t freeCredit = s.PlayerCreditLimit[c].wide() - s.PlayerLoan[c].wide();
        if (owed <= freeCredit) {
            // The loan pays the cost directly; it never passes through cash.
            s.PlayerLoan[c] = Int::fromWide(s.PlayerLoan[c].wide() + owed);
            world.tellCompany(c, cat(" You have taken out a loan for £", std::to_string(owed),
                                     " of your", loanText(purpose)));
            owed = 0;
            paid = true;
        }
    }
    return paid;
}

bool payRunningTotal(const World& world, Int c, int64_t total, PaymentPurpose purpose) {
    if (total > std::numeric_limits<int32_t>::max()) return false;
    return payRunningCost(world, c, Int::fromWide(total), purpose);
}

}  // namespace quorvex
