#include "TDemandScr.h"

#include <cstdint>
#include <utility>

#include "../form/Game.h"
#include "../state/Format.h"
#include "TradeFigures.h"

namespace quorvex {

PlanetRanks planetRanks(const GameState& s, Int good) {
    // Keys in 64 bits: a planet's amount can be driven below 0, and demand less a very negative
    // amount must still rank it rather than stop the screen.
    std::array<int64_t, kPlanets + 1> key{};
    std::array<int, kPlanets + 1> order{};  // order[position] = planet
    for (int p = 1; p <= kPlanets; ++p) {
        key[p] = s.PlanetDemand(p, good).wide() - s.PlanetAmount(p, good).wide();
        order[p] = p;
    }
    // Neighbours swap only when the later one wants the good strictly more, so equal keys keep
    // planet order: the lower-numbered planet ranks higher.
    for (int pass = 1; pass < kPlanets; ++pass)
        for (int j = 1; j <= kPlanets - pass; ++j)
            if (key[order[j + 1]] > key[order[j]]) std::swap(order[j], order[j + 1]);
    PlanetRanks rank{};
    for (int position = 1; position <= kPlanets; ++position)
        rank[order[position]] = position;
    return rank;
}

TDemandScr::TDemandScr(Game& game) : Screen(game, ScreenId::DemandScr, "Demand") {}

void TDemandScr::FormShow() {
    // Every showing starts with all planets.
    mode_ = kAll;
    Button5.caption = "Show Best";
    for (StringGrid* grid : {&ship, &Retail, &Industrail})
        grid->clearSelection();
    DemandUpdate();
}

void TDemandScr::DemandUpdate() {
    fill(mode_);
}

void TDemandScr::fill(Mode mode) {
    const GameState& st = s();
    const Int c = me();
    CashL.text = moneyText(st, c);
    PlntNamel.text = cat("Your on: ", st.PlanetName[st.PlayerPlanet[c]]);
    FreeSpaceL.text = freeCargoText(st, c);

    for (StringGrid* grid : {&ship, &Retail, &Industrail}) {
        grid->blank();
        for (int p = 1; p <= kPlanets; ++p)
            grid->setCell(p, 0, st.PlanetName[p]);
    }
    int shipRow = 1;
    for (int g = 1; g <= kGoods; ++g)
        if (st.CargoHold(c, g) > 0) fillRow(ship, shipRow++, g, mode);
    for (int g = kIndustrialGoods + 1; g <= kGoods; ++g)
        fillRow(Retail, g - kIndustrialGoods, g, mode);
    for (int g = 1; g <= kIndustrialGoods; ++g)
        fillRow(Industrail, g, g, mode);
}

bool TDemandScr::shows(Mode mode, int rank) {
    switch (mode) {
        case kBest:
            return rank <= kPlanets / 2;
        case kWorst:
            return rank > kPlanets / 2;
        case kAll:
            break;
    }
    return true;
}

void TDemandScr::fillRow(StringGrid& grid, int row, Int good, Mode mode) {
    const GameState& st = s();
    const PlanetRanks rank = planetRanks(st, good);
    grid.setCell(0, row, st.GoodName[good]);
    for (int p = 1; p <= kPlanets; ++p)
        if (shows(mode, rank[p]))
            grid.setCell(
                p, row, cat(rank[p], " ", st.PlanetAmount(p, good), "-", st.PlanetDemand(p, good)));
}

void TDemandScr::Button1Click() {
    handOver(ScreenId::PlanetScreen);
}

void TDemandScr::Button2Click() {
    messages(
        {"You can use this screen to find out the current amountand demand on each planet",
         "In the tables the infomation is displayed with first the planets rank in that goods "
         "demand level (the planet with the most demand for a good is number 1, so the planet "
         "with the least demand for good is no 12). The first number then displayed is the amount "
         "on the planet, the second is the demand on that planet",
         "Use the Ship Cargo Demand tab to find out the demand levels of the goods that are on "
         "your ship",
         "You can use the Show all to get an overview of the demand levels on differnt planets",
         "Use the Retail and Industrial tabs to find out the demand levels retail and industrial "
         "goods",
         "You can use the Show best to find out the best planets to sell your goods on",
         "You can use the Show Worst to find out the best planets to buy goods on"});
}

void TDemandScr::Button3Click() {
    handOver(ScreenId::MarketScr);
}

void TDemandScr::Button4Click() {
    handOver(ScreenId::CargoScr);
}

void TDemandScr::Button5Click() {
    // The mode is read once; the caption then names the mode the next press selects.
    struct Step {
        Mode next;
        const char* caption;
    };
    const Step step = mode_ == kAll    ? Step{kBest, "Show Worst"}
                      : mode_ == kBest ? Step{kWorst, "Show All"}
                                       : Step{kAll, "Show Best"};
    fill(step.next);
    mode_ = step.next;
    Button5.caption = step.caption;
}

}  // namespace quorvex
