#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The bank: moves money between cash, the loan and savings. Interest is charged at the end of a
// turn, not here.
class TBank final : public Screen {
public:
    explicit TBank(Game& game);

    Label CashL{*this, "CashL"};
    // The loan side.
    Label BalenceL{*this, "BalenceL"};
    Label IntRL{*this, "IntRL"};
    Label INTL{*this, "INTL"};
    Label CrdlmtL{*this, "CrdlmtL"};
    Button Button2{*this, "Button2", "Borrow", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Borrow Max", [this] { Button3Click(); }};
    Button Button6{*this, "Button6", "Repay", [this] { Button6Click(); }};
    Button Button7{*this, "Button7", "Repay Max", [this] { Button7Click(); }};
    // The savings side.
    Label BalenceS{*this, "BalenceS"};
    Label INTRS{*this, "INTRS"};
    Label INTS{*this, "INTS"};
    Button Button4{*this, "Button4", "Deposit", [this] { Button4Click(); }};
    Button Button5{*this, "Button5", "Deposit Max", [this] { Button5Click(); }};
    Button Button8{*this, "Button8", "Withdraw", [this] { Button8Click(); }};
    Button Button9{*this, "Button9", "Withdraw Max", [this] { Button9Click(); }};

    Button Button10{*this, "Button10", "HELP!", [this] { Button10Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void BUpdate();
    void Button2Click();   // Borrow
    void Button3Click();   // Borrow Max
    void Button6Click();   // Repay
    void Button7Click();   // Repay Max
    void Button4Click();   // Deposit
    void Button5Click();   // Deposit Max
    void Button8Click();   // Withdraw
    void Button9Click();   // Withdraw Max
    void Button10Click();  // HELP!
    void Button1Click();   // Continue

    // The largest repayment: the whole loan when the cash covers it, otherwise the cash.
    Int Loanrepay() const;

private:
    // Deposit and withdraw: money typed into a box moves from one balance to the other.
    struct MoveTexts {
        const char* nothingToMove;
        const char* caption;
        const char* prompt;
        const char* notValid;
        const char* tooMuch;
    };
    void moveMoney(Int& from, Int& to, const MoveTexts& texts);
};

}  // namespace quorvex
