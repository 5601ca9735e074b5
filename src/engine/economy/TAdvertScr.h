#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "../form/Screen.h"

namespace quorvex {

// Twelve tick boxes, one per planet, named after their group: IPlanet1 ... IPlanet12.
class PlanetTicks {
public:
    PlanetTicks(Screen& owner, const std::string& group);
    CheckBox& operator[](int planet) { return *boxes_.at(static_cast<std::size_t>(planet - 1)); }
    const CheckBox& operator[](int planet) const {
        return *boxes_.at(static_cast<std::size_t>(planet - 1));
    }

private:
    std::vector<std::unique_ptr<CheckBox>> boxes_;
};

// Advertising: five campaigns bought at once with one payment, in force from the next world
// update until the company advertises again.
class TAdvertScr final : public Screen {
public:
    explicit TAdvertScr(Game& game);

    // The four campaigns run on planets, in the order of the pages after the passengers' one.
    enum Campaign { IndAmount, RtlAmount, IndDemand, RtlDemand, kCampaigns };

    PageControl PageControl1{
        *this,
        "PageControl1",
        {"Passengers", "Industrial-Amount", "Retail-Amount", "Industrial-Demand", "Retail-Demand"},
        kReadByOthers};

    // "Passengers"
    Label PSExplainL{*this, "PSExplainL",
                     "Use this page to advertise for passengers to pickup next turn"};
    RadioGroup PSMethod{*this, "PSMethod", "Method", methodNames(), [this] { PSMethodClick(); }};
    RadioGroup PSCost{*this, "PSCost", "Cost", {}, kReadByOthers};
    RadioGroup PSPlanet{*this, "PSPlanet", "Planet", {}, kReadByOthers};

    // "Industrial-Amount"
    Label IExplainL{*this, "IExplainL",
                    "Use this page to increase or decrease the amount of Industrial goods avalible "
                    "to buy"};
    RadioGroup IMethod{*this, "IMethod", "Method", methodNames(), [this] { IMethodClick(); }};
    RadioGroup ICost{*this, "ICost", "Cost", {}, kReadByOthers};
    RadioGroup IType{*this, "IType", "Advertising Type", typeNames(), kReadByOthers};
    PlanetTicks IPlanet{*this, "IPlanet"};

    // "Retail-Amount"
    Label RExplainL{*this, "RExplainL",
                    "Use this page to increase or decrease the amount of retail goods avalible to "
                    "buy"};
    RadioGroup RMethod{*this, "RMethod", "Method", methodNames(), [this] { RMethodClick(); }};
    RadioGroup RCost{*this, "RCost", "Cost", {}, kReadByOthers};
    RadioGroup RType{*this, "RType", "Advertising Type", typeNames(), kReadByOthers};
    PlanetTicks RPlanet{*this, "RPlanet"};

    // "Industrial-Demand"
    Label IExplainBL{*this, "IExplainBL",
                     "Use this page to increase or decrease the amount of demand for Industrial "
                     "goods"};
    RadioGroup IMethodB{*this, "IMethodB", "Method", methodNames(), [this] { IMethodBClick(); }};
    RadioGroup ICostB{*this, "ICostB", "Cost", {}, kReadByOthers};
    RadioGroup ITypeB{*this, "ITypeB", "Advertising Type", typeNames(), kReadByOthers};
    PlanetTicks IPlanetB{*this, "IPlanetB"};

    // "Retail-Demand"
    Label RExplainBL{*this, "RExplainBL",
                     "Use this page to increase or decrease the amount of demand for retail goods"};
    RadioGroup RMethodB{*this, "RMethodB", "Method", methodNames(), [this] { RMethodBClick(); }};
    RadioGroup RCostB{*this, "RCostB", "Cost", {}, kReadByOthers};
    RadioGroup RTypeB{*this, "RTypeB", "Advertising Type", typeNames(), kReadByOthers};
    PlanetTicks RPlanetB{*this, "RPlanetB"};

    Label CashL{*this, "CashL"};
    Label PsngrCostL{*this, "PsngrCostL"};
    Label IndAmountCostL{*this, "IndAmountCostL"};
    Label RtlAmountCostL{*this, "RtlAmountCostL"};
    Label IndDemandCostL{*this, "IndDemandCostL"};
    Label RtlDemandCostL{*this, "RtlDemandCostL"};
    Label TotalCostL{*this, "TotalCostL"};

    Button Button3{*this, "Button3", "Calculate Cost", [this] { Button3Click(); }};
    Button Button2{*this, "Button2", "Advertise", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Help", [this] { Button1Click(); }};
    Button Button4{*this, "Button4", "Continue", [this] { Button4Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void AUpdate();
    void PSMethodClick();
    void IMethodClick();
    void RMethodClick();
    void IMethodBClick();
    void RMethodBClick();
    void Button3Click();  // Calculate Cost
    void Button2Click();  // Advertise
    void Button1Click();  // Help
    void Button4Click();  // Continue

private:
    static std::vector<std::string> methodNames();
    static std::vector<std::string> typeNames();

    // One planet campaign's page.
    struct Page {
        RadioGroup& method;
        RadioGroup& cost;
        RadioGroup& type;
        PlanetTicks& planets;
    };
    Page page(int campaign);

    // What the pages' choices cost, as last calculated: the screen's working values. A page left
    // incomplete costs nothing here; the refusals of the calculation say which.
    struct Quote {
        Int passengers;
        struct OnPlanets {
            Int perPlanet, planets, cost;
            bool good = true;
            std::array<bool, kPlanets> ticked{};
        };
        std::array<OnPlanets, kCampaigns> campaigns{};
        Int total;
    };

    // Works out the cost of every page, telling the person of each page left incomplete; the
    // incomplete pages are refused.
    Quote calculate(Refusals& no);
    Quote::OnPlanets quotePage(int campaign, Refusals& no);
    // Stores the campaigns of a complete, affordable quote and takes the payment.
    void place(const Quote& q);
    void chooseMethod(RadioGroup& method, RadioGroup& cost, PerCompany GameState::*stored);

    Quote quote_;
    // The company the passenger page's choices were made for: they carry over to its next visit,
    // never to another company's.
    Int passengerPageOf_;
};

}  // namespace quorvex
