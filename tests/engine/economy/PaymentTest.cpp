#include "economy/Payment.h"

#include "OperationsFixture.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Strings = std::vector<std::string>;

struct Payment : OperationsFixture {
    bool pay(int c, int amount, PaymentPurpose purpose = PaymentPurpose::MineProduction) {
        return payRunningCost(t.game.world(), c, amount, purpose);
    }
};

TEST_F(Payment, CashCoversTheCostSilently) {
    s.PlayerCash[1] = 5000;
    s.PlayerSavings[1] = 700;
    EXPECT_TRUE(pay(1, 5000));
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 700);
    EXPECT_EQ(s.PlayerLoan[1], 100000);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Payment, NothingOwedIsPaidOnlyWhenCashIsNotNegative) {
    s.PlayerCash[1] = 0;
    EXPECT_TRUE(pay(1, 0));

    // Nothing is owed, yet none of the steps applies to a negative balance, so it is not paid,
    // and nothing is touched.
    s.PlayerCash[1] = -500;
    s.PlayerSavings[1] = 9000;
    EXPECT_FALSE(pay(1, 0));
    EXPECT_EQ(s.PlayerCash[1], -500);
    EXPECT_EQ(s.PlayerSavings[1], 9000);
    EXPECT_EQ(s.PlayerLoan[1], 100000);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Payment, NegativeCashAddsToWhatIsOwed) {
    s.PlayerCash[1] = -500;
    s.PlayerSavings[1] = 10000;
    EXPECT_TRUE(pay(1, 1000));
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 8500);
    EXPECT_EQ(messages(),
              Strings{"Ajax You have used £1500 of your savings to pay for production costs"});
}

TEST_F(Payment, SavingsThenLoanEachTold) {
    s.PlayerCash[1] = 0;
    s.PlayerSavings[1] = 1200;
    EXPECT_TRUE(pay(1, 5000));
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerCash[1], 0);  // the loan pays directly, nothing reaches cash
    EXPECT_EQ(s.PlayerLoan[1], 103800);
    EXPECT_EQ(
        messages(),
        (Strings{"Ajax You have used £1200 of your savings to pay for production costs",
                 "Ajax You have taken out a loan for £3800 of your to pay for production costs"}));
}

TEST_F(Payment, CashThenSavingsExactlyTheRest) {
    s.PlayerCash[1] = 300;
    s.PlayerSavings[1] = 700;
    EXPECT_TRUE(pay(1, 1000));
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 100000);
    EXPECT_EQ(messages(),
              Strings{"Ajax You have used £700 of your savings to pay for production costs"});
}

TEST_F(Payment, BorrowsExactlyTheFreeCreditButNotOnePoundMore) {
    s.PlayerCash[1] = 0;
    EXPECT_TRUE(pay(1, 50000, PaymentPurpose::MineUpkeep));
    EXPECT_EQ(s.PlayerLoan[1], 150000);
    EXPECT_EQ(
        messages(),
        Strings{"Ajax You have taken out a loan for £50000 of your to pay for mine maintainence"});

    t.dialogs.clear();
    s.PlayerLoan[1] = 100000;
    EXPECT_FALSE(pay(1, 50001));
    EXPECT_EQ(s.PlayerLoan[1], 100000);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Payment, WhatWasTakenBeforeAFailureStaysSpent) {
    s.PlayerCash[1] = 100;
    s.PlayerSavings[1] = 200;
    s.PlayerLoan[1] = 149000;  // £1000 of credit left, £1700 still owed
    EXPECT_FALSE(pay(1, 2000, PaymentPurpose::MineUpkeep));
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerSavings[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 149000);
    EXPECT_EQ(messages(),
              Strings{"Ajax You have used £200 of your savings to pay for mine maintainence"});
}

TEST_F(Payment, EachPurposeHasItsTexts) {
    const std::pair<PaymentPurpose, std::string> purposes[] = {
        {PaymentPurpose::MineUpkeep, "mine maintainence"},
        {PaymentPurpose::MineProduction, "production costs"},
        {PaymentPurpose::Purchases, "production costs"},
        {PaymentPurpose::Manufacturing, "production costs"}};
    for (const auto& [purpose, what] : purposes) {
        t.dialogs.clear();
        s.PlayerCash[1] = 0;
        s.PlayerSavings[1] = 10;
        s.PlayerLoan[1] = 0;
        EXPECT_TRUE(pay(1, 30, purpose));
        EXPECT_EQ(messages(),
                  (Strings{"Ajax You have used £10 of your savings to pay for " + what,
                           "Ajax You have taken out a loan for £20 of your to pay for " + what}));
    }
}

TEST_F(Payment, ComputerCompaniesPaySilently) {
    s.PlayerCash[9] = -100;
    s.PlayerSavings[9] = 300;
    EXPECT_TRUE(pay(9, 1000));
    EXPECT_EQ(s.PlayerSavings[9], 0);
    EXPECT_EQ(s.PlayerLoan[9], 100800);
    EXPECT_EQ(messages(), Strings{});
}

TEST_F(Payment, DeepDebtAndAHugeCostAreNotPaidRatherThanOverflowing) {
    s.PlayerCash[1] = -2000000000;
    s.PlayerLoan[1] = 0;
    s.PlayerCreditLimit[1] = 2000000000;
    EXPECT_FALSE(pay(1, 2000000000));
    EXPECT_EQ(s.PlayerCash[1], 0);
    EXPECT_EQ(s.PlayerLoan[1], 0);

    // A 64-bit total beyond 32 bits takes nothing at all.
    s.PlayerCash[1] = 5000;
    EXPECT_FALSE(
        payRunningTotal(t.game.world(), 1, int64_t{3000000000}, PaymentPurpose::Purchases));
    EXPECT_EQ(s.PlayerCash[1], 5000);
    EXPECT_TRUE(payRunningTotal(t.game.world(), 1, 5000, PaymentPurpose::Purchases));
    EXPECT_EQ(s.PlayerCash[1], 0);
}

}  // namespace
