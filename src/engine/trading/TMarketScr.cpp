#include "TMarketScr.h"

#include <string>

#include "../form/Game.h"
#include "../state/Format.h"
#include "TradeFigures.h"

namespace quorvex {
namespace {

// Retail row r shows good r + 12 (goods 13 to 25 in rows 1 to 13); industrial row r good r - 1
// (goods 1 to 12 in rows 2 to 13). The chosen column is recorded with the same shift.
constexpr int kRetailShift = 12;
constexpr int kIndustrialShift = -1;

// The columns both grids share: the good, the market's amount and demand as the company sees
// them, and the company's own stock here and aboard.
void fillStocks(StringGrid& grid, int row, const GameState& st, Int c, Int t, Int g) {
    grid.setCell(0, row, st.GoodName[g]);
    grid.setCell(1, row, str(st.PlayerAmount(c, t, g)));
    grid.setCell(2, row, str(st.PlayerDemand(c, t, g)));
    grid.setCell(3, row, str(st.WarehouseStock(c, t, g)));
    grid.setCell(4, row, str(st.CargoHold(c, g)));
}

}  // namespace

TMarketScr::TMarketScr(Game& game) : Screen(game, ScreenId::MarketScr, "Market") {
    RtlGoods.onMouseDown = [this] { RtlGoodsMouseDown(); };
    IndGoods.onMouseDown = [this] { IndGoodsMouseDown(); };
}

void TMarketScr::FormShow() {
    // Each showing starts with no good picked, so a row picked earlier (perhaps by another
    // company) is never traded by a right click alone.
    RtlGoods.clearSelection();
    IndGoods.clearSelection();
    MarketUpdate();
}

void TMarketScr::MarketUpdate() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = moneyText(st, c);
    CargoSPcL.text = cargoSpaceText(st, c);
    FreeSpaceL.text = freeCargoText(st, c);
    fillRetail();
    fillIndustrial();
}

void TMarketScr::fillRetail() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const char* headings[] = {"Amount", "Demand", "WareHouse", "Ship", "Price", "Range"};
    for (int col = 1; col <= 6; ++col)
        RtlGoods.setCell(col, 0, headings[col - 1]);
    for (int row = 1; row <= 13; ++row) {
        const Int g = row + kRetailShift;
        fillStocks(RtlGoods, row, st, c, t, g);
        RtlGoods.setCell(5, row, str(st.PlayerRetailPrice(c, t, g)));
        RtlGoods.setCell(6, row, priceRange(st, g));
    }
}

void TMarketScr::fillIndustrial() {
    const GameState& st = s();
    const Int c = me();
    const Int t = st.PlayerPlanet[c];
    const char* headings[] = {"Amount", "Demand", "WareHouse", "Ship",
                              "Price",  "Price",  "Price",     "Range"};
    for (int col = 1; col <= 8; ++col)
        IndGoods.setCell(col, 0, headings[col - 1]);
    IndGoods.setCell(5, 1, "1-25");
    IndGoods.setCell(6, 1, "26-100");
    IndGoods.setCell(7, 1, "101+");
    for (int row = 2; row <= 13; ++row) {
        const Int g = row + kIndustrialShift;
        fillStocks(IndGoods, row, st, c, t, g);
        IndGoods.setCell(5, row, str(st.PlayerIndPrice1(c, t, g)));
        IndGoods.setCell(6, row, str(st.PlayerIndPrice2(c, t, g)));
        IndGoods.setCell(7, row, str(st.PlayerIndPrice3(c, t, g)));
        IndGoods.setCell(8, row, priceRange(st, g));
    }
}

void TMarketScr::RtlGoodsMouseDown() {
    pickGood(RtlGoods, kRetailShift, true);
}

void TMarketScr::IndGoodsMouseDown() {
    pickGood(IndGoods, kIndustrialShift, false);
}

void TMarketScr::pickGood(const StringGrid& grid, int shift, bool retail) {
    // A press with no good's row chosen (none yet, or a heading clicked) picks nothing.
    if (grid.row() < grid.fixedRows()) return;
    GameState& st = s();
    st.TradeGood = grid.row() + shift;
    st.TradeRetail = retail;
    st.TradeIndustrial = !retail;
    st.TradeColumn = grid.col() + shift;
    PopMenu.popup();
}

void TMarketScr::Buy1Click() {
    game.show(ScreenId::Buy);
}

void TMarketScr::Sell1Click() {
    game.show(ScreenId::Sell);
}

void TMarketScr::leaveFor(ScreenId next) {
    // The buy and sell screens trade at this market only: they go with it.
    for (ScreenId beside : {ScreenId::Buy, ScreenId::Sell})
        if (game.isVisible(beside)) game.hide(beside);
    handOver(next);
}

void TMarketScr::Button1Click() {
    leaveFor(ScreenId::PlanetScreen);
}

void TMarketScr::Button2Click() {
    messages(
        {"Use this screen to buy/sell goods right click and then select if u want to buy or sell "
         "the good",
         "Use the table to find the amount of goods you have on your ship and the amount in your "
         "warehouse",
         "You can also find the prices of the goods and the price range of the good"});
}

void TMarketScr::Button3Click() {
    leaveFor(ScreenId::DemandScr);
}

void TMarketScr::Button4Click() {
    leaveFor(ScreenId::CargoScr);
}

}  // namespace quorvex
