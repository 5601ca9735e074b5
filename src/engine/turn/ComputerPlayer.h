#pragma once

#include <array>

#include "../state/GameState.h"

namespace quorvex {

class World;

// A computer company's whole turn up to its departure: bank, hull, allowance, crew, passengers,
// repayment and savings; it ends with the next planet chosen. The end of turn itself
// (Plyrfinish) follows as for every company. It plays any company by these rules, a human one
// too (the simulator lets the computer play for a person).
void playComputerTurn(const World& world, Int company);

// How a computer divides its free hull: passenger places (5 tons each), fuel tons and cargo
// tons, together exactly the free space. A hull left over-full (free space below 0) gives space
// back instead, each kind at most what stands empty of it (`empty`: places without passengers,
// tank without fuel, hold without cargo), so it may stay a few tons over.
struct HullShares {
    Int places, fuel, cargo;
};
HullShares hullShares(Int freeSpace, Int passengerPercent, HullShares empty);

// The twelve planets by the profit of taking passengers there, the most profitable first;
// equal profits keep planet order.
std::array<int, kPlanets> planetsByPassengerProfit(const GameState& s, Int company);

}  // namespace quorvex
