#pragma once

#include "state/Catalogue.h"
#include "support/AmountTest.h"

namespace quorvex::testing {

// Company 2, its ship on planet C with £100000 and a credit limit of £150000, in the fixed world
// of goods and planets (Iron: 1.25 tons a unit, lowest price 350).
struct MinesFixture : AmountTest {
    static constexpr int kC = 2;
    static constexpr int kShip = 3;
    static constexpr int kIron = 1;
    static constexpr int kCoal = 2;

    void SetUp() override {
        writeCatalogue(s);
        s.CurrentPlayer = kC;
        s.TurnNumber = 5;  // past the first turn's guidance
        s.PlayerPlanet[kC] = s.PlayerDestination[kC] = kShip;
        s.PlayerCash[kC] = 100000;
        s.PlayerCreditLimit[kC] = 150000;
    }

    struct Mine {
        int reserve, maintenance, costPerTon, maxProduction, production;
    };
    void own(int planet, int good, int slot, Mine m) {
        s.MineReserve(kC, planet, good, slot) = m.reserve;
        s.MineMaintenance(kC, planet, good, slot) = m.maintenance;
        s.MineCostPerTon(kC, planet, good, slot) = m.costPerTon;
        s.MineMaxProduction(kC, planet, good, slot) = m.maxProduction;
        s.MineProduction(kC, planet, good, slot) = m.production;
        s.MineValue(kC, planet, good, slot) = 1;  // stale until shown
    }
    // Two Iron mines on the ship's planet, in slots 1 and 3, chosen so that every rounding is a
    // half: their values are 9804 and 9676, and their six units a turn weigh 7.5 tons each.
    void ownTwoIronMines() {
        own(kShip, kIron, 1, {1006, 201, 120, 50, 6});
        own(kShip, kIron, 3, {1002, 203, 150, 40, 6});
    }

    std::vector<std::string> row(const StringGrid& grid, int r) const {
        std::vector<std::string> cells;
        for (int col = 0; col < grid.colCount(); ++col)
            cells.push_back(grid.cell(col, r));
        return cells;
    }
};

using Texts = std::vector<std::string>;

}  // namespace quorvex::testing
