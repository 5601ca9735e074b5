#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "HumanPlayer.h"
#include "form/Action.h"
#include "state/GameState.h"

namespace quorvex {
class Button;
}

namespace quorvex::sim {

// A merchant. Each turn, from the hub and through the screens' own controls: it sells what it
// carries where the demand screen ranks that good's planet best (or where it flew to sell it, or
// after three turns aboard anywhere), pays its crew, fills its fuel tank, turns free hull space
// into cargo space, buys the good that earns most on the trip to the planet the demand screen
// ranks best for it (its price here furthest below its price there, times what the money and
// the hold allow), repays what it can of its loan, and flies there. It buys with the cash it has
// and borrows for goods that fetch well above the loan's interest, never past a loan that a
// turn's interest, a landing and a tow would push over the credit limit. Every trade is checked:
// it moved what was asked, its money and goods balance, and the store keeps its relations.
//
// Each part of the turn is a step of its own, each starting and ending at the hub, so that a
// policy that does more (mines, factories, a sales office) can add steps or replace them:
// override playTurn, call beginTurn and the steps wanted, and end with Simulator::flyTo.
class TraderPlayer : public HumanPlayer {
public:
    explicit TraderPlayer(Simulator& sim);

    bool playTurn(Simulator& sim) override;

    // What it did, for a run's report.
    struct Tally {
        long turns = 0;
        long purchases = 0;
        long sales = 0;
        int64_t spent = 0;   // on goods
        int64_t earned = 0;  // from goods
    };
    const Tally& tally() const { return tally_; }

    // A purchase worth making here: the good, how much of it the money and the hold allow, what
    // it costs here a unit, and the planet the demand screen ranks best for it with what a unit
    // fetches there.
    struct Offer {
        Int good = 0;
        Int quantity = 0;
        Int priceHere = 0;
        Int bestPrice = 0;
        Int bestPlanet = 0;
    };
    // The purchase the trader would make now: of the goods that sell for less here than where
    // they are wanted most, the one that earns most on the trip; none when there is none.
    virtual std::optional<Offer> bestOffer(const GameState& s) const;
    // The planet the trader would fly to now.
    virtual Int destination(const GameState& s) const;
    // Cash never spent on goods or on the loan: a landing charge and a tank of fuel.
    virtual Int cashKept(const GameState& s) const;
    // What may still be borrowed for goods that fetch well above its interest where they go.
    virtual int64_t borrowable(const GameState& s) const;

protected:
    // Notes which goods have been aboard another turn; first thing in every turn.
    void beginTurn(Simulator& sim);

    // What the trader remembers of a company's cargo: where each good aboard was bought to be
    // sold (0: nowhere in particular) and for how many of the company's turns it has been aboard.
    struct Voyage {
        std::array<Int, kGoods + 1> sellAt{};
        std::array<int, kGoods + 1> turnsAboard{};
    };

    // The steps of a turn in the order played; each starts and ends at the hub and returns false
    // when the run stopped.
    virtual bool sellCargo(Simulator& sim);
    virtual bool payCrew(Simulator& sim);
    virtual bool refuel(Simulator& sim);
    virtual bool fitOut(Simulator& sim);
    virtual bool buyCargo(Simulator& sim);
    virtual bool repayLoan(Simulator& sim);

    // The choices behind the steps.
    virtual bool worthSelling(const GameState& s, Int good, const Voyage& voyage) const;

    // The most units of a good that fit into free tons (a good that weighs nothing fits without
    // end: the bound is then the 32-bit limit).
    static int64_t unitsFitting(const GameState& s, Int good, int64_t freeTons);

    // Tools for steps.
    // One action of the person; the next input box it opens is answered with typed.
    bool act(Simulator& sim, const Action& action, std::optional<std::string> typed = {});
    // A screen opened from the one in front, which must then be showing.
    bool open(Simulator& sim, const Button& opener, ScreenId expected);
    // One trade on the market screen: the good's row picked, "Buy" or "Sell" from its menu, the
    // amount typed, the ship's hold chosen, the trade made and checked, and "Exit".
    // Borrowing at the bank, from the hub and back.
    bool borrow(Simulator& sim, int64_t amount);
    bool tradeOnMarket(Simulator& sim, Int good, Int quantity, bool buying);
    // Trades made through the market screen, opened from the hub and closed again.
    bool atMarket(Simulator& sim, const std::vector<std::pair<Int, Int>>& trades, bool buying);

    Int me(const Simulator& sim) const;
    Voyage& voyage(const Simulator& sim) { return voyages_[me(sim).get()]; }

private:
    std::optional<std::string> typed_;  // the answer to the next input box
    std::array<Voyage, kCompanies + 1> voyages_{};
    Tally tally_;
};

}  // namespace quorvex::sim
