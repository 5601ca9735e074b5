#pragma once

#include <cstdint>

#include "../state/GameState.h"

namespace quorvex {

class StringGrid;

// A slot holds a mine exactly when the mine has an upkeep; a sold mine leaves every field 0.
inline bool mineOwned(const GameState& s, Int c, Int t, Int g, Int k) {
    return s.MineMaintenance(c, t, g, k) != 0;
}

// What the mine screens show of one owned mine, column by column, or the sum of several. Kept in
// 64 bits: these are only shown, so no mine's figures are too large to show.
struct MineFigures {
    int64_t reserve = 0;
    int64_t maintenance = 0;
    int64_t costPerTon = 0;
    int64_t maxProduction = 0;
    int64_t production = 0;
    int64_t weight = 0;     // tons the set production weighs, rounded
    int64_t cost = 0;       // production x cost a ton
    int64_t totalCost = 0;  // that and the upkeep: what the mine costs a turn
    int64_t value = 0;

    MineFigures& operator+=(const MineFigures& other);
};

// Slot k of the company's mines of raw good g on planet t as the screens show it. Its value is
// worked out anew and stored first, so a mine is always shown, and sold, at what it is worth
// now; an empty slot is worth 0.
MineFigures refreshMine(GameState& s, Int c, Int t, Int g, Int k);

// A mine's figures in one grid row, from column `first` on.
void showMine(StringGrid& grid, int first, int row, const MineFigures& mine);
// The same for a sum of mines: a sum of costs a ton means nothing, so that column shows "-".
void showMineTotals(StringGrid& grid, int first, int row, const MineFigures& total);

}  // namespace quorvex
