#pragma once

#include <string>
#include <vector>

#include "support/ScreenTest.h"

namespace quorvex::testing {

// The two ship screens' tests start alike: company 2 with a new game's ship on planet C, in
// turn 3 (no guidance): hull 250, 160 tons of space and 90 free, a full 50-ton tank, the engine
// of a new game, 2 crew at £500 and £100000 in cash.
struct ShipFixture : ScreenTest {
    void SetUp() override {
        s.TurnNumber = 3;
        s.CurrentPlayer = 2;
        s.PlayerPlanet[2] = s.PlayerDestination[2] = 3;
        for (int j = 1; j <= kPlanets; ++j)
            s.PlanetName[j] = std::string(1, char('A' + j - 1));
        s.ShipHullSize[2] = 250;
        s.ShipMaxCrew[2] = 5;
        s.ShipSpace[2] = 160;
        s.ShipFreeSpace[2] = 90;
        s.PassengerSpaceLimit[2] = 15;
        s.EngineSize[2] = 20;
        s.EngineEfficiency[2] = 25;
        s.EngineSpeed[2] = 1;
        s.FuelTankSpace[2] = s.ShipFuel[2] = 50;
        s.CrewCount[2] = 2;
        s.CrewWage[2] = 500;
        s.PlayerCash[2] = 100000;
    }

    // What a row of a grid shows, left to right.
    static std::vector<std::string> rowOf(const StringGrid& grid, int row) {
        std::vector<std::string> cells;
        for (int col = 0; col < grid.colCount(); ++col)
            cells.push_back(grid.cell(col, row));
        return cells;
    }
};

}  // namespace quorvex::testing
