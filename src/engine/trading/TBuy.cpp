#include "TBuy.h"

#include "../form/Game.h"
#include "../state/Format.h"
#include "RepriceGood.h"
#include "TMarketScr.h"

namespace quorvex {
namespace {

const char* const kCostCaption = "Cost: £";
const char* const kWeightCaption = "Weight: ";

std::string freeTons(Int space, Int used) {
    return std::to_string(space.wide() - used.wide());
}

}  // namespace

TBuy::TBuy(Game& game) : Screen(game, ScreenId::Buy, "Buy") {
    CostL.text = kCostCaption;
    WeightL.text = kWeightCaption;
}

void TBuy::FormShow() {
    pick_ = TradePick::fromMarket(s());
    // A quote made for another good must not stand beside this one.
    CostL.text = kCostCaption;
    WeightL.text = kWeightCaption;
    if (pick_.retail)
        MarketL.text = "Retail";
    else if (pick_.industrial)
        MarketL.text = "Industrial";
    BuyUpdate();
}

void TBuy::BuyUpdate() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = pick_.good;
    Product.text = st.GoodName[g];
    CashL.text = cat("Money £", st.PlayerCash[c]);
    Available.text = cat("Available: ", st.PlayerAmount(c, t, g));
    Weights.text = cat("Weight: ", st.GoodWeight[g]);
    Prices.items = priceList(st, c, t, pick_);
    Prices.itemIndex = 0;
    // Rebuilt after every change, with nothing chosen: the place is chosen anew for each trade.
    Storein.items = {"Warehouse -" + freeTons(st.WarehouseSpace(c, t), st.WarehouseUsed(c, t)),
                     "Ship -" + freeTons(st.CargoSpace[c], st.CargoUsed[c])};
    Storein.itemIndex = kNoPlace;
}

void TBuy::PricesClick() {
    Prices.itemIndex = 0;
}

std::optional<Quote> TBuy::quote() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const TradeFigures f = tradeFigures(st, c, t, pick_, readInt(Buybox.text));
    const Int q = f.quantity;
    const int place = Storein.itemIndex;
    const auto freeLess = [&](Int space, Int used) {
        return space.wide() - used.wide() < f.weight;
    };

    Refusals no = refusals();
    no.refuseIf(q < 1, "This is not a valid number, you cannot buy this amount");
    no.refuseIf(st.PlayerAmount(c, t, pick_.good) < q,
                "There is not enough of this product for you to buy this amount");
    no.refuseIf(st.PlayerCash[c].wide() < f.value,
                "You do not have enough money to buy this amount of this product");
    no.refuseIf(place == static_cast<int>(Place::Warehouse) &&
                    freeLess(st.WarehouseSpace(c, t), st.WarehouseUsed(c, t)),
                "You do not have enough space in your warehouse to store this amount of this "
                "product");
    no.refuseIf(
        place == static_cast<int>(Place::Ship) && freeLess(st.CargoSpace[c], st.CargoUsed[c]),
        "You do not have enough space on your ship to store this amount of this product");
    no.refuseIf(place == kNoPlace,
                "You have not selected a place to store the product that you want to buy in");
    if (no.any()) return std::nullopt;

    // Covered by the cash and by the free tons, both figures fit.
    const Quote passed{q, Int::fromWide(f.value), f.weight, static_cast<Place>(place)};
    CostL.text = cat(kCostCaption, passed.value);
    WeightL.text = cat(kWeightCaption, Int::fromWide(passed.weight));
    return passed;
}

void TBuy::Button1Click() {
    quote();
}

void TBuy::Button2Click() {
    const auto passed = quote();
    if (!passed) {
        BuyUpdate();
        return;
    }
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int g = pick_.good;
    st.PlayerCash[c] -= passed->value;
    GoodsStore::at(st, passed->place, c, t, g).putIn(passed->quantity, passed->weight);
    st.PlayerAmount(c, t, g) -= passed->quantity;
    // A company whose advertising shows it more than the planet holds can take the planet's
    // amount below 0; the next market step draws it afresh.
    st.PlanetAmount(t, g) -= passed->quantity;
    RepriceGood(st, t, g);
    BuyUpdate();
}

void TBuy::Button3Click() {
    messages({"Use this screen to buy goods",
              "To do this first enter a number in the buy box at the bottom",
              "Then select where you would like to store what you want to buy, to do this select "
              "either ship or ware house from the box on the right (note the amount of free space "
              "is shown next to the name)",
              "Then click the calculate cost button to check the wieght and cost, when you are "
              "happy with the amount, weight and cost click the buy button"});
}

void TBuy::Button4Click() {
    close();
    game.MarketScr().MarketUpdate();
}

}  // namespace quorvex
