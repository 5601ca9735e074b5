#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The planet hub: the home screen of a human company's turn, the door to every other screen.
class TPlanetScreen final : public Screen {
public:
    explicit TPlanetScreen(Game& game);

    Label TitleL{*this, "TitleL", "Quorvex"};
    Label PLanetL{*this, "PLanetL"};
    Label DestL{*this, "DestL"};
    Label Label1{*this, "Label1", "Cash: £"};
    Label Label2{*this, "Label2", "Loan: £"};
    Label Label3{*this, "Label3", "Credit Limit: £"};
    Label Label4{*this, "Label4", "Savings: £"};
    Label Label5{*this, "Label5", "Passengers"};
    Label Label6{*this, "Label6", "Destination"};
    Edit CashL{*this, "CashL", {}, true};
    Edit LoanL{*this, "LoanL", {}, true};
    Edit CreditL{*this, "CreditL", {}, true};
    Edit SAvsL{*this, "SAvsL", {}, true};
    Edit PassL{*this, "PassL", {}, true};

    Button Button9{*this, "Button9", "Market"};
    Button Button15{*this, "Button15", "Demand"};
    Button Button18{*this, "Button18", "Cargo"};
    Button Button5{*this, "Button5", "Warehouses"};
    Button Button6{*this, "Button6", "Production"};
    Button Button8{*this, "Button8", "Manufacturing"};
    Button Button12{*this, "Button12", "Sales Office"};
    Button Button14{*this, "Button14", "Production-info"};
    Button Button11{*this, "Button11", "Good Info"};
    Button Button17{*this, "Button17", "Advertising"};
    Button Button7{*this, "Button7", "Bank"};
    Button Button2{*this, "Button2", "Fuel"};
    Button Button3{*this, "Button3", "Crew"};
    Button Button10{*this, "Button10", "Ship"};
    Button Button456{*this, "Button456", "Passengers"};
    Button Button16{*this, "Button16", "Planet Info"};
    Button Button1{*this, "Button1", "GO"};
    Button Button4{*this, "Button4", "Help"};
    Button Button13{*this, "Button13", "Close"};

    void FormShow() override;
    void Button4Click();   // Help
    void Button13Click();  // Close

private:
    void opens(Button& button, ScreenId target);
};

}  // namespace quorvex
