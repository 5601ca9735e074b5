#include "TLandings.h"

#include <array>

#include "../form/Game.h"
#include "../state/Format.h"

namespace quorvex {
namespace {

constexpr int kFirstCompanyRow = 3;

}  // namespace

TLandings::TLandings(Game& game) : Screen(game, ScreenId::Landings, "Landing Costs") {
    Costs.colWidths.assign(13, 80);
    Costs.colWidths[0] = 120;
}

void TLandings::FormShow() {
    GameState& st = s();
    const Int c = me();
    CashL.text = cat("Money: £", st.PlayerCash[c]);
    YourOnL.text = cat("Your On: ", st.PlanetName[st.PlayerPlanet[c]]);

    Costs.blank();
    Costs.setCell(0, 1, "Total Cost");
    Costs.setCell(0, 2, "Planet Cost");
    std::array<Int, kPlanets + 1> total{};
    for (int j = 1; j <= kPlanets; ++j) {
        Costs.setCell(j, 0, st.PlanetName[j]);
        Costs.setCell(j, 2, str(st.PlanetLandingCost[j]));
        total[j] = st.PlanetLandingCost[j];
    }
    // The grid has room for 16 companies; any further ones still count in the totals.
    int row = kFirstCompanyRow;
    for (int i = 1; i <= kCompanies; ++i) {
        if (!st.PlayerActive[i]) continue;
        const bool shown = row < Costs.rowCount();
        if (shown) Costs.setCell(0, row, st.PlayerName[i]);
        for (int j = 1; j <= kPlanets; ++j) {
            if (shown) Costs.setCell(j, row, str(st.PlayerLandingFee(i, j)));
            total[j] += st.PlayerLandingFee(i, j);
        }
        ++row;
    }
    for (int j = 1; j <= kPlanets; ++j) {
        Costs.setCell(j, 1, str(total[j]));
        st.LandingTotalCost[j] = total[j];
    }
}

void TLandings::Button1Click() {
    handOver(ScreenId::Travelscr);
}

}  // namespace quorvex
