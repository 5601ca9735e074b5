#pragma once

#include <string>

#include "Array.h"
#include "Int.h"

namespace quorvex {

inline constexpr int kCompanies = 18;  // 1..6 human, 7..18 computer
inline constexpr int kHumanCompanies = 6;
inline constexpr int kPlanets = 12;  // "A" .. "L"
inline constexpr int kGoods = 25;    // 1..7 raw, 8..25 manufactured
inline constexpr int kRawGoods = 7;
inline constexpr int kIndustrialGoods = 12;  // 1..12 industrial list, 13..25 retail list
inline constexpr int kMineSlots = 5;
inline constexpr int kRecipes = 18;
inline constexpr int kEngineModels = 5;
inline constexpr int kNotPlaying = -99999999;  // net worth of a company that never took part

using Bool = bool;
using Double = double;
using String = std::string;

using PerCompany = Array<Int, kCompanies>;
using PerPlanet = Array<Int, kPlanets>;
using PerGood = Array<Int, kGoods>;
using PerRecipe = Array<Int, kRecipes>;
using CompanyPlanet = Array<Int, kCompanies, kPlanets>;
using CompanyPlanetGood = Array<Int, kCompanies, kPlanets, kGoods>;
using CompanyPlanetRecipe = Array<Int, kCompanies, kPlanets, kRecipes>;
using PlanetGood = Array<Int, kPlanets, kGoods>;
using CompanyMine = Array<Int, kCompanies, kPlanets, kRawGoods, kMineSlots>;
using PlanetMine = Array<Int, kPlanets, kRawGoods, kMineSlots>;
using EngineTable = Array<Int, kEngineModels, kPlanets>;

// The one store of the whole game. Every screen and every turn step reads and writes it by these
// names; the save file writes it field by field (persist/SaveFile.cpp lists the order).
struct GameState {
    // --- Game and turn
    Int CurrentPlayer;
    Int TurnNumber;
    Int TurnNumberCopy;
    Array<Int, kCompanies> TurnOrder;
    Int TurnSlot;
    Bool HumanTurn = false;
    Bool FirstRound = false;
    Int PlayerCount;
    Int ComputerIntelligence;
    PerCompany PlayerIntelligence;
    Int RandomEventRate;
    Bool HelpOn = false;
    Bool GameLoaded = false;  // not saved
    String GameDir;           // not saved
    Int LoopI, LoopJ, LoopK, LoopL;
    Int TradeGood;
    Int TradeColumn;
    Bool TradeRetail = false;
    Bool TradeIndustrial = false;

    // --- Companies
    Array<String, kCompanies> PlayerName;
    Array<Bool, kCompanies> PlayerActive;
    PerCompany PlayerPlanet;
    PerCompany PlayerNextPlanet;
    PerCompany PlayerDestination;
    PerCompany PlayerRank;
    PerCompany PlayerNetWorth;
    PerCompany PlayerLastNetWorth;
    PerCompany PlayerReserved;

    // --- Ship
    PerCompany ShipHullSize;
    PerCompany ShipMaxCrew;
    PerCompany ShipSpace;
    PerCompany ShipFreeSpace;
    PerCompany EngineSize;
    PerCompany EngineSpeed;
    PerCompany EngineEfficiency;
    PerCompany ShipFuel;
    PerCompany FuelTankSpace;
    PerCompany CargoSpace;
    PerCompany CargoUsed;
    PerCompany CargoFree;
    PerCompany PassengerSpace;
    PerCompany PassengerSpaceLimit;
    PerCompany Passengers;
    Array<Int, kCompanies, kGoods> CargoHold;

    // --- Money
    PerCompany PlayerCash;
    PerCompany PlayerLoan;
    PerCompany PlayerCreditLimit;
    Array<Double, kCompanies> LoanInterestRate;
    PerCompany LoanInterest;
    PerCompany PlayerSavings;
    Array<Double, kCompanies> SavingsInterestRate;
    PerCompany SavingsInterest;

    // --- Crew
    PerCompany CrewCount;
    PerCompany CrewWage;
    PerCompany CrewDebt;
    PerCompany CrewMood;

    // --- Passengers
    PerCompany TicketPrice;
    PerCompany PsngrOffered;
    CompanyPlanet PsngrWaiting;
    CompanyPlanet PsngrIncome;
    CompanyPlanet PsngrCost;
    PerCompany PsngrDestination;
    PerCompany PsngrFare;
    Array<Bool, kCompanies> PsngrPickedUp;

    // --- Planets
    Array<String, kPlanets> PlanetName;
    PerPlanet PlanetSize;
    PerPlanet PlanetResources;
    PerPlanet PlanetMaxPopulation;
    PerPlanet PlanetPopulation;
    Array<Double, kPlanets> PlanetGrowthRate;
    PerPlanet PlanetLandingCost;
    CompanyPlanet PlayerLandingFee;
    PerPlanet LandingTotalCost;
    PerPlanet PlanetReserved;
    PerPlanet PlanetFuelPrice;
    PerPlanet PlanetCargoSpacePrice;
    PerPlanet PlanetFuelSpacePrice;
    PerPlanet PlanetPassengerSpacePrice;
    PerPlanet PlanetWarehousePrice;
    PerPlanet PlanetWarehouseAvailable;
    PerPlanet PlanetFactoryPrice;
    PerPlanet PlanetFactoryAvailable;
    EngineTable EnginePrice;
    EngineTable EngineModelSize;
    EngineTable EngineModelEfficiency;
    EngineTable EngineModelSpeed;

    // --- Goods catalogue
    Array<String, kGoods> GoodName;
    Array<Double, kGoods> GoodWeight;
    PerGood GoodMinPrice;
    PerGood GoodMaxPrice;
    Array<Double, kGoods> GoodDemandRate;
    PerRecipe RecipeOutput;
    PerRecipe RecipeInputCount;
    PerRecipe RecipeUnits;
    PerRecipe RecipeInput1, RecipeInput2, RecipeInput3, RecipeInput4;
    PerRecipe RecipeInput1Qty, RecipeInput2Qty, RecipeInput3Qty, RecipeInput4Qty;
    PerRecipe RecipeCost1, RecipeCost2, RecipeCost3;

    // --- Markets
    PlanetGood PlanetAmount;
    PlanetGood PlanetSupply;
    PlanetGood PlanetDemand;
    PlanetGood PlanetRetailPrice;
    PlanetGood PlanetIndPrice1, PlanetIndPrice2, PlanetIndPrice3;
    CompanyPlanetGood PlayerAmount;
    CompanyPlanetGood PlayerDemand;
    CompanyPlanetGood PlayerRetailPrice;
    CompanyPlanetGood PlayerIndPrice1, PlayerIndPrice2, PlayerIndPrice3;
    CompanyPlanetGood AdvIndAmountAdj, AdvRtlAmountAdj;
    CompanyPlanetGood AdvIndDemandAdj, AdvRtlDemandAdj;

    // --- Advertising
    PerCompany AdvPsngrMethod, AdvIndAmountMethod, AdvRtlAmountMethod, AdvIndDemandMethod,
        AdvRtlDemandMethod;
    PerCompany AdvPsngrCost;
    PerCompany AdvPsngrPlanet;
    PerCompany AdvIndAmountCostPerPlanet, AdvRtlAmountCostPerPlanet, AdvIndDemandCostPerPlanet,
        AdvRtlDemandCostPerPlanet;
    PerCompany AdvIndAmountCost, AdvRtlAmountCost, AdvIndDemandCost, AdvRtlDemandCost;
    Array<Bool, kCompanies, kPlanets> AdvIndAmountPlanets, AdvRtlAmountPlanets, AdvIndDemandPlanets,
        AdvRtlDemandPlanets;
    PerCompany AdvPsngrStrength, AdvIndAmountStrength, AdvRtlAmountStrength, AdvIndDemandStrength,
        AdvRtlDemandStrength;
    Array<Bool, kCompanies> AdvIndAmountGood, AdvRtlAmountGood, AdvIndDemandGood, AdvRtlDemandGood;
    Array<Bool, kCompanies> AdvDone;

    // --- Warehouses
    CompanyPlanet WarehouseSpace;
    CompanyPlanet WarehouseUsed;
    CompanyPlanet WarehouseFree;
    CompanyPlanetGood WarehouseStock;

    // --- Mines
    PlanetMine PlanetMineReserve;
    PlanetMine PlanetMineMaxProduction;
    PlanetMine PlanetMineCostPerTon;
    PlanetMine PlanetMineMaintenance;
    PlanetMine PlanetMinePrice;
    CompanyMine MineReserve;
    CompanyMine MineMaxProduction;
    CompanyMine MineCostPerTon;
    CompanyMine MineMaintenance;
    CompanyMine MineValue;
    CompanyMine MineProduction;
    Array<Int, kCompanies, kPlanets, kRawGoods> MineOutput;

    // --- Factories
    CompanyPlanet FactoryUnits;
    CompanyPlanet FactoryUsedUnits;
    CompanyPlanetRecipe FactoryAmount;
    CompanyPlanetRecipe FactoryCost;
    CompanyPlanet FactoryReserved;
    CompanyPlanetRecipe FactoryProductReserved;

    // --- Sales offices
    CompanyPlanetGood SalesBuyAmount, SalesSellAmount;
    CompanyPlanetGood SalesBuyAdjust, SalesSellAdjust;
    Array<Bool, kCompanies, kPlanets, kGoods> SalesFlagA, SalesFlagB;

    bool operator==(const GameState&) const = default;
};

inline bool isHuman(Int company) {
    return company.get() >= 1 && company.get() <= kHumanCompanies;
}

}  // namespace quorvex
