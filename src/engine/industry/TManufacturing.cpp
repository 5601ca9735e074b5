#include "TManufacturing.h"

#include <string>

#include "../economy/Manufacturing.h"
#include "../economy/SalesOffice.h"
#include "../form/Game.h"
#include "../state/Format.h"

namespace quorvex {
namespace {

constexpr int kProductionPage = 0;
constexpr int kFirstProductRow = 2;  // rows 0 and 1 hold the two-line headings
constexpr int kOutputCols = 6;       // output, amount, cost, overall cost, weight, units
constexpr int kColsPerInput = 4;     // input, amount, weight, cost

// A figure per unit of the product and for the whole level: "250/2500".
std::string perUnitAndTotal(Wide perUnit, Wide total) {
    return wideStr(perUnit) + "/" + wideStr(total);
}

}  // namespace

TManufacturing::TManufacturing(Game& game)
    : Screen(game, ScreenId::Manufacturing, "Manufacturing") {}

void TManufacturing::FormShow() {
    planet_ = s().PlayerPlanet[me()];
    // Each showing starts with no product chosen, so nobody changes a level picked earlier
    // (perhaps by another company).
    Factory.clearSelection();
    // The buttons follow what the screen shows now: units trade on the ship's planet, levels
    // change on the production tab.
    Buy.enabled = Sell.enabled = true;
    PageControl1Change();
    ManUpdate();
}

int64_t TManufacturing::freeUnits() const {
    return s().FactoryUnits(me(), planet_).wide() - s().FactoryUsedUnits(me(), planet_).wide();
}

void TManufacturing::ManUpdate() {
    fillLabels();
    Factory.blank();
    fillHeadings();
    Totals totals;
    for (int r = 1; r <= kRecipes; ++r)
        s().FactoryCost(me(), planet_, r) = 0;
    for (int r = 1; r <= kRecipes; ++r)
        fillProduct(r, totals);
    fillTotals(totals);
}

void TManufacturing::fillLabels() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    PLanetL.text = cat("Planet: ", st.PlanetName[planet_]);
    YourOnL.text = cat("Your On: ", st.PlanetName[st.PlayerPlanet[c]]);
    const std::string units = cat("Factoy Units: ", st.FactoryUnits(c, planet_));
    const std::string free = "Free Factory Units: " + std::to_string(freeUnits());
    FactUnitsLb.text = FactUnitsL.text = FactUnitsLc.text = units;
    FreFactUnitLb.text = FreFactUnitL.text = FreFactUnitLc.text = free;
    FactCost.text = cat("Cost per Unit: ", st.PlanetFactoryPrice[planet_]);
    AvailableL.text = cat("Available: ", st.PlanetFactoryAvailable[planet_]);

    PLanetList.items.clear();
    for (int p = 1; p <= kPlanets; ++p)
        PLanetList.items.push_back(st.PlanetName[p]);
    PLanetList.itemIndex = planet_.get() - 1;
}

void TManufacturing::fillHeadings() {
    const char* outputHeadings[kOutputCols][2] = {{"Output", ""},       {"Amount", ""},
                                                  {"Cost/", "Total"},   {"Overall", "Cost"},
                                                  {"Weight/", "Total"}, {"Units/", "Total"}};
    for (int col = 0; col < kOutputCols; ++col) {
        Factory.setCell(col, 0, outputHeadings[col][0]);
        if (*outputHeadings[col][1] != '\0') Factory.setCell(col, 1, outputHeadings[col][1]);
    }
    const char* inputNames[kRecipeInputSlots] = {"Input 1", "Input 2", "Input 3", "Input 4"};
    const char* inputHeadings[kColsPerInput] = {"", "Amount/", "Weight/", "Cost/"};
    for (int i = 1; i <= kRecipeInputSlots; ++i) {
        const int first = kOutputCols + (i - 1) * kColsPerInput;
        Factory.setCell(first, 0, inputNames[i - 1]);
        for (int k = 1; k < kColsPerInput; ++k) {
            Factory.setCell(first + k, 0, inputHeadings[k]);
            Factory.setCell(first + k, 1, "Total");
        }
    }
}

// One product's row: its output, then each input it takes, each figure per unit made and for
// the whole level. The product's overall cost (making it plus buying its inputs here) is stored.
void TManufacturing::fillProduct(Int r, Totals& totals) {
    GameState& st = s();
    const Int c = me();
    const int row = r.get() + kFirstProductRow - 1;
    const Int level = st.FactoryAmount(c, planet_, r);
    const Int output = st.RecipeOutput[r];

    Factory.setCell(0, row, st.GoodName[output]);
    Factory.setCell(1, row, str(level));
    const Wide rate = manufacturingRate(st, r, level).wide();
    const Wide making = manufacturingRunCost(st, r, level);
    Factory.setCell(2, row, perUnitAndTotal(rate, making));
    Wide overall = making;
    totals.manufacturing += making;
    const Wide outputTons = goodTons(st, output, level.wide());
    Factory.setCell(4, row, cat(str(st.GoodWeight[output]), "/", wideStr(outputTons)));
    totals.outputWeight += outputTons;
    const Wide units = st.RecipeUnits[r].wide();
    Factory.setCell(5, row, perUnitAndTotal(units, units * level.wide()));

    for (int i = 1; i <= kRecipeInputSlots; ++i) {
        const Int input = recipeInput(st, r, i);
        if (input == 0) continue;  // no such input: its four cells stay blank
        const int first = kOutputCols + (i - 1) * kColsPerInput;
        const int64_t perUnit = recipeInputQty(st, r, i).wide();
        const int64_t needed = perUnit * level.wide();
        Factory.setCell(first, row, st.GoodName[input]);
        Factory.setCell(first + 1, row, perUnitAndTotal(perUnit, needed));
        const Wide inputTons = goodTons(st, input, needed);
        Factory.setCell(first + 2, row, perUnitAndTotal(goodTons(st, input, perUnit), inputTons));
        totals.inputWeight += inputTons;
        // An industrial input is priced at the band of the production level, however much of
        // it the level takes.
        const Wide price = unitPrice(st, c, planet_, input, level.wide()).wide();
        Factory.setCell(first + 3, row, perUnitAndTotal(price * perUnit, price * needed));
        overall += price * needed;
    }

    st.FactoryCost(c, planet_, r) = clampToInt(overall);
    Factory.setCell(3, row, wideStr(overall));
    totals.overall += overall;
}

void TManufacturing::fillTotals(const Totals& totals) {
    TotalOverCostL.text = "Total Overall Cost: £" + wideStr(totals.overall);
    TotalManCostL.text = "Total Manufacturing Cost: £" + wideStr(totals.manufacturing);
    TotalinputCostL.text = "Total Input Cost: £" + wideStr(totals.overall - totals.manufacturing);
    // The weights are headed with "£" too, as the screen always had them.
    TotalOutWeightL.text = "Total Output Weight: £" + wideStr(totals.outputWeight);
    TotalInWeightL.text = "Total Input Weight: £" + wideStr(totals.inputWeight);
}

void TManufacturing::PLanetListClick() {
    // An empty choice leaves the planet as it was; the list shows it chosen again.
    if (PLanetList.itemIndex >= 0) {
        planet_ = PLanetList.itemIndex + 1;
        // Factory units trade only where the ship is.
        Buy.enabled = Sell.enabled = planet_ == s().PlayerPlanet[me()];
    }
    ManUpdate();
}

void TManufacturing::PageControl1Change() {
    const bool production = PageControl1.activePage == kProductionPage;
    Setit.enabled = UpBy.enabled = DownBy.enabled = production;
}

void TManufacturing::BuyClick() {
    GameState& st = s();
    const Int c = me();
    const Int q = readInt(BuyAmount.text);
    const int64_t cost = st.PlanetFactoryPrice[planet_].wide() * q.wide();

    Refusals no = refusals();
    no.refuseIf(q <= 0, "This is not a valid number, you can not buy this amount.");
    no.refuseIf(q > st.PlanetFactoryAvailable[planet_],
                "You cannot buy this amount as there is not enough of it");
    no.refuseIf(cost > st.PlayerCash[c].wide(),
                "You cannot afford to buy this amount of factory units");
    if (!no.any() &&
        confirm(cat("Buying ", q, " factory units will", " cost you £", std::to_string(cost),
                    ". Are you sure you want to buy this amount", " of factory units?"))) {
        st.PlayerCash[c] -= Int::fromWide(cost);
        st.FactoryUnits(c, planet_) += q;
    }
    ManUpdate();
}

void TManufacturing::SellClick() {
    GameState& st = s();
    const Int c = me();
    const Int q = readInt(BuyAmount.text);
    const int64_t income = st.PlanetFactoryPrice[planet_].wide() * q.wide();

    Refusals no = refusals();
    no.refuseIf(q <= 0, "This is not a valid number, you can not sell this amount.");
    no.refuseIf(q.wide() > freeUnits(),
                "You cannot sell this amount of factory space as some of it is in use.");
    if (!no.any() &&
        confirm(cat("Selling ", q, " factory units will", " make you £", std::to_string(income),
                    ". But you will only have ", st.FactoryUnits(c, planet_) - q, " factory units",
                    " left. Are you sure you want to sell this amount", " of Factory units?"))) {
        st.PlayerCash[c] += Int::fromWide(income);
        st.FactoryUnits(c, planet_) -= q;
    }
    ManUpdate();
}

void TManufacturing::SetitClick() {
    changeLevel(LevelChange::Set);
}

void TManufacturing::UpByClick() {
    changeLevel(LevelChange::Raise);
}

void TManufacturing::DownByClick() {
    changeLevel(LevelChange::Lower);
}

void TManufacturing::changeLevel(LevelChange how) {
    const int r = Factory.row() - kFirstProductRow + 1;
    if (r < 1 || r > kRecipes) return;  // no product chosen: nothing to change
    GameState& st = s();
    const Int c = me();
    const Int level = st.FactoryAmount(c, planet_, r);
    const auto typed =
        askInt("Set Production Level", "Please enter a production level for this Good",
               how == LevelChange::Set ? level : Int(0));
    if (!typed) return;
    const int64_t n = typed->wide();
    const int64_t newLevel = how == LevelChange::Set     ? n
                             : how == LevelChange::Raise ? level.wide() + n
                                                         : level.wide() - n;
    // Units times levels in 128 bits: any typed level gets its refusal, never an overflow.
    const Wide extra = Wide(st.RecipeUnits[r].wide()) * (newLevel - level.wide());

    Refusals no = refusals();
    no.refuseIf(newLevel < 0, "This is not a valid number");
    no.refuseIf(extra > freeUnits(), "You do not have enough factory units to produce this amount");
    if (!no.any()) {
        st.FactoryAmount(c, planet_, r) = Int::fromWide(newLevel);
        st.FactoryUsedUnits(c, planet_) += intOf(extra);
    }
    ManUpdate();
}

void TManufacturing::Button2Click() {
    message("");
}

void TManufacturing::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
