#include "TBank.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "BankRules.h"

namespace quorvex {

TBank::TBank(Game& game) : Screen(game, ScreenId::Bank, "Bank") {}

void TBank::FormShow() {
    if (guidanceOn())
        messages(
            {"You start the game with a £100,000 loan on which you are charged interest it is a "
             "good idea at the end of each turn to pay off as much of this loan as you can by "
             "pressing the Repay Max button.",
             "If you have any money left once you have paid off your loan then you can save it "
             "by clicking the deposit max button",
             "If at any time you need more money you can always borrow more money up to your "
             "credit limit"});
    BUpdate();
}

void TBank::BUpdate() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = cat("Cash: £", st.PlayerCash[c]);
    BalenceL.text = cat("Balance: £", st.PlayerLoan[c]);
    IntRL.text = cat("Interest Rate: ", st.LoanInterestRate[c], "%");
    INTL.text = cat("Interest(Last): £", st.LoanInterest[c]);
    CrdlmtL.text = cat("Credit Limit: £", st.PlayerCreditLimit[c]);
    BalenceS.text = cat("Balance: £", st.PlayerSavings[c]);
    INTRS.text = cat("Interest Rate: ", st.SavingsInterestRate[c], "%");
    INTS.text = cat("Interest(Last): £", st.SavingsInterest[c]);
}

Int TBank::Loanrepay() const {
    return largestPayment(s().PlayerLoan[me()], s().PlayerCash[me()]);
}

void TBank::Button2Click() {
    GameState& st = s();
    const Int c = me();
    Int& loan = st.PlayerLoan[c];
    const Int limit = st.PlayerCreditLimit[c];
    if (loan >= limit) {
        message("You have reached your credit limit, You cannot borrow anymore money");
        return;
    }
    const auto n = askInt("Borrowing", "How much money do you want to borrow?", limit - loan);
    if (!n) return;
    Refusals no = refusals();
    no.refuseIf(*n <= 0, "This is not a valid number, you can not borrow this amount");
    no.refuseIf(n->wide() > limit.wide() - loan.wide(),
                "Borrowing this amnount would surpass your credit limit");
    if (no.any()) return;
    loan += *n;
    st.PlayerCash[c] += *n;
    BUpdate();
}

void TBank::Button3Click() {
    GameState& st = s();
    const Int c = me();
    // Above the limit the difference is negative: the loan comes down to the limit out of cash.
    st.PlayerCash[c] += st.PlayerCreditLimit[c] - st.PlayerLoan[c];
    st.PlayerLoan[c] = st.PlayerCreditLimit[c];
    BUpdate();
}

void TBank::Button6Click() {
    GameState& st = s();
    const Int c = me();
    Int& loan = st.PlayerLoan[c];
    Int& cash = st.PlayerCash[c];
    Refusals nothingToDo = refusals();
    nothingToDo.refuseIf(loan == 0, "You have no loan to repay!");
    nothingToDo.refuseIf(cash == 0, "You have no money with which to repay your loan!");
    if (nothingToDo.any()) return;
    const auto n = askInt("Repay Loan", "How much of your loan do you want to repay?", Loanrepay());
    if (!n) return;
    Refusals no = refusals();
    no.refuseIf(*n <= 0, "This is not a valid number, you cannot repay this amount");
    no.refuseIf(*n > loan, "You can not repay this amount as you would over repay your loan");
    no.refuseIf(*n > cash, "You do not have enough money to repay this amount");
    if (no.any()) return;
    loan -= *n;
    cash -= *n;
    BUpdate();
}

void TBank::Button7Click() {
    GameState& st = s();
    const Int c = me();
    // Without money there is nothing to repay with: the loan must never grow here.
    if (st.PlayerCash[c] <= 0) return;
    const Int m = Loanrepay();
    st.PlayerLoan[c] -= m;
    st.PlayerCash[c] -= m;
    BUpdate();
}

void TBank::Button4Click() {
    moveMoney(s().PlayerCash[me()], s().PlayerSavings[me()],
              {"You have no money to deposit", "Deposit", "How much money do you want to deposit?",
               "This is not a valid number, you can not deposit this amount",
               "You do not have this amount of money to deposit"});
}

void TBank::Button5Click() {
    GameState& st = s();
    const Int c = me();
    // A debt in cash is not a deposit: nothing moves.
    if (st.PlayerCash[c] <= 0) return;
    st.PlayerSavings[c] += st.PlayerCash[c];
    st.PlayerCash[c] = 0;
    BUpdate();
}

void TBank::Button8Click() {
    moveMoney(
        s().PlayerSavings[me()], s().PlayerCash[me()],
        {"You have no savings to withdraw", "Withdraw", "How much money do you want to withdraw?",
         "This is not a valid number, you can not withdraw this amount",
         "You do not have this amount of savings to withdraw"});
}

void TBank::moveMoney(Int& from, Int& to, const MoveTexts& texts) {
    if (from <= 0) {
        message(texts.nothingToMove);
        return;
    }
    const auto n = askInt(texts.caption, texts.prompt, from);
    if (!n) return;
    Refusals no = refusals();
    no.refuseIf(*n <= 0, texts.notValid);
    no.refuseIf(*n > from, texts.tooMuch);
    if (no.any()) return;
    from -= *n;
    to += *n;  // the one change that may pass 32 bits: then nothing has moved
    BUpdate();
}

void TBank::Button9Click() {
    GameState& st = s();
    const Int c = me();
    st.PlayerCash[c] += st.PlayerSavings[c];
    st.PlayerSavings[c] = 0;
    BUpdate();
}

void TBank::Button10Click() {
    messages({"The left hand side of this screen handles your loan",
              "The right hand side of this screen handles your savings",
              "The amount of your loan and savings are shown under balence",
              "Every turn you are charged intrest on your loan which is added to your loan "
              "balence, to see how much intrest you were charged last turn look at the intrest "
              "label on the loan side of the screen",
              "Your credit limit is the maxium you can borrow, If you go over this amount and have "
              "no means to pay off your loan then you will be bankrupt and out of the game!",
              "Use the Borrow and Borrow Max buttons to increase your loan",
              "Use the Repay and Repay Max buttons to decrease your loan",
              "Use the Deposit and Deposit Max buttons to increase your savings",
              "Use the Withdraw and Withdraw Max buttons to decrease your savings"});
}

void TBank::Button1Click() {
    if (guidanceOn())
        messages(
            {"From the next turn onwards you will need to buy fuel and pay your crew by "
             "clicking the fuel and crew buttons",
             "You can now leave the planet by clicking the go button"});
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
