#pragma once

#include <string>

#include "state/Catalogue.h"
#include "support/ScreenTest.h"

namespace quorvex::testing {

// The factories and sales office screens' tests: company 2's turn (the third game turn), its ship
// at planet C (3) among planets "A" to "L", with the catalogue's goods and recipes.
struct IndustryScreenTest : ScreenTest {
    static constexpr int kCompany = 2;
    static constexpr int kShip = 3;   // "C"
    static constexpr int kOther = 5;  // "E"

    void SetUp() override {
        writeCatalogue(s);
        s.TurnNumber = 3;
        s.CurrentPlayer = kCompany;
        for (int p = 1; p <= kPlanets; ++p)
            s.PlanetName[p] = std::string(1, char('A' + p - 1));
        s.PlayerPlanet[kCompany] = s.PlayerDestination[kCompany] = kShip;
    }

    // The company's three band prices of an industrial good on a planet.
    void bands(int p, int g, int b1, int b2, int b3) {
        s.PlayerIndPrice1(kCompany, p, g) = b1;
        s.PlayerIndPrice2(kCompany, p, g) = b2;
        s.PlayerIndPrice3(kCompany, p, g) = b3;
    }
};

}  // namespace quorvex::testing
