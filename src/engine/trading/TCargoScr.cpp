#include "TCargoScr.h"

#include <string>

#include "../form/Game.h"
#include "../state/Format.h"
#include "TradeFigures.h"
#include "TradeRules.h"

namespace quorvex {

TCargoScr::TCargoScr(Game& game) : Screen(game, ScreenId::CargoScr, "Cargo") {}

void TCargoScr::FormShow() {
    Cargo.clearSelection();
    CargoUpdate();
}

void TCargoScr::CargoUpdate() {
    const GameState& st = s();
    const Int c = me();
    CashL.text = moneyText(st, c);
    CargoSPcL.text = cargoSpaceText(st, c);
    FreeSpaceL.text = freeCargoText(st, c);

    const char* headings[] = {"On ship",      "Weight",      "Total Weight",
                              "Planet Price", "Price Range", "Total Worth"};
    for (int col = 1; col <= 6; ++col)
        Cargo.setCell(col, 0, headings[col - 1]);
    // Blanked first, so nothing is left over from a longer list (another company's hold).
    Cargo.blankRows(1);
    int row = 1;
    for (int g = 1; g <= kGoods; ++g)
        if (st.CargoHold(c, g) > 0) fillRow(row++, g);
}

void TCargoScr::fillRow(int row, Int g) {
    const GameState& st = s();
    const Int c = me();
    const Int n = st.CargoHold(c, g);
    // What the whole load would fetch here: the band of its size for an industrial good.
    const Int price = unitPrice(st, c, st.PlayerPlanet[c], g, n.wide());
    Cargo.setCell(0, row, st.GoodName[g]);
    Cargo.setCell(1, row, str(n));
    Cargo.setCell(2, row, str(st.GoodWeight[g]));
    // Weight and worth in 64 bits: a figure too large for the store still shows.
    Cargo.setCell(3, row, std::to_string(goodTons(st, g, n.wide())));
    Cargo.setCell(4, row, str(price));
    Cargo.setCell(5, row, priceRange(st, g));
    Cargo.setCell(6, row, std::to_string(n.wide() * price.wide()));
}

void TCargoScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

void TCargoScr::Button2Click() {
    message("Use this page to see what cargo your ship currently contains");
}

void TCargoScr::Button3Click() {
    handOver(ScreenId::DemandScr);
}

void TCargoScr::Button4Click() {
    handOver(ScreenId::MarketScr);
}

}  // namespace quorvex
