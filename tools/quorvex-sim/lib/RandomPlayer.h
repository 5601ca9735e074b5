#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HumanPlayer.h"
#include "form/Action.h"
#include "state/GameState.h"
#include "state/Random.h"

namespace quorvex {
class Game;
}

namespace quorvex::sim {

// A curious person with no plan. Each turn it takes up to 40 actions, each chosen at random among
// the visible, enabled controls of the screens in front (a button, a list entry, a grid cell, a
// tab, a check box, typed text), answers every box at random (Yes or No, an amount from a mix of
// sensible and absurd ones, Cancel now and then), and now and then saves the game at the ranking
// to a temporary file that must load back equal. It never presses the hub's "Close", anything on
// the main menu or a planet of the travel screen; at the end it goes back to the hub, presses
// "GO" and clicks a planet. Its choices come from its own generator, never the game's. After
// every action the store's invariants must hold (when they held before it: a loaded file may
// break one), and an action stopped with an error box must have left the store as it was.
class RandomPlayer final : public HumanPlayer {
public:
    RandomPlayer(Simulator& sim, uint32_t seed);

    bool atRanking(Simulator& sim) override;
    bool playTurn(Simulator& sim) override;

    static constexpr int kActionsPerTurn = 40;

    // What it did, for a soak run's report.
    struct Tally {
        long actions = 0;
        long saves = 0;
        std::map<std::string, long> byScreen;  // actions per screen class name
        std::map<std::string, long> errors;    // error boxes by text
    };
    const Tally& tally() const { return tally_; }

private:
    int pick(int n) { return n <= 0 ? 0 : generator_.draw(n).get(); }
    std::vector<Action> choices(const Game& game) const;
    bool randomAction(Simulator& sim);
    bool backToHub(Simulator& sim);
    std::string typedText(const std::string& defaultText);

    LcgRandom generator_;
    std::unique_ptr<GameState> before_;  // the store before the action in hand
    std::string saveFile_;
    Tally tally_;
};

}  // namespace quorvex::sim
