#include "TGDInfo.h"

#include "../economy/Manufacturing.h"
#include "../economy/MineOperations.h"
#include "../form/Game.h"
#include "../state/Catalogue.h"
#include "../state/Format.h"
#include "PlanetChoice.h"

namespace quorvex {

TGDInfo::TGDInfo(Game& game) : Screen(game, ScreenId::GDInfo, "GDInfo") {}

void TGDInfo::FormShow() {
    Good.clearSelection();
    showPlanet(s().PlayerPlanet[me()]);
}

void TGDInfo::GdUpdate() {
    showPlanet(planet_);
}

void TGDInfo::showPlanet(Int p) {
    const GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    PlntNamel.text = cat("Your on: ", st.PlanetName[st.PlayerPlanet[c]]);
    PlanetL.text = cat("Planet: ", st.PlanetName[p]);
    fillPlanetList(PLanetList, st, p);

    Good.blankRows(Good.fixedRows());
    const char* headings[11][2] = {{"Good", ""},
                                   {"Weight", ""},
                                   {"Price", "Range"},
                                   {"Amount", ""},
                                   {"Demand", ""},
                                   {"Amount", "On Ship"},
                                   {"Amount In", "WareHouse"},
                                   {"Amount", "Producted"},
                                   {"Amount", "Manufactured"},
                                   {"Buy", "Amount"},
                                   {"Sell", "Amount"}};
    for (int col = 0; col < 11; ++col) {
        Good.setCell(col, 0, headings[col][0]);
        Good.setCell(col, 1, headings[col][1]);
    }
    for (int g = 1; g <= kGoods; ++g)
        showGood(p, g);
    planet_ = p;
}

void TGDInfo::showGood(Int p, Int g) {
    const GameState& st = s();
    const Int c = me();
    const int row = g.get() + 1;
    Good.setCell(0, row, st.GoodName[g]);
    Good.setCell(1, row, str(st.GoodWeight[g]));
    Good.setCell(2, row, cat(st.GoodMinPrice[g], " - ", st.GoodMaxPrice[g]));
    Good.setCell(3, row, str(st.PlayerAmount(c, p, g)));
    Good.setCell(4, row, str(st.PlayerDemand(c, p, g)));
    Good.setCell(5, row, str(st.CargoHold(c, g)));  // the hold, wherever the ship is
    Good.setCell(6, row, str(st.WarehouseStock(c, p, g)));
    if (isRawGood(g)) {
        Good.setCell(7, row, str(totalMineProduction(st, c, p, g)));
    } else {
        const Int f = recipeMaking(st, g);
        if (f != 0) Good.setCell(8, row, str(st.FactoryAmount(c, p, f)));
    }
    Good.setCell(9, row, str(st.SalesBuyAmount(c, p, g)));
    Good.setCell(10, row, str(st.SalesSellAmount(c, p, g)));
}

void TGDInfo::PLanetListClick() {
    // A click beside the entries chooses nothing, and the planet stays.
    showPlanet(PLanetList.itemIndex >= 0 ? Int(PLanetList.itemIndex + 1) : planet_);
}

void TGDInfo::Button3Click() {
    showPlanet(previousPlanet(planet_));
}

void TGDInfo::Button4Click() {
    showPlanet(nextPlanet(planet_));
}

void TGDInfo::Button2Click() {
    message("Use this screen to review the production and manufacturing levels on each planet");
}

void TGDInfo::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
