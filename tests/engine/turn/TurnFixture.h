#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../support/TestGame.h"

namespace quorvex::testing {

// One company's end of turn or computer turn under a scripted generator: every draw must be
// scripted with its range, and none may be left over.
class TurnTest : public ::testing::Test {
protected:
    TestGame t;
    ScriptedRandom& random = install(t);
    Game& game = t.game;
    GameState& s = t.s;

    // Company c as a new game leaves it, on planet 1.
    void newCompany(int c, const std::string& name) {
        s.PlayerName[c] = name;
        s.PlayerActive[c] = true;
        s.PlayerCash[c] = 100000;
        s.PlayerSavings[c] = 0;
        s.PlayerLoan[c] = 100000;
        s.PlayerCreditLimit[c] = 150000;
        s.LoanInterestRate[c] = 8.5;
        s.SavingsInterestRate[c] = 5.5;
        s.ShipHullSize[c] = 250;
        s.ShipMaxCrew[c] = 5;
        s.ShipSpace[c] = 160;
        s.ShipFreeSpace[c] = 90;
        s.PassengerSpaceLimit[c] = 15;
        s.EngineSize[c] = 20;
        s.EngineSpeed[c] = 1;
        s.EngineEfficiency[c] = 25;
        s.ShipFuel[c] = 50;
        s.FuelTankSpace[c] = 50;
        s.CargoSpace[c] = 0;
        s.PassengerSpace[c] = 0;
        s.Passengers[c] = 0;
        s.PsngrPickedUp[c] = false;
        s.CrewCount[c] = 2;
        s.CrewWage[c] = 500;
        s.CrewDebt[c] = 0;
        s.PlayerPlanet[c] = 1;
        s.PlayerNextPlanet[c] = 1;
        s.PlayerDestination[c] = 1;
        s.PsngrDestination[c] = 1;
    }

    // Company c's turn is ending; a human one is at the machine.
    void playing(int c) {
        s.CurrentPlayer = c;
        s.HumanTurn = isHuman(c);
    }

    void draws(const std::vector<ScriptedRandom::Draw>& script) { random.expect(script); }
    const std::vector<std::string>& messages() const { return t.dialogs.messages(); }

    void TearDown() override {
        EXPECT_EQ(random.remaining(), 0u) << "scripted draws were not all made";
        EXPECT_TRUE(t.dialogs.errors().empty());
    }

private:
    static ScriptedRandom& install(TestGame& t) {
        auto script = std::make_unique<ScriptedRandom>();
        ScriptedRandom& ref = *script;
        t.useScript(std::move(script));
        return ref;
    }
};

using Texts = std::vector<std::string>;

}  // namespace quorvex::testing
