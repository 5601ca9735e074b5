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

    Button Button9{*this, "Button9", "Market", opening(ScreenId::MarketScr)};
    Button Button15{*this, "Button15", "Demand", opening(ScreenId::DemandScr)};
    Button Button18{*this, "Button18", "Cargo", opening(ScreenId::CargoScr)};
    Button Button5{*this, "Button5", "Warehouses", opening(ScreenId::Warescr)};
    Button Button6{*this, "Button6", "Production", opening(ScreenId::Production)};
    Button Button8{*this, "Button8", "Manufacturing", opening(ScreenId::Manufacturing)};
    Button Button12{*this, "Button12", "Sales Office", opening(ScreenId::Salesoffice)};
    Button Button14{*this, "Button14", "Production-info", opening(ScreenId::ProductionInfo)};
    Button Button11{*this, "Button11", "Good Info", opening(ScreenId::GDInfo)};
    Button Button17{*this, "Button17", "Advertising", opening(ScreenId::AdvertScr)};
    Button Button7{*this, "Button7", "Bank", opening(ScreenId::Bank)};
    Button Button2{*this, "Button2", "Fuel", opening(ScreenId::Fuel)};
    Button Button3{*this, "Button3", "Crew", opening(ScreenId::Crew)};
    Button Button10{*this, "Button10", "Ship", opening(ScreenId::Ship)};
    Button Button456{*this, "Button456", "Passengers", opening(ScreenId::Psngrs)};
    Button Button16{*this, "Button16", "Planet Info", opening(ScreenId::Planet)};
    Button Button1{*this, "Button1", "GO", opening(ScreenId::Travelscr)};
    Button Button4{*this, "Button4", "Help", [this] { Button4Click(); }};
    Button Button13{*this, "Button13", "Close", [this] { Button13Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void Button4Click();   // Help
    void Button13Click();  // Close

private:
    // Each opening button shows its screen first and then hides the hub.
    Handler opening(ScreenId target) {
        return [this, target] { handOver(target); };
    }
};

}  // namespace quorvex
