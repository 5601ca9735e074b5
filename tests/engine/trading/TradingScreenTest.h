#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "state/Catalogue.h"
#include "support/ScreenTest.h"

namespace quorvex::testing {

using Texts = std::vector<std::string>;

// Company 2 with its ship on planet C (3), £54321 in cash and a hold of 500 tons with 380 in
// use; the world's goods and planets as a new game writes them.
struct TradingScreenTest : ScreenTest {
    static constexpr int kMe = 2;
    static constexpr int kHere = 3;

    void SetUp() override {
        writeCatalogue(s);
        s.TurnNumber = 4;
        s.CurrentPlayer = kMe;
        s.PlayerPlanet[kMe] = s.PlayerDestination[kMe] = kHere;
        s.PlayerCash[kMe] = 54321;
        s.CargoSpace[kMe] = 500;
        s.CargoUsed[kMe] = 380;
    }

    // Each button, pressed on a fresh showing of the screen (after `then`), shows its screen and
    // closes this one and any screen named in `alsoClosed`.
    struct HandOver {
        const Button& button;
        ScreenId next;
    };
    void expectHandOvers(ScreenId from, std::initializer_list<HandOver> cases,
                         const std::function<void()>& then = {},
                         std::initializer_list<ScreenId> alsoClosed = {}) {
        for (const HandOver& c : cases) {
            game.hideAllBut(ScreenId::GameMenu);
            show(from);
            if (then) then();
            click(c.button);
            EXPECT_TRUE(game.isVisible(c.next)) << c.button.name();
            EXPECT_FALSE(game.isVisible(from)) << c.button.name();
            for (ScreenId gone : alsoClosed)
                EXPECT_FALSE(game.isVisible(gone)) << c.button.name();
        }
    }

    // A whole row of a grid, as the person reads it.
    static Texts rowOf(const StringGrid& grid, int row) {
        Texts cells;
        for (int col = 0; col < grid.colCount(); ++col)
            cells.push_back(grid.cell(col, row));
        return cells;
    }
};

}  // namespace quorvex::testing
