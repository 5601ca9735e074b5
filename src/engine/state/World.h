#pragma once

#include <functional>
#include <string>

#include "GameState.h"
#include "PriceRule.h"
#include "Random.h"

namespace quorvex {

// What the rules between the screens act on: the world update, the end of a turn, the random
// events and the computer companies. They need the store, the generator and a way to tell the
// person at the machine, never the screens.
class World {
public:
    using Show = std::function<void(const std::string&)>;
    // Told which company (1..18) the message that follows is for, when it is for one company.
    using Concerning = std::function<void(Int)>;
    World(GameState& state, Random& generator, PriceMemo& prices, Show show,
          Concerning concerning = {})
        : state(state),
          generator(generator),
          prices(prices),
          show_(std::move(show)),
          concerning_(std::move(concerning)) {}

    GameState& state;
    Random& generator;
    // The market price rule's last answers, which the market's rules ask first.
    PriceMemo& prices;

    // Random(n): a whole number from 0 to n - 1 from the program-wide generator.
    Int random(Int n) const { return generator.draw(n); }

    // Every message of the rules; shown whoever is playing.
    void show(const std::string& text) const { show_(text); }

    // The game's news goes to people only; computer companies are settled in silence.

    // To a human company (1..6), its name written directly before the text: the world update's
    // messages.
    void tellCompany(Int company, const std::string& text) const;
    // To the company at the machine, when it is a human one, its name run straight into the
    // text: the end of turn's messages.
    void tellPlayingByName(const std::string& text) const;
    // The same without the name: the random events' news.
    void tellPlaying(const std::string& text) const;

private:
    Show show_;
    Concerning concerning_;
};

}  // namespace quorvex
