#include "TSell.h"

#include <algorithm>

#include "../form/Game.h"
#include "../state/Format.h"
#include "RepriceGood.h"
#include "TMarketScr.h"

namespace quorvex {
namespace {

const char* const kIncomeCaption = "Income: £";

}  // namespace

TSell::TSell(Game& game) : Screen(game, ScreenId::Sell, "Sell") {
    Income.text = kIncomeCaption;
}

void TSell::FormShow() {
    pick_ = TradePick::fromMarket(s());
    // An income worked out for another good must not stand beside this one.
    Income.text = kIncomeCaption;
    if (pick_.retail)
        MarketL.text = "Retail";
    else if (pick_.industrial)
        MarketL.text = "Industrial";
    SellUpdate();
}

void TSell::SellUpdate() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = pick_.good;
    Product.text = st.GoodName[g];
    CashL.text = cat("Money £", st.PlayerCash[c]);
    Available.text = cat("Available: ", st.PlayerAmount(c, t, g));
    DemandL.text = cat("Demand: ", st.PlayerDemand(c, t, g));
    SellPrice.items = priceList(st, c, t, pick_);
    SellPrice.itemIndex = 0;
    // What there is to sell in each place: units of this good, not free space.
    SellFrom.items = {cat("Warehouse -", st.WarehouseStock(c, t, g)),
                      cat("Ship -", st.CargoHold(c, g))};
    SellFrom.itemIndex = kNoPlace;
}

void TSell::SellPriceClick() {
    SellPrice.itemIndex = 0;
}

std::optional<Quote> TSell::quote() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = pick_.good;
    const TradeFigures f = tradeFigures(st, c, t, pick_, readInt(SellL.text));
    const Int q = f.quantity;
    const int place = SellFrom.itemIndex;

    // A sale is never limited by the planet's demand or amount, only by what is there to sell.
    Refusals no = refusals();
    no.refuseIf(q < 1, "This is not a valid number, you cannot buy this amount");
    no.refuseIf(place == static_cast<int>(Place::Ship) && st.CargoHold(c, g) < q,
                "There is not enough of this product on your ship for you to sell this amount");
    no.refuseIf(place == static_cast<int>(Place::Warehouse) && st.WarehouseStock(c, t, g) < q,
                "There is not enough of this product in your warehouse for you to sell this "
                "amount");
    no.refuseIf(place == kNoPlace,
                "You have not selected a place to sell the product that you want to sell from");
    if (no.any()) return std::nullopt;

    // Goods that are really there can still fetch more than 32 bits of pounds: that sale stops
    // with "Integer overflow", changing nothing.
    const Quote passed{q, Int::fromWide(f.value), f.weight, static_cast<Place>(place)};
    Income.text = cat(kIncomeCaption, passed.value);
    return passed;
}

void TSell::Button1Click() {
    quote();
}

void TSell::Button2Click() {
    const auto passed = quote();
    if (!passed) {
        SellUpdate();
        return;
    }
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = pick_.good;
    GoodsStore::at(st, passed->place, c, t, g).takeOut(passed->quantity, passed->weight);
    st.PlayerCash[c] += passed->value;
    // A planet taken below 0 by earlier purchases takes the sale first and then stops at 0.
    st.PlanetAmount(t, g) = std::max(st.PlanetAmount(t, g) + passed->quantity, Int(0));
    RepriceGood(st, t, g);
    SellUpdate();
}

void TSell::Button3Click() {
    message(
        "To sell goods first select the place from which you want to sell from the list then "
        "enter the amount that you want to buy in the box click the calculate cost button to "
        "work out the cost if this ok then click the sell button");
}

void TSell::Button4Click() {
    close();
    game.MarketScr().MarketUpdate();
}

}  // namespace quorvex
