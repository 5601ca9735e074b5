#include "HumanPlayer.h"

#include "IndustrialistPlayer.h"
#include "RandomPlayer.h"
#include "Simulator.h"
#include "TraderPlayer.h"
#include "turn/ComputerPlayer.h"

namespace quorvex::sim {
namespace {

// Every question answered as it comes, "GO", and the declared destination.
class IdlePlayer final : public HumanPlayer {
public:
    bool playTurn(Simulator& sim) override {
        const GameState& s = sim.state();
        return sim.flyTo(s.PlayerDestination[s.CurrentPlayer]);
    }
};

// The computer companies' rules played for the human company, past the screens (the journal
// says so with a "rules computer" record), then "GO" and the planet they chose.
class ComputerRulesPlayer final : public HumanPlayer {
public:
    bool playTurn(Simulator& sim) override {
        Game& game = sim.game();
        game.writeToJournal({RecordKind::Rules, {"computer"}});
        if (!sim.step([&game] { playComputerTurn(game.world(), game.state.CurrentPlayer); }))
            return false;
        const GameState& s = sim.state();
        return sim.flyTo(s.PlayerNextPlanet[s.CurrentPlayer]);
    }
};

}  // namespace

std::unique_ptr<HumanPlayer> makeHumanPlayer(Simulator& sim, const SimOptions& options) {
    switch (options.policy) {
        case HumanPolicy::Idle:
            return std::make_unique<IdlePlayer>();
        case HumanPolicy::Computer:
            return std::make_unique<ComputerRulesPlayer>();
        case HumanPolicy::Random:
            return std::make_unique<RandomPlayer>(sim, options.seed);
        case HumanPolicy::Trader:
            return std::make_unique<TraderPlayer>(sim);
        case HumanPolicy::Industrialist:
            return std::make_unique<IndustrialistPlayer>(sim);
    }
    return nullptr;
}

}  // namespace quorvex::sim
