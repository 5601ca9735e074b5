#include "Manufacturing.h"

#include "../state/ExactRound.h"
#include "../state/World.h"
#include "Payment.h"

namespace quorvex {
namespace {

constexpr PerRecipe GameState::*kInputs[kRecipeInputSlots] = {
    &GameState::RecipeInput1, &GameState::RecipeInput2, &GameState::RecipeInput3,
    &GameState::RecipeInput4};
constexpr PerRecipe GameState::*kInputQtys[kRecipeInputSlots] = {
    &GameState::RecipeInput1Qty, &GameState::RecipeInput2Qty, &GameState::RecipeInput3Qty,
    &GameState::RecipeInput4Qty};

}  // namespace

Int recipeInput(const GameState& s, Int recipe, int slot) {
    return (s.*kInputs[slot - 1])[recipe];
}

Int recipeInputQty(const GameState& s, Int recipe, int slot) {
    return (s.*kInputQtys[slot - 1])[recipe];
}

Int recipeMaking(const GameState& s, Int good) {
    for (int f = 1; f <= kRecipes; ++f)
        if (s.RecipeOutput[f] == good) return f;
    return 0;
}

Int manufacturingRate(const GameState& s, Int f, Int amount) {
    return amount <= 25 ? s.RecipeCost1[f] : amount <= 100 ? s.RecipeCost2[f] : s.RecipeCost3[f];
}

int64_t manufacturingRunCost(const GameState& s, Int f, Int amount) {
    return amount.wide() * manufacturingRate(s, f, amount).wide();
}

int64_t manufacturingCost(const GameState& s, Int c) {
    WideTotal total;
    for (int t = 1; t <= kPlanets; ++t)
        for (int f = 1; f <= kRecipes; ++f)
            total.add(manufacturingRunCost(s, f, s.FactoryAmount(c, t, f)));
    return total.clamped();
}

bool manufacture(GameState& s, Int c) {
    bool shortOfGoods = false;
    for (int t = 1; t <= kPlanets; ++t)
        for (int f = 1; f <= kRecipes; ++f) {
            const Int amount = s.FactoryAmount(c, t, f);
            if (amount == 0) continue;
            bool enough = true;
            for (int j = 1; j <= kRecipeInputSlots; ++j) {
                const Int input = recipeInput(s, f, j);
                if (input == 0) continue;
                const int64_t need = amount.wide() * recipeInputQty(s, f, j).wide();
                if (s.WarehouseStock(c, t, input).wide() < need) enough = false;
            }
            if (!enough) {
                shortOfGoods = true;
                continue;
            }
            for (int j = 1; j <= kRecipeInputSlots; ++j) {
                const Int input = recipeInput(s, f, j);
                if (input == 0) continue;
                s.WarehouseStock(c, t, input) -= amount * recipeInputQty(s, f, j);
            }
            s.WarehouseStock(c, t, s.RecipeOutput[f]) += amount;
        }
    return shortOfGoods;
}

void runManufacturing(const World& world, Int c) {
    const int64_t cost = manufacturingCost(world.state, c);
    if (cost == 0) return;
    if (!payRunningTotal(world, c, cost, PaymentPurpose::Manufacturing)) {
        world.tellCompany(c,
                          " You can not afford to pay your manufacturing costs"
                          " so you can not manufacture anything this turn");
        return;
    }
    if (manufacture(world.state, c))
        world.tellCompany(c, " You do not have enough goods to do all your manufacturing");
}

}  // namespace quorvex
