#pragma once

#include "form/Game.h"
#include "state/Catalogue.h"
#include "support/AmountTest.h"

namespace quorvex::testing {

// Company 2 trading on planet C (3) with £100000, a hold of 60 tons with 10 in use and a
// warehouse of 40 tons with 5 in use. What company 2 sees on C:
//  - Iron (good 1, 1.25 t): 500 on offer, demand 440, bands £450 / £400 / £380; the planet
//    itself holds 480, company 2's industrial advertising adds 20;
//  - Wood (good 3, 0.5 t): 100 on offer, demand 100, bands £630 / £504 / £441;
//  - Girders (good 12, 1.5 t): 100 on offer, demand 100, bands £1800 / £1700 / £1650;
//  - Food (good 25, 0.6 t): 300 on offer, demand 200, £520.
struct TradeFixture : AmountTest {
    static constexpr int kMe = 2;
    static constexpr int kHere = 3;
    static constexpr int kIron = 1, kWood = 3, kGirders = 12, kFood = 25;

    void SetUp() override {
        writeCatalogue(s);
        s.TurnNumber = 4;
        s.CurrentPlayer = kMe;
        s.PlayerPlanet[kMe] = s.PlayerNextPlanet[kMe] = s.PlayerDestination[kMe] = kHere;
        s.PlayerCash[kMe] = 100000;
        s.CargoSpace[kMe] = 60;
        s.CargoUsed[kMe] = 10;
        s.CargoFree[kMe] = 50;
        s.WarehouseSpace(kMe, kHere) = 40;
        s.WarehouseUsed(kMe, kHere) = 5;
        s.WarehouseFree(kMe, kHere) = 35;

        s.PlanetAmount(kHere, kIron) = 480;
        s.PlanetDemand(kHere, kIron) = 440;
        s.AdvIndAmountAdj(kMe, kHere, kIron) = 20;
        view(kIron, 500, 440, 480, 450, 400, 380);
        for (int g : {kWood, kGirders}) {
            s.PlanetAmount(kHere, g) = 100;
            s.PlanetDemand(kHere, g) = 100;
        }
        view(kWood, 100, 100, 700, 630, 504, 441);
        view(kGirders, 100, 100, 1900, 1800, 1700, 1650);
        s.PlanetAmount(kHere, kFood) = 300;
        s.PlanetDemand(kHere, kFood) = 200;
        view(kFood, 300, 200, 520, 468, 400, 400);
    }

    // What company 2 sees of good g here, or on another planet.
    void view(int g, int amount, int demand, int p, int b1, int b2, int b3) {
        viewOn(kHere, g, amount, demand, p, b1, b2, b3);
    }
    void viewOn(int planet, int g, int amount, int demand, int p, int b1, int b2, int b3) {
        s.PlayerAmount(kMe, planet, g) = amount;
        s.PlayerDemand(kMe, planet, g) = demand;
        s.PlayerRetailPrice(kMe, planet, g) = p;
        s.PlayerIndPrice1(kMe, planet, g) = b1;
        s.PlayerIndPrice2(kMe, planet, g) = b2;
        s.PlayerIndPrice3(kMe, planet, g) = b3;
    }

    // The market's record of a good picked from its list, as a right click there leaves it.
    void pickOnMarket(int g) {
        s.TradeGood = g;
        s.TradeRetail = !isIndustrialGood(g);
        s.TradeIndustrial = isIndustrialGood(g);
    }
    // Good g chosen on the market, and the buy or sell window opened beside it.
    void openFromMarket(int g, ScreenId window) {
        pickOnMarket(g);
        show(ScreenId::MarketScr);
        show(window);
    }
};

}  // namespace quorvex::testing
