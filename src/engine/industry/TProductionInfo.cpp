#include "TProductionInfo.h"

#include <string>

#include "../form/Game.h"
#include "../state/Format.h"
#include "MineFigures.h"
#include "PlanetChoice.h"

namespace quorvex {

namespace {
const char* const kShowAll = "Show All";
const char* const kTotalsOnly = "Totals Only";
}  // namespace

TProductionInfo::TProductionInfo(Game& game)
    : Screen(game, ScreenId::ProductionInfo, "Production Infomation") {}

void TProductionInfo::FormShow() {
    Plyrmines.clearSelection();
    ShowallToggler.caption = kTotalsOnly;
    showPlanet(s().PlayerPlanet[me()], true);
}

void TProductionInfo::PRDInfoUpdate() {
    showPlanet(planet_, detail_);
}

void TProductionInfo::showPlanet(Int p, bool detail) {
    GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    PlanetL.text = cat("Planet: ", st.PlanetName[p]);
    YouronL.text = cat("Your On: ", st.PlanetName[st.PlayerPlanet[c]]);
    WareCapL.text = cat("Warehouse Capacity: ", st.WarehouseSpace(c, p));
    fillPlanetList(PLanetList, st, p);

    Plyrmines.blank();
    const char* headings[] = {"Good",           "Reserve",    "Maintenance Cost", "Cost a Ton",
                              "Max Production", "Production", "Weight",           "Cost",
                              "Total Cost",     "Value"};
    for (int col = 0; col < 10; ++col)
        Plyrmines.setCell(col, 0, headings[col]);
    int row = 1;
    int64_t totalWeight = 0;  // tons all the mines here dig a turn
    for (int g = 1; g <= kRawGoods; ++g) {
        MineFigures total;
        bool any = false;
        for (int k = 1; k <= kMineSlots; ++k) {
            if (!mineOwned(st, c, p, g, k)) continue;
            const MineFigures mine = refreshMine(st, c, p, g, k);
            if (detail) {
                Plyrmines.setCell(0, row, st.GoodName[g]);
                showMine(Plyrmines, 1, row++, mine);
            }
            total += mine;
            any = true;
        }
        if (!any) continue;
        Plyrmines.setCell(0, row, "Total- " + st.GoodName[g]);
        showMineTotals(Plyrmines, 1, row++, total);
        totalWeight += total.weight;
    }
    TotalWeightL.text = "Total Weight " + std::to_string(totalWeight);
    planet_ = p;
    detail_ = detail;
}

void TProductionInfo::PLanetListClick() {
    // A click beside the entries chooses nothing, and the planet stays.
    showPlanet(PLanetList.itemIndex >= 0 ? Int(PLanetList.itemIndex + 1) : planet_, detail_);
}

void TProductionInfo::LastClick() {
    showPlanet(previousPlanet(planet_), detail_);
}

void TProductionInfo::NextClick() {
    showPlanet(nextPlanet(planet_), detail_);
}

void TProductionInfo::ShowallTogglerClick() {
    const bool detail = !detail_;
    ShowallToggler.caption = detail ? kTotalsOnly : kShowAll;
    showPlanet(planet_, detail);
}

void TProductionInfo::Button1Click() {
    message("Use this screen to get an overview of your mines and what they produce");
}

void TProductionInfo::Button5Click() {
    handOver(ScreenId::PlanetScreen);
}

}  // namespace quorvex
