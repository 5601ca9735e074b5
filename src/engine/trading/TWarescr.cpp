#include "TWarescr.h"

#include <algorithm>
#include <string>

#include "../form/Game.h"
#include "../state/Catalogue.h"
#include "../state/Format.h"
#include "TradeRules.h"

namespace quorvex {
namespace {

// Grid columns.
constexpr int kAmountCol = 1;
constexpr int kRetailCol = 4;
constexpr int kFirstBandCol = 5;
constexpr int kWorthCol = 8;
constexpr int kRangeCol = 9;

// The band column of an industrial good held in this quantity: 1-25, 26-100, 101 or more.
int bandColumn(Int n) {
    if (n <= 25) return kFirstBandCol;
    if (n <= 100) return kFirstBandCol + 1;
    return kFirstBandCol + 2;
}

}  // namespace

TWarescr::TWarescr(Game& game) : Screen(game, ScreenId::Warescr, "Warehouse") {}

void TWarescr::FormShow() {
    shown_ = s().PlayerPlanet[me()];
    WareHouse.clearSelection();
    PageControl1Change();
    WareUpdate();
}

void TWarescr::WareUpdate() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const auto freeTons = [&](Int p) {
        return std::to_string(st.WarehouseSpace(c, p).wide() - st.WarehouseUsed(c, p).wide());
    };
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    PlntNamel.text = cat("Your on: ", st.PlanetName[t]);
    PlanetL.text = cat("Planet: ", st.PlanetName[shown_]);
    WareSpaceL.text = cat("Warehouse Space: ", st.WarehouseSpace(c, shown_));
    WareFreeSpaceL.text = "Warehouse Free Space" + freeTons(shown_);
    WareSpaceL2.text = cat("Warehouse Space: ", st.WarehouseSpace(c, t));
    WareFreeSpaceL2.text = "Warehouse Free Space" + freeTons(t);
    WareCost.text = cat("Cost per Ton: £", st.PlanetWarehousePrice[t]);
    AvailableL.text = cat("Available:", st.PlanetWarehouseAvailable[t]);

    // A chosen row stays chosen only while it still shows the same good.
    const int row = WareHouse.row();
    const Int chosenGood = row >= kFirstGoodRow ? rowGood_[row] : Int(0);
    WareHouse.blank();
    fillHeadings();
    fillGoods();
    if (row >= kFirstGoodRow && (chosenGood == 0 || rowGood_[row] != chosenGood))
        WareHouse.clearSelection();
}

void TWarescr::fillHeadings() {
    const char* top[] = {"",           "Amount",     "On Planet",  "Demand",      "Retail",
                         "Industrial", "Industrial", "Industrial", "Total Worth", "Range"};
    for (int col = 1; col < WareHouse.colCount(); ++col)
        WareHouse.setCell(col, 0, top[col]);
    WareHouse.setCell(kRetailCol, 1, "Price");
    WareHouse.setCell(kFirstBandCol, 1, "Price 1-25");
    WareHouse.setCell(kFirstBandCol + 1, 1, "Price 26-100");
    WareHouse.setCell(kFirstBandCol + 2, 1, "Price 101+");
}

void TWarescr::fillGoods() {
    const GameState& st = s();
    const Int c = me();
    const Int p = shown_;
    rowGood_.fill(0);
    int row = kFirstGoodRow;
    for (int g = 1; g <= kGoods; ++g) {
        const Int n = st.WarehouseStock(c, p, g);
        if (n <= 0) continue;
        rowGood_[row] = g;
        // Only the one price that applies to the whole stock is shown.
        const int priceCol = isIndustrialGood(g) ? bandColumn(n) : kRetailCol;
        const Int price = unitPrice(st, c, p, g, n.wide());
        WareHouse.setCell(0, row, st.GoodName[g]);
        WareHouse.setCell(kAmountCol, row, str(n));
        WareHouse.setCell(2, row, str(st.PlayerAmount(c, p, g)));
        WareHouse.setCell(3, row, str(st.PlayerDemand(c, p, g)));
        WareHouse.setCell(priceCol, row, str(price));
        WareHouse.setCell(kWorthCol, row, std::to_string(n.wide() * price.wide()));
        WareHouse.setCell(kRangeCol, row, cat(st.GoodMinPrice[g], " - ", st.GoodMaxPrice[g]));
        ++row;
    }
}

Int TWarescr::stepToWarehouse(int step) const {
    const GameState& st = s();
    const Int c = me();
    for (int k = 1; k <= kPlanets; ++k) {
        const int p = (shown_.get() - 1 + step * k + kPlanets * kPlanets) % kPlanets + 1;
        if (st.WarehouseSpace(c, p) > 0) return p;
    }
    return shown_;
}

void TWarescr::NextClick() {
    shown_ = stepToWarehouse(1);
    WareUpdate();
}

void TWarescr::LastClick() {
    shown_ = stepToWarehouse(-1);
    WareUpdate();
}

void TWarescr::PageControl1Change() {
    // "Sell Goods" sells from the grid, so it works only while the grid's tab is up.
    sellbutton.enabled = PageControl1.activePage == 0;
}

void TWarescr::BuyClick() {
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int q = readInt(BuyAmount.text);
    const int64_t cost = st.PlanetWarehousePrice[t].wide() * q.wide();

    Refusals no = refusals();
    no.refuseIf(q <= 0, "This is not a valid number, you can not buy this amount.");
    no.refuseIf(q > st.PlanetWarehouseAvailable[t],
                "You cannot buy this amount as there is not enough of it");
    no.refuseIf(cost > st.PlayerCash[c].wide(),
                "You cannot afford to buy this amount of warehouse space");
    if (no.any()) {
        WareUpdate();
        return;
    }
    // Covered by the cash, the cost fits. The offer is not lowered by a purchase: the same space
    // is for sale again this turn.
    const Int price = Int::fromWide(cost);
    if (confirm(cat("Buying ", q, " tons of warehouse space will", " cost you £", price,
                    ". Are you sure you want to buy this amount", " of warehouse space?"))) {
        st.PlayerCash[c] -= price;
        st.WarehouseSpace(c, t) += q;
    }
    WareUpdate();
}

void TWarescr::SellClick() {
    GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const Int q = readInt(BuyAmount.text);
    // Space holding goods cannot go, and tons counted below 0 make no room: never more than is
    // owned can be sold.
    const int64_t empty =
        st.WarehouseSpace(c, t).wide() - std::max<int64_t>(st.WarehouseUsed(c, t).wide(), 0);

    Refusals no = refusals();
    no.refuseIf(q <= 0, "This is not a valid number, you can not sell this amount.");
    no.refuseIf(q.wide() > empty,
                "You cannot sell this amount of warehouse space as some of it is full of goods.");
    if (no.any()) {
        WareUpdate();
        return;
    }
    // Sold back at the buying price. Space worth more than 32 bits of pounds stops here.
    const Int income = Int::fromWide(st.PlanetWarehousePrice[t].wide() * q.wide());
    if (confirm(cat("Selling ", q, " tons of warehouse space will", " make you £", income,
                    ". But you will only have ", st.WarehouseSpace(c, t) - q, " tons of warehouse",
                    " space left. Are you sure you want to sell this amount",
                    " of warehouse space?"))) {
        st.PlayerCash[c] += income;
        st.WarehouseSpace(c, t) -= q;
    }
    WareUpdate();
}

void TWarescr::sellbuttonClick() {
    const int row = WareHouse.row();
    if (row < kFirstGoodRow || rowGood_[row] == 0) return;
    GameState& st = s();
    const Int c = me();
    const Int p = shown_;
    const Int g = rowGood_[row];
    const std::string& name = st.GoodName[g];
    const Int stock = st.WarehouseStock(c, p, g);
    const auto typed =
        askInt("Sell", cat("How much ", name, " would you like", " to sell?"), stock);
    if (!typed) return;
    const Int q = *typed;

    Refusals no = refusals();
    no.refuseIf(q < 1, "This is not a valid number, you can not sell this amount");
    no.refuseIf(q > stock, "You can not sell this amount as you do not have this amount to sell");
    if (no.any()) {
        WareUpdate();
        return;
    }
    // Sold at the price of the planet shown; that planet's market does not move.
    const Int income = Int::fromWide(q.wide() * unitPrice(st, c, p, g, q.wide()).wide());
    if (confirm(cat("Selling ", q, " tons of ", name, " will", " make you £", income,
                    ". But you will only have ", stock - q, " tons of", name,
                    " left. Are you sure you want to sell this amount?"))) {
        st.WarehouseStock(c, p, g) -= q;
        st.WarehouseUsed(c, p) -= tonsFreed(st.WarehouseUsed(c, p), goodTons(st, g, q.wide()));
        st.PlayerCash[c] += income;
    }
    WareUpdate();
}

void TWarescr::Button1Click() {
    message(
        "Use this screen to buy and sell warehouse space, you can also sell whats in your "
        "warehouse from this screen");
}

void TWarescr::Button5Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
