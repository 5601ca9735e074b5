#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Crew wages: what the crew is owed, paying it, and the crew's mood.
class TCrew final : public Screen {
public:
    explicit TCrew(Game& game);

    Label CashL{*this, "CashL"};
    Label WageL{*this, "WageL"};
    Label CrewL{*this, "CrewL"};
    Label DebtL{*this, "DebtL"};
    Label TotalL{*this, "TotalL"};
    Label SentL{*this, "SentL"};
    Button Button1{*this, "Button1", "Pay Crew", [this] { Button1Click(); }};
    Button Button4{*this, "Button4", "Pay Max", [this] { Button4Click(); }};
    Button Button2{*this, "Button2", "HELP", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Continue", [this] { Button3Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void CUpdate();
    void Button1Click();  // Pay Crew
    void Button4Click();  // Pay Max
    void Button2Click();  // HELP
    void Button3Click();  // Continue

private:
    // All that is owed when the cash covers it, otherwise the cash.
    Int maximumPayment() const;
};

}  // namespace quorvex
