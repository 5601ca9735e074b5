#include "Catalogue.h"

namespace quorvex {
namespace {

struct GoodRow {
    const char* name;
    double weight;
    int minPrice;
    int maxPrice;
    double demandRate;
};

constexpr GoodRow kGoodsTable[kGoods] = {
    {"Iron", 1.25, 350, 500, 0.124},        {"Coal", 0.75, 350, 500, 0.244},
    {"Wood", 0.5, 300, 1000, 0.12},         {"Silica", 0.5, 450, 1250, 0.016},
    {"Oil", 0.75, 450, 1100, 0.17},         {"Clay", 0.75, 300, 750, 0.049},
    {"Raw Food", 0.5, 250, 500, 0.12},      {"Steel", 1.25, 1400, 1800, 0.107},
    {"Glass", 1.0, 700, 1000, 0.079},       {"Silicon", 1.0, 750, 1250, 0.044},
    {"Plastic", 0.75, 750, 1500, 0.12},     {"Girders", 1.5, 1600, 2000, 0.011},
    {"Furniture", 1.0, 2500, 3000, 0.02},   {"Paper", 0.75, 500, 750, 0.05},
    {"Windows", 0.75, 2500, 3000, 0.02},    {"Toys", 0.5, 2500, 3000, 0.03},
    {"Computers", 0.75, 3250, 4000, 0.025}, {"Bricks", 1.5, 500, 1000, 0.048},
    {"Pottery", 1.0, 750, 1500, 0.03},      {"Bottles", 0.75, 900, 1250, 0.05},
    {"Houses", 15.0, 60000, 125000, 0.002}, {"Phones", 0.5, 2000, 2500, 0.02},
    {"Robots", 1.0, 7500, 12500, 0.005},    {"Cars", 2.5, 10000, 17500, 0.01},
    {"Food", 0.6, 400, 600, 0.1},
};

struct RecipeRow {
    int output;
    int inputs[4][2];  // good, units per unit made
    int inputCount;
    int units;
    int cost1, cost2, cost3;
};

constexpr RecipeRow kRecipesTable[kRecipes] = {
    {8, {{1, 1}, {2, 2}, {0, 0}, {0, 0}}, 2, 2, 250, 200, 150},
    {9, {{4, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 2, 200, 175, 150},
    {10, {{4, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 2, 200, 150, 125},
    {11, {{5, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 3, 250, 225, 200},
    {24, {{5, 1}, {11, 2}, {8, 1}, {0, 0}}, 3, 20, 750, 500, 400},
    {18, {{6, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 1, 150, 125, 100},
    {19, {{6, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 3, 250, 225, 200},
    {25, {{7, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 2, 100, 75, 50},
    {14, {{3, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 2, 100, 75, 50},
    {13, {{3, 2}, {8, 1}, {0, 0}, {0, 0}}, 2, 10, 225, 200, 175},
    {21, {{3, 5}, {12, 2}, {18, 20}, {15, 5}}, 4, 50, 30000, 27500, 25000},
    {12, {{8, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 4, 125, 100, 75},
    {15, {{9, 2}, {11, 1}, {0, 0}, {0, 0}}, 2, 8, 200, 150, 125},
    {16, {{8, 1}, {11, 1}, {0, 0}, {0, 0}}, 2, 4, 250, 225, 150},
    {17, {{11, 1}, {10, 1}, {8, 1}, {0, 0}}, 3, 20, 250, 225, 200},
    {20, {{9, 1}, {0, 0}, {0, 0}, {0, 0}}, 1, 3, 125, 100, 75},
    {22, {{11, 1}, {10, 1}, {0, 0}, {0, 0}}, 2, 6, 250, 225, 200},
    {23, {{17, 1}, {8, 2}, {0, 0}, {0, 0}}, 2, 15, 350, 300, 250},
};

constexpr int kPlanetSizes[kPlanets] = {3, 4, 1, 6, 4, 5, 6, 1, 2, 4, 3, 2};

}  // namespace

void writeCatalogue(GameState& s) {
    for (int g = 1; g <= kGoods; ++g) {
        const GoodRow& row = kGoodsTable[g - 1];
        s.GoodName[g] = row.name;
        s.GoodWeight[g] = row.weight;
        s.GoodMinPrice[g] = row.minPrice;
        s.GoodMaxPrice[g] = row.maxPrice;
        s.GoodDemandRate[g] = row.demandRate;
    }
    for (int r = 1; r <= kRecipes; ++r) {
        const RecipeRow& row = kRecipesTable[r - 1];
        s.RecipeOutput[r] = row.output;
        s.RecipeInputCount[r] = row.inputCount;
        s.RecipeUnits[r] = row.units;
        s.RecipeInput1[r] = row.inputs[0][0];
        s.RecipeInput1Qty[r] = row.inputs[0][1];
        s.RecipeInput2[r] = row.inputs[1][0];
        s.RecipeInput2Qty[r] = row.inputs[1][1];
        s.RecipeInput3[r] = row.inputs[2][0];
        s.RecipeInput3Qty[r] = row.inputs[2][1];
        s.RecipeInput4[r] = row.inputs[3][0];
        s.RecipeInput4Qty[r] = row.inputs[3][1];
        s.RecipeCost1[r] = row.cost1;
        s.RecipeCost2[r] = row.cost2;
        s.RecipeCost3[r] = row.cost3;
    }
    for (int p = 1; p <= kPlanets; ++p) {
        s.PlanetName[p] = std::string(1, static_cast<char>('A' + p - 1));
        s.PlanetSize[p] = kPlanetSizes[p - 1];
    }
}

}  // namespace quorvex
