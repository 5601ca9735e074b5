#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "state/GameState.h"

// What an industrialist reads from the store before it acts on the screens: its mines, the
// mines on offer, the level its mines keep a product at, and the best product to set up.
namespace quorvex::sim {

// How far an industrialist goes: no more than this many mines at a time, no factory level above
// kMostLevel (one planet's market could not take more a turn), and this much cash kept back.
inline constexpr int kMostMines = 2;
inline constexpr int32_t kMostLevel = 400;
inline constexpr int32_t kCashKeptBack = 60000;

// A recipe's input goods (one to four).
std::vector<int> inputsOf(const GameState& s, int recipe);

bool mineOwned(const GameState& s, Int company, int planet, int good, int slot);
int minesOwned(const GameState& s, Int company);
// A mine of the good on the planet with something left in the ground.
bool hasWorkingMine(const GameState& s, Int company, int planet, int good);
// The first free slot for a mine of the good, or 0.
int freeMineSlot(const GameState& s, Int company, int planet, int good);
// What a mine can dig this turn: its maximum, or what is left in the ground.
int32_t fullProduction(int32_t maxProduction, int32_t reserve);
// The production set on the company's mines of the good on the planet.
int32_t digging(const GameState& s, Int company, int planet, int good);
// The cheapest mine of a good on offer on a planet (a row of the offers grid), or 0.
int cheapestOffer(const GameState& s, int planet, int good);
// The level of a product that the company's mines on the planet keep in inputs.
int32_t levelFromMines(const GameState& s, Int company, int planet, int recipe);

// A product to set up where the company's ship is: the mines to buy for its inputs, the level
// they keep it at, the factory units to rent for it, and what that is reckoned to earn a turn
// at the prices the company sees there.
struct IndustryPlan {
    int recipe = 0;
    std::vector<std::pair<int, int>> mines;  // good, row of the offers grid
    int32_t level = 0;
    int32_t unitsToBuy = 0;
    int64_t outlay = 0;
    int64_t earnings = 0;
};

// The product made from raw goods alone that earns most where the ship is, within the cash
// (less what is kept back) and the mines allowed; none if nothing affordable earns its keep.
std::optional<IndustryPlan> bestIndustryPlan(const GameState& s, Int company);

}  // namespace quorvex::sim
