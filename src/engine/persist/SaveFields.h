#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "../state/ExactRound.h"
#include "../state/GameState.h"

namespace quorvex {

// What play can put in a field. A loaded file is refused when any element lies outside its
// field's range: such a value was not written by a game, and the rules that use it (as an index,
// a count, a divisor, a rate, a price or a size) would stop every time they run, or worse.
struct Whole {  // every element from low to high
    int32_t low;
    int32_t high;
};
struct Real {  // a Double: a number (not NaN, not infinite) from low to high
    double low;
    double high;
};
struct OneOf {  // one of the choices of the new-game screen
    std::array<int32_t, 5> values;
};
struct Text {};    // a text of 0 to 2048 characters, checked as it is read
struct Flag {};    // any byte: 0 is false, anything else true
struct Unread {};  // scratch counters and reserved numbers that nothing reads: anything loads

// --- The ranges, each from the rules that write the field. Figures that grow for as long as a
// game lasts get room for games far longer than any played: a game's top prices, which rise by a
// fifth at a time, reach about 330,000,000 after 700 game turns and pass what 32 bits hold near
// turn 900, so no game lasts much beyond that.

inline constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

// Indices and places.
inline constexpr Whole kCompany{1, kCompanies};
inline constexpr Whole kCompanyOrNobody{0, kCompanies};  // 0 before the first ranking display
inline constexpr Whole kTurnSlot{0, kCompanies};
inline constexpr Whole kRankPlace{0, kCompanies};  // 0 until the company is first shown
inline constexpr Whole kPlanet{1, kPlanets};
inline constexpr Whole kPlanetItem{0, kPlanets - 1};  // an item of a list of the planets
inline constexpr Whole kGood{1, kGoods};
inline constexpr Whole kGoodOrNone{0, kGoods};
inline constexpr Whole kManufacturedGood{kRawGoods + 1, kGoods};
inline constexpr Whole kPlayerCount{2, kCompanies};  // a game needs two companies to start
inline constexpr Whole kTurnNumber{1, 1000000};      // the first ranking display makes it 1
inline constexpr OneOf kIntelligenceChoice{{0, 20, 40, 60, 80}};  // 0: none chosen
inline constexpr Whole kIntelligence{0, 99};                      // Random(20) + the choice
inline constexpr OneOf kEventRate{{20, 40, 60, 80, 100}};         // 20: none chosen

// The ship. The hull starts at 250 tons and only random events add to it, up to 100 tons a
// time: about 7,000 tons after 700 game turns of the most frequent events.
inline constexpr int32_t kMaxHull = 100000;
inline constexpr Whole kHull{250, kMaxHull};
inline constexpr Whole kTons{0, kMaxHull};  // fuel, tank, cargo space: parts of the hull
inline constexpr Whole kShipSpace{0, kMaxHull};
// The free space goes a few tons below 0 when a bigger hull adds crew quarters to a full one.
inline constexpr Whole kFreeSpace{-kMaxHull, kMaxHull};
// Rounded weights can take the tons aboard a little below 0 (two units of half a ton weigh
// nothing each when bought one at a time, and a ton when sold together).
inline constexpr Whole kTonsInUse{-kMaxHull, kMaxHull};
inline constexpr Whole kCrewPlaces{5, kMaxHull / 50};       // hull div 50
inline constexpr Whole kCrewCount{2, kMaxHull / 50};        // two base crew are never sacked
inline constexpr Whole kPassengerLimit{15, kMaxHull / 10};  // (crew places - 2) x 5
inline constexpr Whole kPassengerPlaces{0, kMaxHull / 10};
// Engines on offer: speed 1 to 24, size 5 x speed + 10, fuel per trip 15 + 2 x speed + up to 34.
inline constexpr Whole kEngineSpeed{1, 24};
inline constexpr Whole kEngineSize{15, 130};
inline constexpr Whole kEngineEfficiency{17, 97};
// From the trade-in value of the cheapest engine (its list price 64725 div 100 x 50) to the
// dearest offer (the list price 128450 at 49 % over).
inline constexpr Whole kEnginePrice{32350, 191390};

// Money. A company whose net worth passes 250,000,000 wins and ends the game, so a game in play
// holds far less; a won game still loads with room to spare. Net worth stays within half of 32
// bits so that the change the ranking shows (this worth less the last one) always fits.
inline constexpr int32_t kMaxMoney = 1000000000;
inline constexpr int32_t kMaxCredit = 100000000;      // 150000, raised by half of each mine bought
inline constexpr Whole kCash{-kMaxMoney, kMaxMoney};  // a computer's borrowing can leave it < 0
inline constexpr Whole kSavings{0, kMaxMoney};
inline constexpr Whole kLoan{0, kMaxCredit};
inline constexpr Whole kCreditLimit{150000, kMaxCredit};
inline constexpr Whole kNetWorth{-(1 << 30), (1 << 30) - 1};
// Wages owed grow by the crew's pay every turn nobody pays them; paying a crew's doubled demand
// partly can leave less than nothing owed.
inline constexpr Whole kCrewDebt{-50000000, 50000000};
inline constexpr Whole kCrewWage{500, 500};  // set by the new game, changed by nothing
inline constexpr Whole kCrewMood{1, 5};
// The loan rate starts at 8.5 and events only lower it, never below 2.5. The savings rate
// starts at 5.5 and events raise it by 0.5 to 2.5 at a time, without end: about a quarter of a
// point a game turn at the most frequent events, 213.5 for the luckiest of 18 companies after
// 700 turns, some 270 where the top prices end the longest game. At 300 a company in play, whose
// savings are at most its worth (below the winning 250,000,000) with its loan and wages owed,
// still earns its next turn's interest within 32 bits.
inline constexpr Real kLoanRate{2.5, 8.5};
inline constexpr Real kSavingsRate{5.5, 300};
inline constexpr Whole kLoanInterest{0, kMaxCredit / 10};
inline constexpr Whole kSavingsInterest{0, kIntMax};

// Planets. Populations grow from at least 4802 and stop at the cap.
inline constexpr Whole kPlanetSize{1, 6};
inline constexpr Whole kPlanetResources{6000, 48000};  // size x 10000 div 5 x 3 or 4
inline constexpr Whole kMaxPopulation{6, 60};          // size x 6 to 10
inline constexpr Whole kPopulation{4802, kGrowthCap};
inline constexpr Real kGrowthRate{5, 5};  // set by the new game, changed by nothing
inline constexpr Whole kLandingCost{500, 2400};
inline constexpr Whole kLandingFee{0, 0};  // nothing ever charges one
inline constexpr Whole kFuelPrice{50, 299};
inline constexpr Whole kCargoSpacePrice{50, 199};
inline constexpr Whole kFuelSpacePrice{100, 249};
inline constexpr Whole kPassengerSpacePrice{250, 599};
inline constexpr Whole kWarehousePrice{750, 1249};
inline constexpr Whole kFactoryPrice{1000, 1749};
inline constexpr Whole kOnOffer{500, 999};  // warehouse tons and factory units for sale

// Passengers: 2.5 % of a population of at most 1,000,000,000, raised by up to 55 % of
// advertising and 20 % for the cheapest ticket.
inline constexpr Whole kPassengersOffered{0, 46500000};
inline constexpr Whole kPassengersWaiting{1, 46500000};
inline constexpr Whole kTicketPrice{500, 5000};
inline constexpr Whole kFare{0, 5000};
// Up to 5000 spread over the group, 15 a passenger of the group, 250, a quarter of the ticket.
inline constexpr Whole kPassengerCost{1, 5000 + 15 * (kMaxHull / 10) + 250 + 5000 / 4};

// Advertising: method 0 to 5, a cost choice of at most 25000 a planet, strength method x 10 +
// the cost choice's place.
inline constexpr Whole kAdvertMethod{0, 5};
inline constexpr Whole kAdvertCost{0, 25000};
inline constexpr Whole kAdvertTotalCost{0, 25000 * kPlanets};
inline constexpr Whole kAdvertStrength{0, 55};

// Goods: the catalogue's figures; only the top prices move, by up to a fifth at each event.
inline constexpr Real kWeight{0.5, 15};
inline constexpr Real kDemandRate{0.002, 0.244};
inline constexpr Whole kLowestPrice{250, 60000};
inline constexpr int32_t kMaxPrice = 1000000000;
inline constexpr Whole kPrice{250, kMaxPrice};
inline constexpr Whole kRecipeInputCount{1, 4};
inline constexpr Whole kRecipeUnits{1, 50};
inline constexpr Whole kFirstInputQuantity{1, 20};
inline constexpr Whole kInputQuantity{0, 20};
inline constexpr Whole kRecipeCost1{100, 30000};
inline constexpr Whole kRecipeCost2{75, 27500};
inline constexpr Whole kRecipeCost3{50, 25000};

// Markets. Supply stops at the cap and the amount on offer is 95 % to 104 % of it; a sale adds
// to it, a purchase through a company's advertised view can take it below 0. Demand is the
// population times at most 0.244. Advertising moves a company's view by up to 55 %.
inline constexpr int32_t kMaxOffered = kGrowthCap / 100 * 104;
inline constexpr Whole kSupply{0, kGrowthCap};
inline constexpr Whole kPlanetAmount{-kMaxOffered, 1500000000};
inline constexpr int32_t kMaxDemand = kGrowthCap / 1000 * 244;
inline constexpr Whole kDemand{0, kMaxDemand};
inline constexpr Whole kAmountAdjustment{-kMaxOffered / 100 * 55, kMaxOffered / 100 * 55};
inline constexpr Whole kDemandAdjustment{-kMaxDemand / 100 * 55, kMaxDemand / 100 * 55};
inline constexpr Whole kAmountSeen{0, 1500000000 + kMaxOffered / 100 * 55};
inline constexpr Whole kDemandSeen{0, kMaxDemand + kMaxDemand / 100 * 55};

// Goods held, warehouses, mines, factories and the sales office.
inline constexpr int32_t kMaxUnits = 1000000000;
inline constexpr Whole kUnits{0, kMaxUnits};
inline constexpr int32_t kMaxWarehouse = 100000000;
inline constexpr Whole kWarehouseTons{0, kMaxWarehouse};
inline constexpr Whole kWarehouseInUse{-kMaxWarehouse, kMaxWarehouse};
inline constexpr Whole kWarehouseFree{-kMaxWarehouse, 2 * kMaxWarehouse};
// Mines for sale hold 5000 to 24999 tons and produce at most a 25th of it a turn; an owned
// mine keeps producing at its level after its reserve runs out, for as long as the game lasts.
inline constexpr Whole kOfferedReserve{0, 24999};
inline constexpr Whole kMineReserve{-1000000, 24999};  // 1000 tons a turn for 1000 turns
inline constexpr Whole kMineOutput{0, 1000};
inline constexpr Whole kMinesOutput{0, 1000 * kMineSlots};
inline constexpr Whole kMineCostPerTon{0, 60000};
inline constexpr Whole kMineMaintenance{0, 24999 / 20 + 10 * 60000};
inline constexpr Whole kMinePrice{0, 250000000};
inline constexpr Whole kMineValue{-kMaxMoney, kMaxMoney};
inline constexpr int32_t kMaxFactoryUnits = 10000000;
inline constexpr Whole kFactoryUnits{0, kMaxFactoryUnits};
inline constexpr Whole kFactoryCost{0, kIntMax};
inline constexpr Whole kSalesBuy{0, kIntMax};  // a plan's purchase stops at the largest Integer
// The sales office screen keeps its buy adjustment at 0 or more and its sell adjustment at 0
// or less.
inline constexpr Whole kBuyAdjustment{0, kMaxUnits};
inline constexpr Whole kSellAdjustment{-kMaxUnits, 0};

inline constexpr Text kText{};
inline constexpr Flag kFlag{};
inline constexpr Unread kUnread{};

// The save file's one field list: 180 fields in the order they stand in the file. The writer and
// the reader both walk this list, so their order can never drift apart; the loader checks each
// field against the range beside it. Store is GameState or const GameState; visit(field, name,
// range) is called once per field, with a whole array at a time.
// GameDir and GameLoaded belong to this run of the program and are not saved.
//
// Three blocks of texts open three sections: company names then section A (companies, ships,
// money, advertising, passengers, warehouses, mines), planet names then section B (planets,
// engines, mines for sale), goods names then section C (goods, markets, sales offices, factories,
// recipes and the turn).
template <typename Store, typename Visit>
void forEachSavedField(Store& s, Visit&& visit) {
    // Company names, then section A.
    visit(s.PlayerName, "PlayerName", kText);
    visit(s.PlayerActive, "PlayerActive", kFlag);
    visit(s.PlayerPlanet, "PlayerPlanet", kPlanet);
    visit(s.PlayerNextPlanet, "PlayerNextPlanet", kPlanet);
    visit(s.PlayerRank, "PlayerRank", kRankPlace);
    visit(s.PlayerDestination, "PlayerDestination", kPlanet);
    visit(s.ShipHullSize, "ShipHullSize", kHull);
    visit(s.ShipFreeSpace, "ShipFreeSpace", kFreeSpace);
    visit(s.ShipSpace, "ShipSpace", kShipSpace);
    visit(s.ShipMaxCrew, "ShipMaxCrew", kCrewPlaces);
    visit(s.EngineSize, "EngineSize", kEngineSize);
    visit(s.EngineSpeed, "EngineSpeed", kEngineSpeed);
    visit(s.ShipFuel, "ShipFuel", kTons);
    visit(s.FuelTankSpace, "FuelTankSpace", kTons);
    visit(s.EngineEfficiency, "EngineEfficiency", kEngineEfficiency);
    visit(s.PassengerSpaceLimit, "PassengerSpaceLimit", kPassengerLimit);
    visit(s.CargoSpace, "CargoSpace", kTons);
    visit(s.CargoUsed, "CargoUsed", kTonsInUse);
    visit(s.CargoFree, "CargoFree", kFreeSpace);
    visit(s.PassengerSpace, "PassengerSpace", kPassengerPlaces);
    visit(s.Passengers, "Passengers", kPassengerPlaces);
    visit(s.PlayerCash, "PlayerCash", kCash);
    visit(s.PlayerNetWorth, "PlayerNetWorth", kNetWorth);
    visit(s.PlayerLastNetWorth, "PlayerLastNetWorth", kNetWorth);
    visit(s.PlayerLoan, "PlayerLoan", kLoan);
    visit(s.PlayerCreditLimit, "PlayerCreditLimit", kCreditLimit);
    visit(s.LoanInterestRate, "LoanInterestRate", kLoanRate);
    visit(s.PlayerSavings, "PlayerSavings", kSavings);
    visit(s.SavingsInterestRate, "SavingsInterestRate", kSavingsRate);
    visit(s.LoanInterest, "LoanInterest", kLoanInterest);
    visit(s.SavingsInterest, "SavingsInterest", kSavingsInterest);
    visit(s.CrewWage, "CrewWage", kCrewWage);
    visit(s.CrewCount, "CrewCount", kCrewCount);
    visit(s.CrewDebt, "CrewDebt", kCrewDebt);
    visit(s.CrewMood, "CrewMood", kCrewMood);
    visit(s.AdvIndAmountGood, "AdvIndAmountGood", kFlag);
    visit(s.AdvRtlAmountGood, "AdvRtlAmountGood", kFlag);
    visit(s.AdvIndDemandGood, "AdvIndDemandGood", kFlag);
    visit(s.AdvRtlDemandGood, "AdvRtlDemandGood", kFlag);
    visit(s.AdvDone, "AdvDone", kFlag);
    visit(s.AdvPsngrMethod, "AdvPsngrMethod", kAdvertMethod);
    visit(s.AdvPsngrCost, "AdvPsngrCost", kAdvertCost);
    visit(s.AdvPsngrPlanet, "AdvPsngrPlanet", kPlanetItem);
    visit(s.AdvPsngrStrength, "AdvPsngrStrength", kAdvertStrength);
    visit(s.AdvIndAmountMethod, "AdvIndAmountMethod", kAdvertMethod);
    visit(s.AdvIndAmountCostPerPlanet, "AdvIndAmountCostPerPlanet", kAdvertCost);
    visit(s.AdvIndAmountCost, "AdvIndAmountCost", kAdvertTotalCost);
    visit(s.AdvIndAmountPlanets, "AdvIndAmountPlanets", kFlag);
    visit(s.AdvIndAmountStrength, "AdvIndAmountStrength", kAdvertStrength);
    visit(s.AdvRtlAmountMethod, "AdvRtlAmountMethod", kAdvertMethod);
    visit(s.AdvRtlAmountCostPerPlanet, "AdvRtlAmountCostPerPlanet", kAdvertCost);
    visit(s.AdvRtlAmountCost, "AdvRtlAmountCost", kAdvertTotalCost);
    visit(s.AdvRtlAmountPlanets, "AdvRtlAmountPlanets", kFlag);
    visit(s.AdvRtlAmountStrength, "AdvRtlAmountStrength", kAdvertStrength);
    visit(s.AdvIndDemandMethod, "AdvIndDemandMethod", kAdvertMethod);
    visit(s.AdvIndDemandCostPerPlanet, "AdvIndDemandCostPerPlanet", kAdvertCost);
    visit(s.AdvIndDemandCost, "AdvIndDemandCost", kAdvertTotalCost);
    visit(s.AdvIndDemandPlanets, "AdvIndDemandPlanets", kFlag);
    visit(s.AdvIndDemandStrength, "AdvIndDemandStrength", kAdvertStrength);
    visit(s.AdvRtlDemandMethod, "AdvRtlDemandMethod", kAdvertMethod);
    visit(s.AdvRtlDemandCostPerPlanet, "AdvRtlDemandCostPerPlanet", kAdvertCost);
    visit(s.AdvRtlDemandCost, "AdvRtlDemandCost", kAdvertTotalCost);
    visit(s.AdvRtlDemandPlanets, "AdvRtlDemandPlanets", kFlag);
    visit(s.AdvRtlDemandStrength, "AdvRtlDemandStrength", kAdvertStrength);
    visit(s.PsngrOffered, "PsngrOffered", kPassengersOffered);
    visit(s.PsngrWaiting, "PsngrWaiting", kPassengersWaiting);
    visit(s.PsngrCost, "PsngrCost", kPassengerCost);
    visit(s.PsngrIncome, "PsngrIncome", kTicketPrice);
    visit(s.TicketPrice, "TicketPrice", kTicketPrice);
    visit(s.PsngrDestination, "PsngrDestination", kPlanet);
    visit(s.PsngrFare, "PsngrFare", kFare);
    visit(s.PsngrPickedUp, "PsngrPickedUp", kFlag);
    visit(s.WarehouseSpace, "WarehouseSpace", kWarehouseTons);
    visit(s.WarehouseUsed, "WarehouseUsed", kWarehouseInUse);
    visit(s.WarehouseFree, "WarehouseFree", kWarehouseFree);
    visit(s.MineReserve, "MineReserve", kMineReserve);
    visit(s.MineValue, "MineValue", kMineValue);
    visit(s.MineCostPerTon, "MineCostPerTon", kMineCostPerTon);
    visit(s.MineMaintenance, "MineMaintenance", kMineMaintenance);
    visit(s.MineMaxProduction, "MineMaxProduction", kMineOutput);
    visit(s.MineProduction, "MineProduction", kMineOutput);
    visit(s.FactoryUnits, "FactoryUnits", kFactoryUnits);
    visit(s.FactoryUsedUnits, "FactoryUsedUnits", kFactoryUnits);
    visit(s.FactoryReserved, "FactoryReserved", kUnread);
    visit(s.PlayerLandingFee, "PlayerLandingFee", kLandingFee);

    // Planet names, then section B.
    visit(s.PlanetName, "PlanetName", kText);
    visit(s.PlanetSize, "PlanetSize", kPlanetSize);
    visit(s.PlanetResources, "PlanetResources", kPlanetResources);
    visit(s.PlanetMaxPopulation, "PlanetMaxPopulation", kMaxPopulation);
    visit(s.PlanetPopulation, "PlanetPopulation", kPopulation);
    visit(s.PlanetGrowthRate, "PlanetGrowthRate", kGrowthRate);
    visit(s.PlanetLandingCost, "PlanetLandingCost", kLandingCost);
    visit(s.LandingTotalCost, "LandingTotalCost", kLandingCost);
    visit(s.PlanetReserved, "PlanetReserved", kUnread);
    visit(s.PlanetFuelPrice, "PlanetFuelPrice", kFuelPrice);
    visit(s.PlanetCargoSpacePrice, "PlanetCargoSpacePrice", kCargoSpacePrice);
    visit(s.PlanetFuelSpacePrice, "PlanetFuelSpacePrice", kFuelSpacePrice);
    visit(s.PlanetPassengerSpacePrice, "PlanetPassengerSpacePrice", kPassengerSpacePrice);
    visit(s.EnginePrice, "EnginePrice", kEnginePrice);
    visit(s.EngineModelSize, "EngineModelSize", kEngineSize);
    visit(s.EngineModelEfficiency, "EngineModelEfficiency", kEngineEfficiency);
    visit(s.EngineModelSpeed, "EngineModelSpeed", kEngineSpeed);
    visit(s.PlanetWarehousePrice, "PlanetWarehousePrice", kWarehousePrice);
    visit(s.PlanetWarehouseAvailable, "PlanetWarehouseAvailable", kOnOffer);
    visit(s.PlanetMineReserve, "PlanetMineReserve", kOfferedReserve);
    visit(s.PlanetMinePrice, "PlanetMinePrice", kMinePrice);
    visit(s.PlanetMineCostPerTon, "PlanetMineCostPerTon", kMineCostPerTon);
    visit(s.PlanetMineMaintenance, "PlanetMineMaintenance", kMineMaintenance);
    visit(s.PlanetMineMaxProduction, "PlanetMineMaxProduction", kMineOutput);
    visit(s.PlanetFactoryPrice, "PlanetFactoryPrice", kFactoryPrice);
    visit(s.PlanetFactoryAvailable, "PlanetFactoryAvailable", kOnOffer);

    // Goods names, then section C.
    visit(s.GoodName, "GoodName", kText);
    visit(s.GoodWeight, "GoodWeight", kWeight);
    visit(s.GoodMinPrice, "GoodMinPrice", kLowestPrice);
    visit(s.GoodMaxPrice, "GoodMaxPrice", kPrice);
    visit(s.GoodDemandRate, "GoodDemandRate", kDemandRate);
    visit(s.PlanetAmount, "PlanetAmount", kPlanetAmount);
    visit(s.PlanetSupply, "PlanetSupply", kSupply);
    visit(s.PlanetDemand, "PlanetDemand", kDemand);
    visit(s.PlanetRetailPrice, "PlanetRetailPrice", kPrice);
    visit(s.PlanetIndPrice1, "PlanetIndPrice1", kPrice);
    visit(s.PlanetIndPrice2, "PlanetIndPrice2", kPrice);
    visit(s.PlanetIndPrice3, "PlanetIndPrice3", kPrice);
    visit(s.AdvIndAmountAdj, "AdvIndAmountAdj", kAmountAdjustment);
    visit(s.AdvIndDemandAdj, "AdvIndDemandAdj", kDemandAdjustment);
    visit(s.AdvRtlAmountAdj, "AdvRtlAmountAdj", kAmountAdjustment);
    visit(s.AdvRtlDemandAdj, "AdvRtlDemandAdj", kDemandAdjustment);
    visit(s.PlayerAmount, "PlayerAmount", kAmountSeen);
    visit(s.PlayerDemand, "PlayerDemand", kDemandSeen);
    visit(s.CargoHold, "CargoHold", kUnits);
    visit(s.WarehouseStock, "WarehouseStock", kUnits);
    visit(s.MineOutput, "MineOutput", kMinesOutput);
    visit(s.PlayerRetailPrice, "PlayerRetailPrice", kPrice);
    visit(s.PlayerIndPrice1, "PlayerIndPrice1", kPrice);
    visit(s.PlayerIndPrice2, "PlayerIndPrice2", kPrice);
    visit(s.PlayerIndPrice3, "PlayerIndPrice3", kPrice);
    visit(s.SalesBuyAmount, "SalesBuyAmount", kSalesBuy);
    visit(s.SalesFlagA, "SalesFlagA", kFlag);
    visit(s.SalesSellAmount, "SalesSellAmount", kUnits);
    visit(s.SalesFlagB, "SalesFlagB", kFlag);
    visit(s.SalesBuyAdjust, "SalesBuyAdjust", kBuyAdjustment);
    visit(s.SalesSellAdjust, "SalesSellAdjust", kSellAdjustment);
    visit(s.FactoryAmount, "FactoryAmount", kFactoryUnits);
    visit(s.FactoryProductReserved, "FactoryProductReserved", kUnread);
    visit(s.FactoryCost, "FactoryCost", kFactoryCost);
    visit(s.PlayerReserved, "PlayerReserved", kUnread);
    visit(s.RecipeInputCount, "RecipeInputCount", kRecipeInputCount);
    visit(s.RecipeUnits, "RecipeUnits", kRecipeUnits);
    visit(s.RecipeInput1, "RecipeInput1", kGood);
    visit(s.RecipeInput2, "RecipeInput2", kGoodOrNone);
    visit(s.RecipeInput3, "RecipeInput3", kGoodOrNone);
    visit(s.RecipeInput4, "RecipeInput4", kGoodOrNone);
    visit(s.RecipeInput1Qty, "RecipeInput1Qty", kFirstInputQuantity);
    visit(s.RecipeInput2Qty, "RecipeInput2Qty", kInputQuantity);
    visit(s.RecipeInput3Qty, "RecipeInput3Qty", kInputQuantity);
    visit(s.RecipeInput4Qty, "RecipeInput4Qty", kInputQuantity);
    visit(s.RecipeOutput, "RecipeOutput", kManufacturedGood);
    visit(s.RecipeCost1, "RecipeCost1", kRecipeCost1);
    visit(s.RecipeCost2, "RecipeCost2", kRecipeCost2);
    visit(s.RecipeCost3, "RecipeCost3", kRecipeCost3);
    visit(s.CurrentPlayer, "CurrentPlayer", kCompanyOrNobody);
    visit(s.PlayerCount, "PlayerCount", kPlayerCount);
    visit(s.TurnNumber, "TurnNumber", kTurnNumber);
    visit(s.LoopI, "LoopI", kUnread);
    visit(s.LoopJ, "LoopJ", kUnread);
    visit(s.LoopK, "LoopK", kUnread);
    visit(s.LoopL, "LoopL", kUnread);
    visit(s.HumanTurn, "HumanTurn", kFlag);
    visit(s.FirstRound, "FirstRound", kFlag);
    visit(s.TradeGood, "TradeGood", kGoodOrNone);
    visit(s.TradeColumn, "TradeColumn", kUnread);
    visit(s.TradeRetail, "TradeRetail", kFlag);
    visit(s.TradeIndustrial, "TradeIndustrial", kFlag);
    visit(s.TurnNumberCopy, "TurnNumberCopy", kUnread);
    visit(s.TurnOrder, "TurnOrder", kCompany);
    visit(s.TurnSlot, "TurnSlot", kTurnSlot);
    visit(s.ComputerIntelligence, "ComputerIntelligence", kIntelligenceChoice);
    visit(s.PlayerIntelligence, "PlayerIntelligence", kIntelligence);
    visit(s.RandomEventRate, "RandomEventRate", kEventRate);
    visit(s.HelpOn, "HelpOn", kFlag);
}

}  // namespace quorvex
