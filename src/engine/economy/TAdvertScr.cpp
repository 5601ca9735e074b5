#include "TAdvertScr.h"

#include <initializer_list>
#include <utility>

#include "../form/Game.h"
#include "../state/Format.h"

namespace quorvex {
namespace {

// What each method can cost, cheapest first; None costs nothing. The strength of a campaign is
// the method's number times ten plus the place of its cost here: 43 % for radio at £12500.
const std::vector<int>& costChoices(int method) {
    static const std::vector<int> kCosts[] = {
        {0},
        {1500, 2000, 2500, 3000, 4000, 5000},
        {2500, 3500, 4500, 5500, 6500, 7500},
        {3000, 4000, 5000, 6000, 8000, 10000},
        {5000, 7500, 10000, 12500, 15000, 17500},
        {10000, 12500, 15000, 17500, 20000, 25000},
    };
    return kCosts[method];
}

// The chosen method's chosen cost, and the strength it buys; both choices made.
Int chosenAmount(const Choice& method, const Choice& cost) {
    return costChoices(method.itemIndex).at(static_cast<std::size_t>(cost.itemIndex));
}
Int strength(const Choice& method, const Choice& cost) {
    return method.itemIndex * 10 + cost.itemIndex;
}

// The first choice of a page left empty, in the order the person makes them; none when all are
// made.
const char* firstMissing(std::initializer_list<std::pair<const Choice*, const char*>> checks) {
    for (const auto& [choice, complaint] : checks)
        if (choice->itemIndex < 0) return complaint;
    return nullptr;
}

// Where a planet campaign is kept in the store, and what the person is told of its page.
struct CampaignRecord {
    PerCompany GameState::*method;
    PerCompany GameState::*costPerPlanet;
    PerCompany GameState::*cost;
    PerCompany GameState::*strength;
    Array<Bool, kCompanies> GameState::*good;
    Array<Bool, kCompanies, kPlanets> GameState::*planets;
    const char* noMethod;
    const char* noMoney;
    const char* noType;
    const char* noPlanet;
};

const CampaignRecord kRecords[TAdvertScr::kCampaigns] = {
    {&GameState::AdvIndAmountMethod, &GameState::AdvIndAmountCostPerPlanet,
     &GameState::AdvIndAmountCost, &GameState::AdvIndAmountStrength, &GameState::AdvIndAmountGood,
     &GameState::AdvIndAmountPlanets,
     "You have not selected a method of advertising for your industrial advertising",
     "You have not selected an money to spend on industrial advertising",
     "Yuo have not selected a type of advertising for your industrial advertising",
     "You have not selected a planet to do your industrial advertising on this means that no "
     "advertising in this area will be done!"},
    {&GameState::AdvRtlAmountMethod, &GameState::AdvRtlAmountCostPerPlanet,
     &GameState::AdvRtlAmountCost, &GameState::AdvRtlAmountStrength, &GameState::AdvRtlAmountGood,
     &GameState::AdvRtlAmountPlanets,
     "You have not selected a method of advertising for your retail advertising",
     "You have not selected an money to spend on retail advertising",
     "You have not selected a type of advertising for your retail advertising",
     "You have not selected a planet to do your retail advertising on this means that no "
     "advertising in this area will be done!"},
    {&GameState::AdvIndDemandMethod, &GameState::AdvIndDemandCostPerPlanet,
     &GameState::AdvIndDemandCost, &GameState::AdvIndDemandStrength, &GameState::AdvIndDemandGood,
     &GameState::AdvIndDemandPlanets,
     "You have not selected a method of advertising for your industrial demand advertising",
     "You have not selected an money to spend on industrial demand advertising",
     "You have not selected a type of advertising for your industrial demand advertising",
     "You have not selected a planet to do your industrial demand advertising on this means that "
     "no advertising in this area will be done!"},
    {&GameState::AdvRtlDemandMethod, &GameState::AdvRtlDemandCostPerPlanet,
     &GameState::AdvRtlDemandCost, &GameState::AdvRtlDemandStrength, &GameState::AdvRtlDemandGood,
     &GameState::AdvRtlDemandPlanets,
     "You have not selected a method of advertising for your retail demand advertising",
     "You have not selected an money to spend on retail demand advertising",
     "You have not selected a type of advertising for your retail demand advertising",
     "You have not selected a planet to do your retail demand advertising on this means that no "
     "advertising in this area will be done!"},
};

// The cost list of a method: its six amounts (one for None), or nothing without a method.
std::vector<std::string> costCaptions(int method) {
    std::vector<std::string> captions;
    if (method < 0) return captions;
    for (int amount : costChoices(method))
        captions.push_back(cat("£", amount));
    return captions;
}

// A page back to None at "£0".
void chooseNone(RadioGroup& method, RadioGroup& cost) {
    method.itemIndex = 0;
    cost.items = costCaptions(0);
    cost.itemIndex = 0;
}

}  // namespace

PlanetTicks::PlanetTicks(Screen& owner, const std::string& group) {
    for (int t = 1; t <= kPlanets; ++t)
        boxes_.push_back(std::make_unique<CheckBox>(owner, cat(group, t), "", kReadByOthers));
}

TAdvertScr::TAdvertScr(Game& game) : Screen(game, ScreenId::AdvertScr, "Advertising") {}

std::vector<std::string> TAdvertScr::methodNames() {
    return {"None", "Flyer", "Billboard", "Newspaper", "Radio", "T.V."};
}

std::vector<std::string> TAdvertScr::typeNames() {
    return {"Good", "Bad "};
}

TAdvertScr::Page TAdvertScr::page(int campaign) {
    switch (campaign) {
        case IndAmount:
            return {IMethod, ICost, IType, IPlanet};
        case RtlAmount:
            return {RMethod, RCost, RType, RPlanet};
        case IndDemand:
            return {IMethodB, ICostB, ITypeB, IPlanetB};
        default:
            return {RMethodB, RCostB, RTypeB, RPlanetB};
    }
}

void TAdvertScr::FormShow() {
    quote_ = {};
    AUpdate();
    const GameState& st = s();
    PSPlanet.items.clear();
    for (int t = 1; t <= kPlanets; ++t)
        PSPlanet.items.push_back(st.PlanetName[t]);
    PSPlanet.itemIndex = 0;
    for (int k = 0; k < kCampaigns; ++k) {
        Page p = page(k);
        chooseNone(p.method, p.cost);
        p.type.itemIndex = 0;
        for (int t = 1; t <= kPlanets; ++t) {
            p.planets[t].caption = st.PlanetName[t];
            p.planets[t].checked = t == 1;
        }
    }
    // The passenger page keeps its choices for the company that made them, but another company
    // starts from None: nobody should pay for choices somebody else left there.
    if (passengerPageOf_ != me()) {
        chooseNone(PSMethod, PSCost);
        passengerPageOf_ = me();
    }
}

void TAdvertScr::AUpdate() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    PsngrCostL.text = cat("Passengers cost: £", quote_.passengers);
    IndAmountCostL.text = cat("Industrial amount cost: £", quote_.campaigns[IndAmount].cost);
    RtlAmountCostL.text = cat("Retail amount cost: £", quote_.campaigns[RtlAmount].cost);
    IndDemandCostL.text = cat("Industrial demand cost: £", quote_.campaigns[IndDemand].cost);
    RtlDemandCostL.text = cat("Retail demand cost: £", quote_.campaigns[RtlDemand].cost);
    TotalCostL.text = cat("Total cost: £", quote_.total);
    Button2.enabled = !st.AdvDone[c];
}

void TAdvertScr::chooseMethod(RadioGroup& method, RadioGroup& cost, PerCompany GameState::*stored) {
    cost.items = costCaptions(method.itemIndex);
    cost.itemIndex = -1;  // a new method needs its amount chosen
    if (method.itemIndex >= 0) (s().*stored)[me()] = method.itemIndex;
}

void TAdvertScr::PSMethodClick() {
    chooseMethod(PSMethod, PSCost, &GameState::AdvPsngrMethod);
}
void TAdvertScr::IMethodClick() {
    chooseMethod(IMethod, ICost, kRecords[IndAmount].method);
}
void TAdvertScr::RMethodClick() {
    chooseMethod(RMethod, RCost, kRecords[RtlAmount].method);
}
void TAdvertScr::IMethodBClick() {
    chooseMethod(IMethodB, ICostB, kRecords[IndDemand].method);
}
void TAdvertScr::RMethodBClick() {
    chooseMethod(RMethodB, RCostB, kRecords[RtlDemand].method);
}

TAdvertScr::Quote::OnPlanets TAdvertScr::quotePage(int campaign, Refusals& no) {
    const CampaignRecord& record = kRecords[campaign];
    Page p = page(campaign);
    Quote::OnPlanets q;
    const char* missing = firstMissing(
        {{&p.method, record.noMethod}, {&p.cost, record.noMoney}, {&p.type, record.noType}});
    if (missing != nullptr) {
        no.refuseIf(true, missing);
        return q;
    }
    for (int t = 1; t <= kPlanets; ++t) {
        q.ticked[t - 1] = p.planets[t].checked;
        if (q.ticked[t - 1]) q.planets += 1;
    }
    // Only a warning: a campaign on no planet costs nothing and may still be placed.
    if (q.planets == 0) message(record.noPlanet);
    q.perPlanet = chosenAmount(p.method, p.cost);
    q.cost = q.perPlanet * q.planets;
    q.good = p.type.itemIndex == 0;
    return q;
}

TAdvertScr::Quote TAdvertScr::calculate(Refusals& no) {
    Quote q;
    const char* missing = firstMissing(
        {{&PSMethod,
          "You have not selected a method of advertising for your passenger advertising"},
         {&PSCost, "You have not selected an money to spend on passenger advertising"},
         {&PSPlanet, "You have not selected a planet to do your passenger advertising on"}});
    no.refuseIf(missing != nullptr, missing != nullptr ? missing : "");
    if (missing == nullptr) {
        q.passengers = chosenAmount(PSMethod, PSCost);
        q.total += q.passengers;
    }
    for (int k = 0; k < kCampaigns; ++k) {
        q.campaigns[k] = quotePage(k, no);
        q.total += q.campaigns[k].cost;
    }
    return q;
}

void TAdvertScr::Button3Click() {
    Refusals shown = refusals();
    quote_ = calculate(shown);
    AUpdate();
}

void TAdvertScr::Button2Click() {
    Refusals no = refusals();
    const Quote q = calculate(no);
    no.refuseIf(s().PlayerCash[me()] < q.total,
                "You can not afford to do this amount of advertising");
    if (!no.any()) place(q);
    quote_ = q;
    AUpdate();
}

void TAdvertScr::place(const Quote& q) {
    GameState& st = s();
    const Int c = me();
    st.AdvPsngrMethod[c] = PSMethod.itemIndex;
    st.AdvPsngrCost[c] = q.passengers;
    st.AdvPsngrPlanet[c] = PSPlanet.itemIndex;
    st.AdvPsngrStrength[c] = strength(PSMethod, PSCost);
    for (int k = 0; k < kCampaigns; ++k) {
        const CampaignRecord& record = kRecords[k];
        const Quote::OnPlanets& on = q.campaigns[k];
        Page p = page(k);
        (st.*record.method)[c] = p.method.itemIndex;
        (st.*record.costPerPlanet)[c] = on.perPlanet;
        (st.*record.cost)[c] = on.cost;
        (st.*record.strength)[c] = strength(p.method, p.cost);
        (st.*record.good)[c] = on.good;
        // The planets change with the rest of the campaign, when it is paid for: working out a
        // price must not move a campaign already running.
        for (int t = 1; t <= kPlanets; ++t)
            (st.*record.planets)(c, t) = on.ticked[t - 1];
    }
    st.PlayerCash[c] -= q.total;
    st.AdvDone[c] = true;
}

void TAdvertScr::Button1Click() {
    messages(
        {"Advertise to: increase the number of passengers you can pickup next turn, Increase or "
         "decrease the amount of Retail and industrial goods that you can pickup next turn, "
         "Increase or decrease the demand for retail and industrial goods.",
         "To advertise first select the method of advertising that you want to use, then select "
         "the amount of money that you wish to spend on the advertising, then you will need to "
         "select whether you want the advertising to be good(increase) or bad(decrease) then "
         "select 1 or more planets to advertise on. Repeat this for each of the tabbed pages, "
         "then click the Calculate Cost button to check you are happy with the price, then click "
         "advertise.",
         "Remember you do not have to advertise on each planet or spend money on each form of "
         "advetising (to do this just select none on the method of advertising)"});
}

void TAdvertScr::Button4Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
