#include "MineFigures.h"

#include <string>

#include "../economy/MineOperations.h"
#include "../economy/SalesOffice.h"
#include "../form/Controls.h"

namespace quorvex {

MineFigures& MineFigures::operator+=(const MineFigures& other) {
    reserve += other.reserve;
    maintenance += other.maintenance;
    costPerTon += other.costPerTon;
    maxProduction += other.maxProduction;
    production += other.production;
    weight += other.weight;
    cost += other.cost;
    totalCost += other.totalCost;
    value += other.value;
    return *this;
}

MineFigures refreshMine(GameState& s, Int c, Int t, Int g, Int k) {
    Int& value = s.MineValue(c, t, g, k);
    value = mineOwned(s, c, t, g, k)
                ? mineValue(s.MineReserve(c, t, g, k), s.MineMaxProduction(c, t, g, k),
                            s.MineMaintenance(c, t, g, k), s.GoodMinPrice[g])
                : Int(0);
    MineFigures m;
    m.reserve = s.MineReserve(c, t, g, k).wide();
    m.maintenance = s.MineMaintenance(c, t, g, k).wide();
    m.costPerTon = s.MineCostPerTon(c, t, g, k).wide();
    m.maxProduction = s.MineMaxProduction(c, t, g, k).wide();
    m.production = s.MineProduction(c, t, g, k).wide();
    m.weight = goodTons(s, g, m.production);
    m.cost = m.production * m.costPerTon;
    m.totalCost = m.cost + m.maintenance;
    m.value = value.wide();
    return m;
}

namespace {

void showFigures(StringGrid& grid, int first, int row, const MineFigures& m,
                 const std::string& costPerTon) {
    const std::string cells[] = {
        std::to_string(m.reserve),       std::to_string(m.maintenance), costPerTon,
        std::to_string(m.maxProduction), std::to_string(m.production),  std::to_string(m.weight),
        std::to_string(m.cost),          std::to_string(m.totalCost),   std::to_string(m.value)};
    int col = first;
    for (const std::string& text : cells)
        grid.setCell(col++, row, text);
}

}  // namespace

void showMine(StringGrid& grid, int first, int row, const MineFigures& mine) {
    showFigures(grid, first, row, mine, std::to_string(mine.costPerTon));
}

void showMineTotals(StringGrid& grid, int first, int row, const MineFigures& total) {
    showFigures(grid, first, row, total, "-");
}

}  // namespace quorvex
