#pragma once

#include <array>
#include <cstdint>

#include "../state/ExactRound.h"
#include "../state/GameState.h"

namespace quorvex {

class World;

// The tons that a number of units of a good weigh, Round(units x weight), exactly and in 64
// bits so that no stock is too large to weigh.
int64_t goodTons(const GameState& s, Int good, int64_t units);

// The 25 weights read once, for loops that weigh every good of every planet.
class GoodWeights {
public:
    explicit GoodWeights(const GameState& s);
    int64_t tons(int good, int64_t units) const;

private:
    std::array<Decimal, kGoods + 1> weight_;
};

// The unit price of a sales-office trade of q units: the retail price, or for an industrial
// good the price of q's band (1-25, 26-100, 101 or more).
Int salesUnitPrice(const GameState& s, Int company, Int planet, Int good, int64_t quantity);

// What the company's factories on a planet consume of each good in a turn (index 1..25).
std::array<int64_t, kGoods + 1> factoryNeeds(const GameState& s, Int company, Int planet);

// The cost of a plan's purchases. Summed in 64 bits: a total (or a single amount) beyond 32 bits
// cannot be paid by anybody and is simply not affordable.
struct PurchaseCost {
    int64_t total = 0;
    bool fits = true;
};

// Works out, for every planet and good, what the sales office buys (what the factories lack,
// plus any extra asked for) and sells (the warehouse stock, less what is kept back, unless the
// kept goods have no room). With cost, the purchases are priced too.
PurchaseCost planSalesOffice(GameState& s, Int company, bool withCost);

// Pays for the plan's purchases and takes them from the markets (what the company cannot see on
// offer is paid for but lost), then rebuilds the company's view of the markets.
void salesOfficeBuy(const World& world, Int company, const PurchaseCost& cost);

// Weighs each warehouse's stock again; the weight in use never exceeds the space owned.
void recountWarehouses(GameState& s, Int company);

// Sells the planned amounts onto the markets, then rebuilds the company's view of them.
void salesOfficeSell(const World& world, Int company);

}  // namespace quorvex
