#include "SampleGames.h"

#include <algorithm>
#include <stdexcept>

#include "economy/SalesOffice.h"
#include "state/Fraction.h"
#include "turn/TRankingScreen.h"

namespace quorvex::sim {
namespace {

constexpr int32_t kLongGameWorth = 10000000;

void require(const SimResult& r) {
    if (!r.ok()) throw std::runtime_error("a sample game stopped: " + r.text);
}

// Works the net worths out again after the store was changed by hand, as the ranking does.
void balance(Game& game) {
    game.perform([&] { game.RankingScreen().BalanceCalcutate(); });
}

// Takes money away from companies worth more than the limit: savings first, then cash.
void skim(GameState& s) {
    for (int c = 1; c <= kCompanies; ++c) {
        if (!s.PlayerActive[c]) continue;
        const int64_t worth = s.PlayerCash[c].wide() + s.PlayerSavings[c].wide() -
                              s.PlayerLoan[c].wide() - s.CrewDebt[c].wide();
        int64_t excess = worth - kLongGameWorth;
        if (excess <= 0) continue;
        const int64_t fromSavings = std::min<int64_t>(excess, s.PlayerSavings[c].wide());
        s.PlayerSavings[c] = Int::fromWide(s.PlayerSavings[c].wide() - fromSavings);
        excess -= fromSavings;
        s.PlayerCash[c] = Int::fromWide(s.PlayerCash[c].wide() - excess);
    }
}

// Company c buys offer `row` of raw good g on planet t as the mines screen buys it, with money
// given to it for the purpose, and sets it to produce half of what it can.
void buyMine(GameState& s, int c, int t, int g, int row) {
    const Int price = s.PlanetMinePrice(t, g, row);
    int slot = 1;
    while (slot <= kMineSlots && s.MineMaintenance(c, t, g, slot) != 0)
        ++slot;
    if (slot > kMineSlots) return;
    s.MineReserve(c, t, g, slot) = s.PlanetMineReserve(t, g, row);
    s.MineCostPerTon(c, t, g, slot) = s.PlanetMineCostPerTon(t, g, row);
    s.MineMaintenance(c, t, g, slot) = s.PlanetMineMaintenance(t, g, row);
    s.MineMaxProduction(c, t, g, slot) = s.PlanetMineMaxProduction(t, g, row);
    s.MineValue(c, t, g, slot) = (Fraction(price) * Fraction::ratio(9, 10)).round();
    s.MineProduction(c, t, g, slot) = s.PlanetMineMaxProduction(t, g, row) / 2;
    s.PlanetMineReserve(t, g, row) = 0;
    s.PlanetMineCostPerTon(t, g, row) = 0;
    s.PlanetMineMaintenance(t, g, row) = 0;
    s.PlanetMineMaxProduction(t, g, row) = 0;
    s.PlanetMinePrice(t, g, row) = 0;
    s.PlayerCreditLimit[c] += price / 2000 * 1000;
}

void setFactories(GameState& s, int c, int t) {
    s.FactoryUnits(c, t) = 400;
    s.FactoryAmount(c, t, 1) = 30;   // steel, from iron and coal
    s.FactoryAmount(c, t, 12) = 10;  // girders, from this turn's steel
    s.FactoryAmount(c, t, 8) = 120;  // food, from raw food: the cheapest rate
    s.FactoryUsedUnits(c, t) =
        s.RecipeUnits[1] * 30 + s.RecipeUnits[12] * 10 + s.RecipeUnits[8] * 120;
}

void setWarehouse(GameState& s, int c, int t, std::initializer_list<std::pair<int, int>> goods) {
    s.WarehouseSpace(c, t) = 5000;
    for (const auto& [g, units] : goods)
        s.WarehouseStock(c, t, g) = units;
    recountWarehouses(s, c);
    s.WarehouseFree(c, t) = s.WarehouseSpace(c, t) - s.WarehouseUsed(c, t);
}

void setAdvertising(GameState& s, int c) {
    s.AdvPsngrMethod[c] = 2;  // a billboard at its second cost
    s.AdvPsngrCost[c] = 3500;
    s.AdvPsngrStrength[c] = 21;
    s.AdvPsngrPlanet[c] = 3;
    s.AdvIndAmountMethod[c] = 4;  // radio at 12500 on two planets
    s.AdvIndAmountCostPerPlanet[c] = 12500;
    s.AdvIndAmountPlanets(c, 1) = s.AdvIndAmountPlanets(c, 2) = true;
    s.AdvIndAmountCost[c] = 25000;
    s.AdvIndAmountStrength[c] = 43;
    s.AdvIndAmountGood[c] = true;
    s.AdvRtlAmountMethod[c] = 5;  // television at its dearest on one planet
    s.AdvRtlAmountCostPerPlanet[c] = 25000;
    s.AdvRtlAmountPlanets(c, 4) = true;
    s.AdvRtlAmountCost[c] = 25000;
    s.AdvRtlAmountStrength[c] = 55;
    s.AdvIndDemandMethod[c] = 1;  // a flyer, "Bad "
    s.AdvIndDemandCostPerPlanet[c] = 1500;
    s.AdvIndDemandPlanets(c, 5) = true;
    s.AdvIndDemandCost[c] = 1500;
    s.AdvIndDemandStrength[c] = 10;
    s.AdvIndDemandGood[c] = false;
    s.AdvRtlDemandMethod[c] = 3;  // a newspaper, "Good"
    s.AdvRtlDemandCostPerPlanet[c] = 6000;
    for (int t = 1; t <= kPlanets; ++t)
        s.AdvRtlDemandPlanets(c, t) = true;
    s.AdvRtlDemandCost[c] = 6000 * kPlanets;
    s.AdvRtlDemandStrength[c] = 33;
    s.AdvRtlDemandGood[c] = true;
    s.AdvDone[c] = true;
}

// Goods in the hold and passengers aboard, in the space the company's hull was fitted with.
void fillShip(GameState& s, int c) {
    // A hold too small for the goods gets the hull's free space, as the shipyard fits it.
    if (s.CargoSpace[c] < 2) {
        s.CargoSpace[c] += s.ShipFreeSpace[c];
        s.ShipFreeSpace[c] = 0;
    }
    if (s.CargoSpace[c] >= 2) {
        const Int furniture = s.CargoSpace[c] - 2;  // a ton a unit
        s.CargoHold(c, 13) = furniture;
        s.CargoHold(c, 7) = 3;  // raw food, half a ton a unit: 1.5 tons round to 2
        s.CargoUsed[c] = furniture + 2;
        s.CargoFree[c] = s.CargoSpace[c] - s.CargoUsed[c];
    }
    s.Passengers[c] = std::min(s.PassengerSpace[c], Int(8));
    s.PsngrFare[c] = s.TicketPrice[c];
    s.PsngrDestination[c] = s.PlayerDestination[c];
    s.PsngrPickedUp[c] = true;
}

}  // namespace

std::unique_ptr<GameState> playedGame(const SimOptions& options,
                                      const std::function<void(const GameState&)>& eachTurn) {
    Simulator sim(options);
    const SimResult r = sim.run([&](const TurnReport&) {
        if (eachTurn) eachTurn(sim.state());
    });
    require(r);
    if (eachTurn) eachTurn(sim.state());
    return std::make_unique<GameState>(sim.state());
}

std::unique_ptr<GameState> longGame(int turns, uint32_t seed,
                                    const std::function<void(const GameState&)>& eachTurn) {
    SimOptions o;
    o.humans = 2;
    o.computers = 12;
    o.intelligence = 80;
    o.events = EventsChoice::Loads;
    o.seed = seed;
    o.policy = HumanPolicy::Computer;
    Simulator sim(o);
    if (!sim.start()) require(sim.result());
    require(sim.playOn(turns, [&](const TurnReport&) {
        skim(sim.game().state);
        balance(sim.game());
        if (eachTurn) eachTurn(sim.state());
    }));
    return std::make_unique<GameState>(sim.state());
}

std::unique_ptr<GameState> ownershipGame(uint32_t seed) {
    SimOptions o;
    o.humans = 2;
    o.computers = 3;
    o.intelligence = 60;
    o.events = EventsChoice::Some;
    o.seed = seed;
    o.policy = HumanPolicy::Computer;
    o.turns = 3;
    Simulator sim(o);
    require(sim.run());
    GameState& s = sim.game().state;
    const int here = s.PlayerPlanet[1].get();
    const int elsewhere = here % kPlanets + 1;
    // The mines, paid for by a gift the size of their price, so the company's cash is unchanged.
    for (int g = 1; g <= kRawGoods; ++g)
        buyMine(s, 1, here, g, 1 + g % kMineSlots);
    buyMine(s, 1, here, 1, 1 + 2 % kMineSlots);  // a second iron mine
    planSalesOffice(s, 1, false);                // the mines' output per good, as the screen has it
    setFactories(s, 1, here);
    setWarehouse(s, 1, here, {{1, 120}, {2, 200}, {13, 15}, {21, 2}});
    setWarehouse(s, 2, elsewhere, {{25, 300}});
    s.SalesBuyAdjust(1, here, 3) = 20;    // extra wood
    s.SalesSellAdjust(1, here, 13) = -5;  // keep five pieces of furniture
    s.SalesSellAdjust(1, here, 2) = -50;  // and some coal
    setAdvertising(s, 1);
    fillShip(s, 1);
    balance(sim.game());
    return std::make_unique<GameState>(s);
}

}  // namespace quorvex::sim
