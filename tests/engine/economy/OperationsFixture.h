#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "state/Catalogue.h"
#include "state/PriceRule.h"
#include "support/TestGame.h"

namespace quorvex::testing {

// A store with the catalogue and a quiet, even market everywhere (amount = demand, so every
// view's prices are what the market price rule gives and a view refresh changes nothing that a
// test has not traded). Company 1 "Ajax" is human, company 9 "C" a computer. Nothing here may
// draw a random number: the generator is an empty script.
struct OperationsFixture : ::testing::Test {
    TestGame t;
    GameState& s = t.s;

    void SetUp() override {
        t.useScript(std::make_unique<ScriptedRandom>());
        writeCatalogue(s);
        s.PlayerName[1] = "Ajax";
        s.PlayerName[9] = "C";
        for (int c : {1, 9}) {
            s.PlayerActive[c] = true;
            s.PlayerLoan[c] = 100000;
            s.PlayerCreditLimit[c] = 150000;
        }
        evenMarket(1000);
    }

    void evenMarket(int amount) {
        for (int p = 1; p <= kPlanets; ++p)
            for (int g = 1; g <= kGoods; ++g) {
                const Prices pr = marketPrice(s, g, amount, amount);
                s.PlanetAmount(p, g) = amount;
                s.PlanetDemand(p, g) = amount;
                s.PlanetRetailPrice(p, g) = pr.P;
                s.PlanetIndPrice1(p, g) = pr.B1;
                s.PlanetIndPrice2(p, g) = pr.B2;
                s.PlanetIndPrice3(p, g) = pr.B3;
                for (int c = 1; c <= kCompanies; ++c) {
                    s.PlayerAmount(c, p, g) = amount;
                    s.PlayerDemand(c, p, g) = amount;
                    s.PlayerRetailPrice(c, p, g) = pr.P;
                    s.PlayerIndPrice1(c, p, g) = pr.B1;
                    s.PlayerIndPrice2(c, p, g) = pr.B2;
                    s.PlayerIndPrice3(c, p, g) = pr.B3;
                }
            }
    }

    // Gives a company's view of one industrial good three distinct band prices.
    void bandPrices(int c, int p, int g, int p1, int p2, int p3) {
        s.PlayerIndPrice1(c, p, g) = p1;
        s.PlayerIndPrice2(c, p, g) = p2;
        s.PlayerIndPrice3(c, p, g) = p3;
    }

    // Leaves a company nothing to pay with: no cash, no savings, no free credit.
    void broke(int c) {
        s.PlayerCash[c] = 0;
        s.PlayerSavings[c] = 0;
        s.PlayerLoan[c] = s.PlayerCreditLimit[c];
    }

    const std::vector<std::string>& messages() const { return t.dialogs.messages(); }
};

}  // namespace quorvex::testing
