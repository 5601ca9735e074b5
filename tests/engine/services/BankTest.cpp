#include <gtest/gtest.h>

#include <functional>

#include "services/TBank.h"
#include "services/TCrew.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "support/AmountTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

const char* const kCannotBorrow = "This is not a valid number, you can not borrow this amount";
const char* const kSurpass = "Borrowing this amnount would surpass your credit limit";
const char* const kCannotRepay = "This is not a valid number, you cannot repay this amount";
const char* const kOverRepay = "You can not repay this amount as you would over repay your loan";
const char* const kNotEnoughToRepay = "You do not have enough money to repay this amount";
const char* const kCannotDeposit = "This is not a valid number, you can not deposit this amount";
const char* const kNoSuchMoney = "You do not have this amount of money to deposit";
const char* const kCannotWithdraw = "This is not a valid number, you can not withdraw this amount";
const char* const kNoSuchSavings = "You do not have this amount of savings to withdraw";

// Company 2 in game turn 3: £20000 cash, a £100000 loan at 8.5% under a £150000 limit, £5000
// saved at 5.5%.
struct Bank : AmountTest {
    TBank& bank = game.Bank();

    void SetUp() override {
        s.TurnNumber = 3;
        s.CurrentPlayer = 2;
        s.PlayerCash[2] = 20000;
        s.PlayerLoan[2] = 100000;
        s.PlayerCreditLimit[2] = 150000;
        s.LoanInterestRate[2] = 8.5;
        s.LoanInterest[2] = 7800;
        s.PlayerSavings[2] = 5000;
        s.SavingsInterestRate[2] = 5.5;
        s.SavingsInterest[2] = 261;
        s.PlanetName[1] = "A";
        s.PlayerPlanet[2] = s.PlayerDestination[2] = 1;
        show(ScreenId::Bank);
    }
    // Types an amount into the input box the button opens.
    void enter(const Button& button, const std::string& typed) {
        answerInput(typed);
        click(button);
    }
    void expectMoney(int cash, int loan, int savings) {
        EXPECT_EQ(s.PlayerCash[2], cash);
        EXPECT_EQ(s.PlayerLoan[2], loan);
        EXPECT_EQ(s.PlayerSavings[2], savings);
        EXPECT_EQ(bank.CashL.text, cat("Cash: £", cash));
        EXPECT_EQ(bank.BalenceL.text, cat("Balance: £", loan));
        EXPECT_EQ(bank.BalenceS.text, cat("Balance: £", savings));
    }
};

TEST_F(Bank, ShowsBothSidesOfTheAccount) {
    EXPECT_EQ(bank.caption, "Bank");
    EXPECT_EQ(bank.CashL.text, "Cash: £20000");
    EXPECT_EQ(bank.BalenceL.text, "Balance: £100000");
    EXPECT_EQ(bank.IntRL.text, "Interest Rate: 8.5%");
    EXPECT_EQ(bank.INTL.text, "Interest(Last): £7800");
    EXPECT_EQ(bank.CrdlmtL.text, "Credit Limit: £150000");
    EXPECT_EQ(bank.BalenceS.text, "Balance: £5000");
    EXPECT_EQ(bank.INTRS.text, "Interest Rate: 5.5%");
    EXPECT_EQ(bank.INTS.text, "Interest(Last): £261");
    s.LoanInterestRate[2] = 7.0;  // after a random event: the shortest form
    s.SavingsInterestRate[2] = 10.25;
    show(ScreenId::Bank);
    EXPECT_EQ(bank.IntRL.text, "Interest Rate: 7%");
    EXPECT_EQ(bank.INTRS.text, "Interest Rate: 10.25%");
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Bank, FirstTurnGuidanceOnShowingAndOnContinue) {
    s.TurnNumber = 1;
    s.HelpOn = true;
    show(ScreenId::Bank);
    const Texts shown = takeMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0],
              "You start the game with a £100,000 loan on which you are charged interest it is a "
              "good idea at the end of each turn to pay off as much of this loan as you can by "
              "pressing the Repay Max button.");
    EXPECT_EQ(shown[2],
              "If at any time you need more money you can always borrow more money up to your "
              "credit limit");
    click(bank.Button1);
    EXPECT_EQ(takeMessages(),
              (Texts{"From the next turn onwards you will need to buy fuel and pay your crew by "
                     "clicking the fuel and crew buttons",
                     "You can now leave the planet by clicking the go button"}));
    EXPECT_TRUE(game.isVisible(ScreenId::PlanetScreen));
    EXPECT_FALSE(game.isVisible(ScreenId::Bank));

    // Later turns, or without help, the bank says nothing.
    s.TurnNumber = 2;
    show(ScreenId::Bank);
    click(bank.Button1);
    s.TurnNumber = 1;
    s.HelpOn = false;
    show(ScreenId::Bank);
    answer(false);  // the hub offers its help again
    click(bank.Button1);
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Bank, BorrowUpToTheLimit) {
    enter(bank.Button2, "30000");
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Borrowing");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much money do you want to borrow?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "50000");
    expectMoney(50000, 130000, 5000);
    enter(bank.Button2, "20000");  // exactly to the limit
    expectMoney(70000, 150000, 5000);

    // At the limit, or above it, no box is offered.
    click(bank.Button2);
    s.PlayerLoan[2] = 150001;
    click(bank.Button2);
    EXPECT_EQ(dialogs.inputs().size(), 2u);
    EXPECT_EQ(takeMessages(),
              (Texts{"You have reached your credit limit, You cannot borrow anymore money",
                     "You have reached your credit limit, You cannot borrow anymore money"}));
}

TEST_F(Bank, BorrowMaxTakesTheLoanToTheLimitEitherWay) {
    click(bank.Button3);
    expectMoney(70000, 150000, 5000);
    click(bank.Button3);  // at the limit nothing changes
    expectMoney(70000, 150000, 5000);
    s.PlayerCreditLimit[2] = 140000;  // above the limit it is paid down out of cash
    click(bank.Button3);
    expectMoney(60000, 140000, 5000);
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Bank, RepayOffersTheLargestRepayment) {
    enter(bank.Button6, "2500");
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].caption, "Repay Loan");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much of your loan do you want to repay?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "20000");  // the cash, short of the loan
    expectMoney(17500, 97500, 5000);

    s.PlayerCash[2] = 200000;
    enter(bank.Button6, "97500");  // the whole loan
    EXPECT_EQ(dialogs.inputs()[1].defaultText, "97500");
    expectMoney(102500, 0, 5000);
}

TEST_F(Bank, RepayWithNoLoanAndNoCashSaysBothAndAsksNothing) {
    s.PlayerLoan[2] = 0;
    s.PlayerCash[2] = 0;
    click(bank.Button6);
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_EQ(takeMessages(), (Texts{"You have no loan to repay!",
                                     "You have no money with which to repay your loan!"}));
    s.PlayerLoan[2] = 10;
    click(bank.Button6);
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_EQ(takeMessages(), Texts{"You have no money with which to repay your loan!"});
}

TEST_F(Bank, RepayMaxPaysWhatTheCashCoversAndNeverLendsMore) {
    click(bank.Button7);
    expectMoney(0, 80000, 5000);
    const GameState before = s;
    click(bank.Button7);  // no cash: nothing to repay with
    s.PlayerCash[2] = -300;
    click(bank.Button7);  // a debt in cash must not be added to the loan
    s.PlayerCash[2] = 0;
    EXPECT_TRUE(s == before);
    s.PlayerCash[2] = 90000;
    click(bank.Button7);
    expectMoney(10000, 0, 5000);
    click(bank.Button7);
    expectMoney(10000, 0, 5000);
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Bank, DepositAndWithdrawMoveMoneyToAndFromSavings) {
    enter(bank.Button4, "15000");
    EXPECT_EQ(dialogs.inputs()[0].caption, "Deposit");
    EXPECT_EQ(dialogs.inputs()[0].prompt, "How much money do you want to deposit?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "20000");
    expectMoney(5000, 100000, 20000);
    enter(bank.Button8, "7000");
    EXPECT_EQ(dialogs.inputs()[1].caption, "Withdraw");
    EXPECT_EQ(dialogs.inputs()[1].prompt, "How much money do you want to withdraw?");
    EXPECT_EQ(dialogs.inputs()[1].defaultText, "20000");
    expectMoney(12000, 100000, 13000);
    click(bank.Button5);
    expectMoney(0, 100000, 25000);
    click(bank.Button9);
    expectMoney(25000, 100000, 0);
    EXPECT_EQ(takeMessages(), Texts{});
}

TEST_F(Bank, NothingToDepositOrWithdrawAsksNothing) {
    s.PlayerSavings[2] = 0;
    s.PlayerCash[2] = -40;
    const GameState before = s;
    click(bank.Button4);
    click(bank.Button8);
    click(bank.Button5);  // a debt in cash is not deposited
    EXPECT_TRUE(dialogs.inputs().empty());
    EXPECT_EQ(takeMessages(),
              (Texts{"You have no money to deposit", "You have no savings to withdraw"}));
    EXPECT_TRUE(s == before);
}

// Every input box of the bank, fed what a careless or hostile person types: the documented
// messages in order, or the conversion error, and never a change.
TEST_F(Bank, BadAmountsAreRefusedAndChangeNothing) {
    const BadAmount cases[] = {
        // Borrow: £50000 below the limit.
        {bank.Button2, "0", {kCannotBorrow}},
        {bank.Button2, "-100", {kCannotBorrow}},
        {bank.Button2, "-2147483648", {kCannotBorrow}},
        {bank.Button2, "50001", {kSurpass}},
        {bank.Button2, "2147483647", {kSurpass}},
        {bank.Button2, "99999999999", {}, kNotANumber},
        {bank.Button2, "", {}, kNotANumber},
        {bank.Button2, "5000abc", {}, kNotANumber},
        {bank.Button2, std::nullopt, {}},
        // Repay: £20000 cash against a £100000 loan.
        {bank.Button6, "0", {kCannotRepay}},
        {bank.Button6, "-1", {kCannotRepay}},
        {bank.Button6, "20001", {kNotEnoughToRepay}},
        {bank.Button6, "100001", {kOverRepay, kNotEnoughToRepay}},
        {bank.Button6, "2147483647", {kOverRepay, kNotEnoughToRepay}},
        {bank.Button6, "12.5", {}, kNotANumber},
        {bank.Button6, std::nullopt, {}},
        // Deposit: £20000 cash.
        {bank.Button4, "0", {kCannotDeposit}},
        {bank.Button4, "-20000", {kCannotDeposit}},
        {bank.Button4, "20001", {kNoSuchMoney}},
        {bank.Button4, "2147483647", {kNoSuchMoney}},
        {bank.Button4, "1e6", {}, kNotANumber},
        {bank.Button4, std::nullopt, {}},
        // Withdraw: £5000 saved.
        {bank.Button8, "0", {kCannotWithdraw}},
        {bank.Button8, "-5", {kCannotWithdraw}},
        {bank.Button8, "5001", {kNoSuchSavings}},
        {bank.Button8, "4294967297", {}, kNotANumber},
        {bank.Button8, "five", {}, kNotANumber},
        {bank.Button8, std::nullopt, {}},
    };
    for (const BadAmount& bad : cases)
        expectRefused(bad);
}

TEST_F(Bank, OnlyAChangeThatPassesThirtyTwoBitsOverflowsAndItChangesNothing) {
    s.PlayerSavings[2] = 2147480000;
    show(ScreenId::Bank);
    const GameState before = s;
    expectError("Integer overflow");
    expectError("Integer overflow");
    enter(bank.Button4, "10000");
    click(bank.Button5);
    EXPECT_TRUE(s == before);
    EXPECT_EQ(bank.BalenceS.text, "Balance: £2147480000");
    enter(bank.Button4, "3647");  // exactly to the top
    EXPECT_EQ(s.PlayerSavings[2], 2147483647);
    EXPECT_EQ(takeMessages(), Texts{});
}

// A new company that does nothing in its first turn finds the turn's interest and wages on the
// bank and crew screens of its second.
TEST(BankAfterATurn, ShowsTheInterestTheEndOfTurnCharged) {
    TestGame t;
    t.startNewGame(1, 1);
    t.dialogs.answerConfirm(false);  // no first-turn help
    t.game.act(actionClick(t.game.RankingScreen().BeginTurn));
    t.game.act(actionClick(t.game.PlanetScreen().Button1));
    t.game.act(actionClick(t.game.Travelscr().planetLabel(t.s.PlayerPlanet[1].get())));
    t.game.act(actionClick(t.game.RankingScreen().BeginTurn));
    ASSERT_EQ(t.s.TurnNumber, 2);
    t.game.act(actionClick(t.game.PlanetScreen().Button7));
    const TBank& bank = t.game.Bank();
    EXPECT_EQ(bank.INTL.text, "Interest(Last): £8500");
    EXPECT_EQ(bank.BalenceL.text, "Balance: £108500");
    EXPECT_EQ(bank.INTS.text, "Interest(Last): £0");
    t.game.act(actionClick(bank.Button1));
    t.game.act(actionClick(t.game.PlanetScreen().Button3));
    EXPECT_EQ(t.game.Crew().DebtL.text, "Crew Wages Owed: £1000");
    EXPECT_EQ(t.game.Crew().SentL.text, "Jubilant");
    EXPECT_TRUE(t.dialogs.errors().empty());
}

}  // namespace
