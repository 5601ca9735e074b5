// What one game turn costs, beside the cost of one plain copy of the whole store (which every
// action of the person pays once, to be able to put the store back on an error).
#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include "Simulator.h"
#include "form/Game.h"
#include "services/TPlanetScreen.h"
#include "services/TTravelscr.h"
#include "state/Random.h"
#include "turn/ComputerPlayer.h"
#include "turn/TRankingScreen.h"

namespace {

using namespace quorvex;
using namespace quorvex::sim;

// The busiest game: one human playing by the computers' rules, twelve computer companies at the
// highest intelligence, random events at "Loads".
SimOptions busyGame() {
    SimOptions o;
    o.humans = 1;
    o.computers = 12;
    o.intelligence = 80;
    o.events = EventsChoice::Loads;
    o.seed = 20240601;
    o.policy = HumanPolicy::Computer;
    o.turns = 1000;
    return o;
}

// The game at the human's "Begin Turn" of one game turn, with the generator where it stood.
struct Snapshot {
    std::unique_ptr<GameState> state;
    uint32_t seed = 0;
};

LcgRandom& generatorOf(Game& game) {
    return dynamic_cast<LcgRandom&>(game.generator());
}

// Snapshots from early, middle and later game turns, so the figure is not one turn's.
const std::vector<Snapshot>& snapshots() {
    static const std::vector<Snapshot> all = [] {
        std::vector<Snapshot> out;
        Simulator sim(busyGame());
        if (!sim.start()) throw std::runtime_error(sim.result().text);
        for (int target : {2, 5, 10, 20, 30, 45, 60, 80}) {
            while (sim.state().TurnNumber < target && !sim.gameOver())
                if (!sim.playHumanTurn()) throw std::runtime_error(sim.result().text);
            if (sim.gameOver()) break;
            out.push_back(
                {std::make_unique<GameState>(sim.state()), generatorOf(sim.game()).currentSeed()});
        }
        return out;
    }();
    return all;
}

void restore(Game& game, const Snapshot& snap) {
    game.state = *snap.state;
    generatorOf(game).seed(snap.seed);
}

// One plain copy of the whole store.
void BM_StoreCopy(benchmark::State& state) {
    const GameState& src = *snapshots().back().state;
    auto dst = std::make_unique<GameState>();
    for (auto _ : state) {
        *dst = src;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof(GameState)));
}
BENCHMARK(BM_StoreCopy)->Unit(benchmark::kMicrosecond);

// The engine's part of a game turn: the human's end of turn, the twelve computer turns with
// theirs, the world update and the ranking, all run by the ranking display that the human's
// planet click opens. The human's own choices (hub, computer rules, "GO") are made untimed.
void BM_GameTurn(benchmark::State& state) {
    const auto& snaps = snapshots();
    if (snaps.empty()) {
        state.SkipWithError("the game ended before any snapshot");
        return;
    }
    Simulator sim(busyGame());
    Game& game = sim.game();
    std::size_t k = 0;
    double timedUs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restore(game, snaps[k++ % snaps.size()]);
        game.act(actionClick(game.RankingScreen().BeginTurn));
        game.perform([&] { playComputerTurn(game.world(), game.state.CurrentPlayer); });
        game.act(actionClick(game.PlanetScreen().Button1));
        const Int planet = game.state.PlayerNextPlanet[game.state.CurrentPlayer];
        state.ResumeTiming();

        timedUs += bench::timed(
            [&] { game.act(actionClick(game.Travelscr().planetLabel(planet.get()))); });
    }
    if (!sim.dialogs().errors().empty())
        state.SkipWithError(sim.dialogs().errors().front().c_str());
    bench::besideCopy(state, *snapshots().back().state,
                      timedUs / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GameTurn)->Unit(benchmark::kMicrosecond);

// A whole game turn as the simulator plays it: every click inside Game::perform, which copies
// the store once per click so that an error can put it back.
void BM_GameTurnAsPlayed(benchmark::State& state) {
    const auto& snaps = snapshots();
    if (snaps.empty()) {
        state.SkipWithError("the game ended before any snapshot");
        return;
    }
    Simulator sim(busyGame());
    if (!sim.start()) {
        state.SkipWithError(sim.result().text.c_str());
        return;
    }
    std::size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restore(sim.game(), snaps[k++ % snaps.size()]);
        sim.game().RankingScreen().BeginTurn.enabled = true;  // a turn that ended a game
        state.ResumeTiming();
        if (!sim.playHumanTurn()) {
            state.SkipWithError(sim.result().text.c_str());
            break;
        }
    }
}
BENCHMARK(BM_GameTurnAsPlayed)->Unit(benchmark::kMicrosecond);

}  // namespace
