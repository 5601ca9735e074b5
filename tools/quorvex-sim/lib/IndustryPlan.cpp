#include "IndustryPlan.h"

#include <algorithm>

#include "economy/Manufacturing.h"
#include "trading/TradeRules.h"
#include "state/Catalogue.h"

namespace quorvex::sim {
namespace {

int32_t perUnit(const GameState& s, int recipe, int good) {
    for (int slot = 1; slot <= kRecipeInputSlots; ++slot)
        if (recipeInput(s, recipe, slot) == good) return recipeInputQty(s, recipe, slot).get();
    return 0;
}

bool madeFromRawGoods(const GameState& s, int recipe) {
    for (int g : inputsOf(s, recipe))
        if (!isRawGood(g)) return false;
    return true;
}

int64_t worth(const GameState& s, Int c, int t, int good, int64_t units) {
    if (units <= 0) return 0;
    return units * unitPrice(s, c, t, good, units).wide();
}

std::optional<IndustryPlan> planFor(const GameState& s, Int c, int recipe) {
    const int t = s.PlayerPlanet[c].get();
    IndustryPlan plan;
    plan.recipe = recipe;
    struct Input {
        int good;
        int32_t dug;
        int64_t cost;  // digging and upkeep a turn
    };
    std::vector<Input> inputs;
    for (int g : inputsOf(s, recipe)) {
        if (hasWorkingMine(s, c, t, g)) {
            int64_t cost = 0;
            for (int k = 1; k <= kMineSlots; ++k)
                cost += s.MineProduction(c, t, g, k).wide() * s.MineCostPerTon(c, t, g, k).wide() +
                        s.MineMaintenance(c, t, g, k).wide();
            inputs.push_back({g, digging(s, c, t, g), cost});
            continue;
        }
        const int k = cheapestOffer(s, t, g);
        if (k == 0) return std::nullopt;
        const int32_t dug = fullProduction(s.PlanetMineMaxProduction(t, g, k).get(),
                                           s.PlanetMineReserve(t, g, k).get());
        plan.mines.emplace_back(g, k);
        plan.outlay += s.PlanetMinePrice(t, g, k).wide();
        inputs.push_back({g, dug,
                          dug * s.PlanetMineCostPerTon(t, g, k).wide() +
                              s.PlanetMineMaintenance(t, g, k).wide()});
    }
    if (minesOwned(s, c) + static_cast<int>(plan.mines.size()) > kMostMines) return std::nullopt;

    plan.level = kMostLevel;
    for (const Input& in : inputs)
        plan.level = std::min(plan.level, in.dug / perUnit(s, recipe, in.good));
    // The factory units the level takes, as many as are offered and the cash allows.
    const int32_t unitsEach = s.RecipeUnits[recipe].get();
    const int64_t freeUnits = s.FactoryUnits(c, t).wide() - s.FactoryUsedUnits(c, t).wide();
    const int64_t unitPrice = std::max<int64_t>(s.PlanetFactoryPrice[t].wide(), 1);
    const int64_t budget = s.PlayerCash[c].wide() - kCashKeptBack - plan.outlay;
    if (budget < 0) return std::nullopt;
    const int64_t buyable =
        std::min<int64_t>(s.PlanetFactoryAvailable[t].wide(), budget / unitPrice);
    plan.level = static_cast<int32_t>(
        std::min<int64_t>(plan.level, (freeUnits + std::max<int64_t>(buyable, 0)) / unitsEach));
    if (plan.level < 1) return std::nullopt;
    plan.unitsToBuy =
        static_cast<int32_t>(std::max<int64_t>(int64_t{plan.level} * unitsEach - freeUnits, 0));
    plan.outlay += plan.unitsToBuy * unitPrice;

    const int output = s.RecipeOutput[recipe].get();
    plan.earnings = worth(s, c, t, output, plan.level) -
                    int64_t{plan.level} * manufacturingRate(s, recipe, plan.level).wide();
    for (const Input& in : inputs) {
        const int64_t spare = in.dug - int64_t{plan.level} * perUnit(s, recipe, in.good);
        plan.earnings += worth(s, c, t, in.good, spare) - in.cost;
    }
    return plan;
}

}  // namespace

std::vector<int> inputsOf(const GameState& s, int recipe) {
    std::vector<int> goods;
    for (int slot = 1; slot <= kRecipeInputSlots; ++slot)
        if (const Int g = recipeInput(s, recipe, slot); g != 0) goods.push_back(g.get());
    return goods;
}

bool mineOwned(const GameState& s, Int c, int t, int g, int k) {
    return s.MineMaintenance(c, t, g, k) != 0;
}

int minesOwned(const GameState& s, Int c) {
    int n = 0;
    for (int t = 1; t <= kPlanets; ++t)
        for (int g = 1; g <= kRawGoods; ++g)
            for (int k = 1; k <= kMineSlots; ++k)
                n += mineOwned(s, c, t, g, k) ? 1 : 0;
    return n;
}

int32_t fullProduction(int32_t maxProduction, int32_t reserve) {
    return std::max(std::min(maxProduction, reserve), 0);
}

int32_t digging(const GameState& s, Int c, int t, int g) {
    int32_t total = 0;
    for (int k = 1; k <= kMineSlots; ++k)
        total += s.MineProduction(c, t, g, k).get();
    return total;
}

bool hasWorkingMine(const GameState& s, Int c, int t, int g) {
    for (int k = 1; k <= kMineSlots; ++k)
        if (mineOwned(s, c, t, g, k) && s.MineReserve(c, t, g, k) > 0) return true;
    return false;
}

int freeMineSlot(const GameState& s, Int c, int t, int g) {
    for (int k = 1; k <= kMineSlots; ++k)
        if (!mineOwned(s, c, t, g, k)) return k;
    return 0;
}

int cheapestOffer(const GameState& s, int t, int g) {
    int best = 0;
    for (int k = 1; k <= kMineSlots; ++k) {
        const Int price = s.PlanetMinePrice(t, g, k);
        if (price > 0 && s.PlanetMineMaxProduction(t, g, k) > 0 &&
            (best == 0 || price < s.PlanetMinePrice(t, g, best)))
            best = k;
    }
    return best;
}

int32_t levelFromMines(const GameState& s, Int c, int t, int recipe) {
    int32_t level = kMostLevel;
    for (int g : inputsOf(s, recipe))
        level = std::min(level, digging(s, c, t, g) / perUnit(s, recipe, g));
    return level;
}

std::optional<IndustryPlan> bestIndustryPlan(const GameState& s, Int c) {
    std::optional<IndustryPlan> best;
    for (int r = 1; r <= kRecipes; ++r) {
        if (!madeFromRawGoods(s, r)) continue;
        const auto plan = planFor(s, c, r);
        if (plan && plan->earnings > 0 && (!best || plan->earnings > best->earnings)) best = plan;
    }
    return best;
}

}  // namespace quorvex::sim
