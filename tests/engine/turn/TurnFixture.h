#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../support/TestGame.h"
#include "app/WorldGeneration.h"

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
        setNewCompanyFigures(s, c);
        s.PlayerName[c] = name;
        s.PlayerActive[c] = true;
        s.CargoSpace[c] = 0;
        s.PassengerSpace[c] = 0;
        s.Passengers[c] = 0;
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
