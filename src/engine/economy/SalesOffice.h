#pragma once

#include <array>
#include <cstdint>

#include "../state/ExactRound.h"
#include "../state/Fraction.h"
#include "../state/GameState.h"
#include "../trading/TradeRules.h"

namespace quorvex {

class World;

// The 25 weights read once, for loops that weigh every good of every planet.
class GoodWeights {
public:
    explicit GoodWeights(const GameState& s);
    int64_t tons(int good, int64_t units) const;

private:
    std::array<Decimal, kGoods + 1> weight_;
};

// What the company's factories on a planet consume of each good in a turn (index 1..25), summed
// in 128 bits.
std::array<Fraction::Wide, kGoods + 1> factoryNeeds(const GameState& s, Int company, Int planet);

// The total production set on the company's mines of each raw good on a planet, written into
// MineOutput, which the screens show.
void storeMineOutput(GameState& s, Int company, Int planet);

// What the company's factories on a planet make of a good this turn (0 for a raw good).
Int madeByFactories(const GameState& s, Int company, Int planet, Int good);

// What the sales office buys of one good: what the factories lack after what is there (and
// made or mined), plus any extra asked for. A negative adjustment cannot stop the factories'
// needs: it is ignored, and said so.
struct SalesBuyStep {
    Fraction::Wide wanted = 0;
    bool adjustIgnored = false;
    // What the store can hold of it: anything beyond 32 bits is more than anybody can pay for.
    Int stored() const;
};
SalesBuyStep salesBuyStep(Fraction::Wide need, Fraction::Wide have, Fraction::Wide buyAdjust);

// What it sells of what the warehouse will hold: everything by default, less what a negative
// adjustment keeps back, unless the goods kept would not fit in the free space, in which case
// they go too. Each limit that overrules the adjustment is said.
struct SalesSellStep {
    int64_t amount = 0;
    bool aboveHeld = false;    // a positive adjustment: no more than is held can be sold
    bool belowZero = false;    // kept back more than is held
    bool keptWontFit = false;  // the goods kept back would not fit, so all are sold
};
SalesSellStep salesSellStep(int64_t held, Fraction::Wide sellAdjust, const GoodWeights& weights,
                            int good, int64_t freeTons);

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
