#pragma once

#include "../state/GameState.h"

namespace quorvex {

// The save file's one field list: 180 fields in the order they stand in the file. The writer and
// the reader both walk this list, so their order can never drift apart. Store is GameState or
// const GameState; visit(field, name) is called once per field, with a whole array at a time.
// GameDir and GameLoaded belong to this run of the program and are not saved.
//
// Three blocks of texts open three sections: company names then section A (companies, ships,
// money, advertising, passengers, warehouses, mines), planet names then section B (planets,
// engines, mines for sale), goods names then section C (goods, markets, sales offices, factories,
// recipes and the turn).
template <typename Store, typename Visit>
void forEachSavedField(Store& s, Visit&& visit) {
    // Company names, then section A.
    visit(s.PlayerName, "PlayerName");
    visit(s.PlayerActive, "PlayerActive");
    visit(s.PlayerPlanet, "PlayerPlanet");
    visit(s.PlayerNextPlanet, "PlayerNextPlanet");
    visit(s.PlayerRank, "PlayerRank");
    visit(s.PlayerDestination, "PlayerDestination");
    visit(s.ShipHullSize, "ShipHullSize");
    visit(s.ShipFreeSpace, "ShipFreeSpace");
    visit(s.ShipSpace, "ShipSpace");
    visit(s.ShipMaxCrew, "ShipMaxCrew");
    visit(s.EngineSize, "EngineSize");
    visit(s.EngineSpeed, "EngineSpeed");
    visit(s.ShipFuel, "ShipFuel");
    visit(s.FuelTankSpace, "FuelTankSpace");
    visit(s.EngineEfficiency, "EngineEfficiency");
    visit(s.PassengerSpaceLimit, "PassengerSpaceLimit");
    visit(s.CargoSpace, "CargoSpace");
    visit(s.CargoUsed, "CargoUsed");
    visit(s.CargoFree, "CargoFree");
    visit(s.PassengerSpace, "PassengerSpace");
    visit(s.Passengers, "Passengers");
    visit(s.PlayerCash, "PlayerCash");
    visit(s.PlayerNetWorth, "PlayerNetWorth");
    visit(s.PlayerLastNetWorth, "PlayerLastNetWorth");
    visit(s.PlayerLoan, "PlayerLoan");
    visit(s.PlayerCreditLimit, "PlayerCreditLimit");
    visit(s.LoanInterestRate, "LoanInterestRate");
    visit(s.PlayerSavings, "PlayerSavings");
    visit(s.SavingsInterestRate, "SavingsInterestRate");
    visit(s.LoanInterest, "LoanInterest");
    visit(s.SavingsInterest, "SavingsInterest");
    visit(s.CrewWage, "CrewWage");
    visit(s.CrewCount, "CrewCount");
    visit(s.CrewDebt, "CrewDebt");
    visit(s.CrewMood, "CrewMood");
    visit(s.AdvIndAmountGood, "AdvIndAmountGood");
    visit(s.AdvRtlAmountGood, "AdvRtlAmountGood");
    visit(s.AdvIndDemandGood, "AdvIndDemandGood");
    visit(s.AdvRtlDemandGood, "AdvRtlDemandGood");
    visit(s.AdvDone, "AdvDone");
    visit(s.AdvPsngrMethod, "AdvPsngrMethod");
    visit(s.AdvPsngrCost, "AdvPsngrCost");
    visit(s.AdvPsngrPlanet, "AdvPsngrPlanet");
    visit(s.AdvPsngrStrength, "AdvPsngrStrength");
    visit(s.AdvIndAmountMethod, "AdvIndAmountMethod");
    visit(s.AdvIndAmountCostPerPlanet, "AdvIndAmountCostPerPlanet");
    visit(s.AdvIndAmountCost, "AdvIndAmountCost");
    visit(s.AdvIndAmountPlanets, "AdvIndAmountPlanets");
    visit(s.AdvIndAmountStrength, "AdvIndAmountStrength");
    visit(s.AdvRtlAmountMethod, "AdvRtlAmountMethod");
    visit(s.AdvRtlAmountCostPerPlanet, "AdvRtlAmountCostPerPlanet");
    visit(s.AdvRtlAmountCost, "AdvRtlAmountCost");
    visit(s.AdvRtlAmountPlanets, "AdvRtlAmountPlanets");
    visit(s.AdvRtlAmountStrength, "AdvRtlAmountStrength");
    visit(s.AdvIndDemandMethod, "AdvIndDemandMethod");
    visit(s.AdvIndDemandCostPerPlanet, "AdvIndDemandCostPerPlanet");
    visit(s.AdvIndDemandCost, "AdvIndDemandCost");
    visit(s.AdvIndDemandPlanets, "AdvIndDemandPlanets");
    visit(s.AdvIndDemandStrength, "AdvIndDemandStrength");
    visit(s.AdvRtlDemandMethod, "AdvRtlDemandMethod");
    visit(s.AdvRtlDemandCostPerPlanet, "AdvRtlDemandCostPerPlanet");
    visit(s.AdvRtlDemandCost, "AdvRtlDemandCost");
    visit(s.AdvRtlDemandPlanets, "AdvRtlDemandPlanets");
    visit(s.AdvRtlDemandStrength, "AdvRtlDemandStrength");
    visit(s.PsngrOffered, "PsngrOffered");
    visit(s.PsngrWaiting, "PsngrWaiting");
    visit(s.PsngrCost, "PsngrCost");
    visit(s.PsngrIncome, "PsngrIncome");
    visit(s.TicketPrice, "TicketPrice");
    visit(s.PsngrDestination, "PsngrDestination");
    visit(s.PsngrFare, "PsngrFare");
    visit(s.PsngrPickedUp, "PsngrPickedUp");
    visit(s.WarehouseSpace, "WarehouseSpace");
    visit(s.WarehouseUsed, "WarehouseUsed");
    visit(s.WarehouseFree, "WarehouseFree");
    visit(s.MineReserve, "MineReserve");
    visit(s.MineValue, "MineValue");
    visit(s.MineCostPerTon, "MineCostPerTon");
    visit(s.MineMaintenance, "MineMaintenance");
    visit(s.MineMaxProduction, "MineMaxProduction");
    visit(s.MineProduction, "MineProduction");
    visit(s.FactoryUnits, "FactoryUnits");
    visit(s.FactoryUsedUnits, "FactoryUsedUnits");
    visit(s.FactoryReserved, "FactoryReserved");
    visit(s.PlayerLandingFee, "PlayerLandingFee");

    // Planet names, then section B.
    visit(s.PlanetName, "PlanetName");
    visit(s.PlanetSize, "PlanetSize");
    visit(s.PlanetResources, "PlanetResources");
    visit(s.PlanetMaxPopulation, "PlanetMaxPopulation");
    visit(s.PlanetPopulation, "PlanetPopulation");
    visit(s.PlanetGrowthRate, "PlanetGrowthRate");
    visit(s.PlanetLandingCost, "PlanetLandingCost");
    visit(s.LandingTotalCost, "LandingTotalCost");
    visit(s.PlanetReserved, "PlanetReserved");
    visit(s.PlanetFuelPrice, "PlanetFuelPrice");
    visit(s.PlanetCargoSpacePrice, "PlanetCargoSpacePrice");
    visit(s.PlanetFuelSpacePrice, "PlanetFuelSpacePrice");
    visit(s.PlanetPassengerSpacePrice, "PlanetPassengerSpacePrice");
    visit(s.EnginePrice, "EnginePrice");
    visit(s.EngineModelSize, "EngineModelSize");
    visit(s.EngineModelEfficiency, "EngineModelEfficiency");
    visit(s.EngineModelSpeed, "EngineModelSpeed");
    visit(s.PlanetWarehousePrice, "PlanetWarehousePrice");
    visit(s.PlanetWarehouseAvailable, "PlanetWarehouseAvailable");
    visit(s.PlanetMineReserve, "PlanetMineReserve");
    visit(s.PlanetMinePrice, "PlanetMinePrice");
    visit(s.PlanetMineCostPerTon, "PlanetMineCostPerTon");
    visit(s.PlanetMineMaintenance, "PlanetMineMaintenance");
    visit(s.PlanetMineMaxProduction, "PlanetMineMaxProduction");
    visit(s.PlanetFactoryPrice, "PlanetFactoryPrice");
    visit(s.PlanetFactoryAvailable, "PlanetFactoryAvailable");

    // Goods names, then section C.
    visit(s.GoodName, "GoodName");
    visit(s.GoodWeight, "GoodWeight");
    visit(s.GoodMinPrice, "GoodMinPrice");
    visit(s.GoodMaxPrice, "GoodMaxPrice");
    visit(s.GoodDemandRate, "GoodDemandRate");
    visit(s.PlanetAmount, "PlanetAmount");
    visit(s.PlanetSupply, "PlanetSupply");
    visit(s.PlanetDemand, "PlanetDemand");
    visit(s.PlanetRetailPrice, "PlanetRetailPrice");
    visit(s.PlanetIndPrice1, "PlanetIndPrice1");
    visit(s.PlanetIndPrice2, "PlanetIndPrice2");
    visit(s.PlanetIndPrice3, "PlanetIndPrice3");
    visit(s.AdvIndAmountAdj, "AdvIndAmountAdj");
    visit(s.AdvIndDemandAdj, "AdvIndDemandAdj");
    visit(s.AdvRtlAmountAdj, "AdvRtlAmountAdj");
    visit(s.AdvRtlDemandAdj, "AdvRtlDemandAdj");
    visit(s.PlayerAmount, "PlayerAmount");
    visit(s.PlayerDemand, "PlayerDemand");
    visit(s.CargoHold, "CargoHold");
    visit(s.WarehouseStock, "WarehouseStock");
    visit(s.MineOutput, "MineOutput");
    visit(s.PlayerRetailPrice, "PlayerRetailPrice");
    visit(s.PlayerIndPrice1, "PlayerIndPrice1");
    visit(s.PlayerIndPrice2, "PlayerIndPrice2");
    visit(s.PlayerIndPrice3, "PlayerIndPrice3");
    visit(s.SalesBuyAmount, "SalesBuyAmount");
    visit(s.SalesFlagA, "SalesFlagA");
    visit(s.SalesSellAmount, "SalesSellAmount");
    visit(s.SalesFlagB, "SalesFlagB");
    visit(s.SalesBuyAdjust, "SalesBuyAdjust");
    visit(s.SalesSellAdjust, "SalesSellAdjust");
    visit(s.FactoryAmount, "FactoryAmount");
    visit(s.FactoryProductReserved, "FactoryProductReserved");
    visit(s.FactoryCost, "FactoryCost");
    visit(s.PlayerReserved, "PlayerReserved");
    visit(s.RecipeInputCount, "RecipeInputCount");
    visit(s.RecipeUnits, "RecipeUnits");
    visit(s.RecipeInput1, "RecipeInput1");
    visit(s.RecipeInput2, "RecipeInput2");
    visit(s.RecipeInput3, "RecipeInput3");
    visit(s.RecipeInput4, "RecipeInput4");
    visit(s.RecipeInput1Qty, "RecipeInput1Qty");
    visit(s.RecipeInput2Qty, "RecipeInput2Qty");
    visit(s.RecipeInput3Qty, "RecipeInput3Qty");
    visit(s.RecipeInput4Qty, "RecipeInput4Qty");
    visit(s.RecipeOutput, "RecipeOutput");
    visit(s.RecipeCost1, "RecipeCost1");
    visit(s.RecipeCost2, "RecipeCost2");
    visit(s.RecipeCost3, "RecipeCost3");
    visit(s.CurrentPlayer, "CurrentPlayer");
    visit(s.PlayerCount, "PlayerCount");
    visit(s.TurnNumber, "TurnNumber");
    visit(s.LoopI, "LoopI");
    visit(s.LoopJ, "LoopJ");
    visit(s.LoopK, "LoopK");
    visit(s.LoopL, "LoopL");
    visit(s.HumanTurn, "HumanTurn");
    visit(s.FirstRound, "FirstRound");
    visit(s.TradeGood, "TradeGood");
    visit(s.TradeColumn, "TradeColumn");
    visit(s.TradeRetail, "TradeRetail");
    visit(s.TradeIndustrial, "TradeIndustrial");
    visit(s.TurnNumberCopy, "TurnNumberCopy");
    visit(s.TurnOrder, "TurnOrder");
    visit(s.TurnSlot, "TurnSlot");
    visit(s.ComputerIntelligence, "ComputerIntelligence");
    visit(s.PlayerIntelligence, "PlayerIntelligence");
    visit(s.RandomEventRate, "RandomEventRate");
    visit(s.HelpOn, "HelpOn");
}

}  // namespace quorvex
