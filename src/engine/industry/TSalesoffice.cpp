#include "TSalesoffice.h"

#include <algorithm>
#include <limits>
#include <string>

#include "../form/Game.h"
#include "../state/Catalogue.h"
#include "../state/ExactRound.h"
#include "../state/Format.h"

namespace quorvex {
namespace {

constexpr int kFirstGoodRow = 2;  // rows 0 and 1 hold the two-line headings
constexpr int kTotalsRow = kFirstGoodRow + kGoods;
constexpr Wide kIntMax = std::numeric_limits<int32_t>::max();

// The weight of a number of units, which at the end of a turn may be below 0 (a need the office
// could not buy for), rounded as every weight is.
Wide tonsOf(const GameState& s, Int good, Wide units) {
    const Decimal weight(s.GoodWeight[good]);
    return roundDiv(units * weight.numerator(), weight.denominator());
}

}  // namespace

TSalesoffice::TSalesoffice(Game& game) : Screen(game, ScreenId::Salesoffice, "Sales Office") {}

void TSalesoffice::FormShow() {
    planet_ = s().PlayerPlanet[me()];
    // Each showing starts with no good chosen, so nobody steers a good picked earlier (perhaps
    // by another company).
    Sales.clearSelection();
    good_ = 0;
    change_ = 0;
    SalesUpdate();
}

void TSalesoffice::PLanetListClick() {
    // An empty choice leaves the planet as it was; the list shows it chosen again.
    if (PLanetList.itemIndex >= 0) planet_ = PLanetList.itemIndex + 1;
    SalesUpdate();
}

int64_t TSalesoffice::freeTons() const {
    return s().WarehouseSpace(me(), planet_).wide() - s().WarehouseUsed(me(), planet_).wide();
}

// The good's figures as the world update will find them: the mines' output and the factories'
// products not yet in the warehouse, the purchases made, the needs consumed.
TSalesoffice::GoodFigures TSalesoffice::project(Int g, Wide buyAdjust, Wide sellAdjust,
                                                const GoodWeights& weights) {
    const GameState& st = s();
    const Int c = me();
    GoodFigures f;
    f.stock = st.WarehouseStock(c, planet_, g).wide();
    f.produced = isRawGood(g) ? st.MineOutput(c, planet_, g) : madeByFactories(st, c, planet_, g);
    f.need = factoryNeeds(st, c, planet_)[static_cast<std::size_t>(g.get())];
    const Wide have = f.stock + f.produced.wide();
    f.buying = salesBuyStep(f.need, have, buyAdjust);
    f.buy = f.buying.stored();
    const Wide surplus =
        std::clamp<Wide>(have + f.buy.wide() - f.need, 0, std::numeric_limits<int64_t>::max());
    f.selling =
        salesSellStep(static_cast<int64_t>(surplus), sellAdjust, weights, g.get(), freeTons());
    f.sell = clampToInt(f.selling.amount);
    return f;
}

void TSalesoffice::CalculateBuyandSell() {
    GameState& st = s();
    const Int c = me();
    storeMineOutput(st, c, planet_);
    const GoodWeights weights(st);
    for (int g = 1; g <= kGoods; ++g) {
        GoodFigures& f = figures_[static_cast<std::size_t>(g)];
        f = project(g, st.SalesBuyAdjust(c, planet_, g).wide(),
                    st.SalesSellAdjust(c, planet_, g).wide(), weights);
        st.SalesBuyAmount(c, planet_, g) = f.buy;
        st.SalesSellAmount(c, planet_, g) = f.sell;
    }
}

void TSalesoffice::SalesUpdate() {
    const GameState& st = s();
    PLanetL.text = cat("Planet: ", st.PlanetName[planet_]);
    YourOnL.text = cat("Your On: ", st.PlanetName[st.PlayerPlanet[me()]]);
    WareFreeSpaceL.text = "Warehouse Free Space" + std::to_string(freeTons());
    PLanetList.items.clear();
    for (int p = 1; p <= kPlanets; ++p)
        PLanetList.items.push_back(st.PlanetName[p]);
    PLanetList.itemIndex = planet_.get() - 1;

    CalculateBuyandSell();

    Sales.blank();
    fillHeadings();
    Totals totals;
    for (int g = 1; g <= kGoods; ++g)
        fillGoodRow(g, figures_[static_cast<std::size_t>(g)], totals);
    Sales.setCell(0, kTotalsRow, "Total");
    Sales.setCell(10, kTotalsRow, wideStr(totals.income));
    Sales.setCell(12, kTotalsRow, wideStr(totals.weight));
    Sales.setCell(13, kTotalsRow, wideStr(totals.profit));
}

void TSalesoffice::fillHeadings() {
    const char* headings[14][2] = {{"Good", ""},
                                   {"Amount In", "WareHouse"},
                                   {"Amount", "Producted"},
                                   {"Amount", "Manufactured"},
                                   {"Manufacturing", "Deficit"},
                                   {"Buy", "Amount"},
                                   {"Buy", "Cost"},
                                   {"Manufacturing", "Input Amount"},
                                   {"Max To", "Sell"},
                                   {"Sell", "Amount"},
                                   {"Sell", "Profit"},
                                   {"Amount", "At End"},
                                   {"Weight", "At End"},
                                   {"Profit/", "Loss"}};
    for (int col = 0; col < 14; ++col) {
        Sales.setCell(col, 0, headings[col][0]);
        if (*headings[col][1] != '\0') Sales.setCell(col, 1, headings[col][1]);
    }
}

void TSalesoffice::fillGoodRow(Int g, const GoodFigures& f, Totals& totals) {
    const GameState& st = s();
    const Int c = me();
    const int row = g.get() + kFirstGoodRow - 1;
    const Wide have = f.stock + f.produced.wide() + f.buy.wide();
    const Wide cost = Wide(f.buy.wide()) * unitPrice(st, c, planet_, g, f.buy.wide()).wide();
    const Wide income =
        Wide(f.sell.wide()) * unitPrice(st, c, planet_, g, f.sell.wide()).wide();
    const Wide atEnd = have - f.sell.wide() - f.need;
    const Wide tonsAtEnd = tonsOf(st, g, atEnd);

    Sales.setCell(0, row, st.GoodName[g]);
    Sales.setCell(1, row, std::to_string(f.stock));
    Sales.setCell(isRawGood(g) ? 2 : 3, row, str(f.produced));
    Sales.setCell(4, row, wideStr(std::max<Wide>(f.need - have, 0)));
    Sales.setCell(5, row, str(f.buy));
    Sales.setCell(6, row, wideStr(cost));
    Sales.setCell(7, row, wideStr(f.need));
    Sales.setCell(8, row, wideStr(have - f.need));
    Sales.setCell(9, row, str(f.sell));
    Sales.setCell(10, row, wideStr(income));
    Sales.setCell(11, row, wideStr(atEnd));
    Sales.setCell(12, row, wideStr(tonsAtEnd));
    Sales.setCell(13, row, wideStr(income - cost));
    totals.income += income;
    totals.weight += tonsAtEnd;
    totals.profit += income - cost;
}

void TSalesoffice::BuyIncreaseClick() {
    askChange(true, true);
}

void TSalesoffice::BuyDecreaseClick() {
    askChange(true, false);
}

void TSalesoffice::SellIncreaseClick() {
    askChange(false, true);
}

void TSalesoffice::SellDecreaseClick() {
    askChange(false, false);
}

void TSalesoffice::askChange(bool forBuying, bool increase) {
    const int g = Sales.row() - kFirstGoodRow + 1;
    if (g < 1 || g > kGoods) {  // nothing chosen, or the totals row
        message("You have not selected a good");
        return;
    }
    const GameState& st = s();
    const Int c = me();
    const char* prompt = forBuying ? (increase ? "Enter an amount to increase the buy amount by."
                                               : "Enter an amount to decrease the buy amount by.")
                                   : (increase ? "Enter an amount to increase the Sell amount by."
                                               : "Enter an amount to decrease the Sell amount by.");
    const auto typed = forBuying
                           ? askInt("Set Buy Amount", prompt, st.SalesBuyAmount(c, planet_, g))
                           : askInt("Set Sell Amount", prompt, st.SalesSellAmount(c, planet_, g));
    if (!typed) return;
    if (*typed < 1) {
        message("This is not a valid number");
    } else {
        good_ = g;
        forBuying_ = forBuying;
        change_ = increase ? typed->wide() : -typed->wide();
        MessageBuySell();
    }
    SalesUpdate();
}

void TSalesoffice::MessageBuySell() {
    GameState& st = s();
    const Int c = me();
    // The change is tried on copies of the two adjustments, so a refused one leaves both as
    // they were.
    Wide buyAdjust = st.SalesBuyAdjust(c, planet_, good_).wide();
    Wide sellAdjust = st.SalesSellAdjust(c, planet_, good_).wide();
    (forBuying_ ? buyAdjust : sellAdjust) += change_;
    storeMineOutput(st, c, planet_);
    const GoodFigures f = project(good_, buyAdjust, sellAdjust, GoodWeights(st));

    Refusals no = refusals();
    no.refuseIf(f.buying.adjustIgnored,
                "If the buy amount was this low you would not be able to manufacture all your "
                "goods");
    no.refuseIf(f.selling.aboveHeld, "There will not be this amount to sell");
    no.refuseIf(f.selling.belowZero, "You can not sell less than zero");
    no.refuseIf(f.selling.keptWontFit,
                "There will not be enough space to store want will not be sold");
    // More than anybody could pay for even at the good's top price would stop the office
    // buying anything at all.
    no.refuseIf(
        forBuying_ && change_ > 0 && f.buying.wanted * st.GoodMaxPrice[good_].wide() > kIntMax,
        "You can not buy this amount as it would cost too much");
    if (no.any()) return;
    st.SalesBuyAdjust(c, planet_, good_) = intOf(buyAdjust);
    st.SalesSellAdjust(c, planet_, good_) = intOf(sellAdjust);
}

void TSalesoffice::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
