// The market's share of a game turn: the market price rule, which a turn runs some 13,000 times,
// the whole market step and a company's view refresh, and the world generation, each beside one
// plain copy of the store.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/WorldGeneration.h"
#include "economy/Market.h"
#include "economy/WorldUpdate.h"
#include "form/Dialogs.h"
#include "form/Game.h"
#include "state/PriceRule.h"
#include "state/Random.h"

namespace {

using namespace quorvex;

class SilentDialogs final : public Dialogs {
public:
    void message(const std::string&) override {}
    bool confirm(const std::string&) override { return true; }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    void error(const std::string&) override {}
    std::optional<std::string> saveFileName(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileName(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// A world some turns into a game: twelve computer companies and a human, two of them
// advertising, so that some views differ from the planets'.
struct BenchWorld {
    SilentDialogs dialogs;
    Game game{dialogs, std::make_unique<LcgRandom>(20240601)};
    BenchWorld() {
        generateWorld(game.world());
        GameState& s = game.state;
        for (int c = 1; c <= kCompanies; ++c)
            s.PlayerActive[c] = c == 1 || c >= 7;
        s.AdvIndAmountStrength[1] = 43;
        s.AdvIndAmountPlanets(1, 3) = s.AdvIndAmountPlanets(1, 4) = true;
        s.AdvRtlDemandStrength[7] = 25;
        s.AdvRtlDemandPlanets(7, 9) = true;
        for (int turn = 0; turn < 10; ++turn)
            worldUpdate(game.world());
    }
};

using quorvex::bench::besideCopy;
using quorvex::bench::copyMicroseconds;
using quorvex::bench::timed;

// The rule over a turn's worth of markets as the companies see them: 13,000 calls.
void BM_MarketPriceRule(benchmark::State& state) {
    BenchWorld w;
    const GameState& s = w.game.state;
    struct Call {
        Int good, amount, demand;
    };
    std::vector<Call> calls;
    for (int c = 1; calls.size() < 13000; c = c % kCompanies + 1)
        for (int t = 1; t <= kPlanets; ++t)
            for (int g = 1; g <= kGoods; ++g)
                calls.push_back({g, s.PlayerAmount(c, t, g), s.PlayerDemand(c, t, g)});
    calls.resize(13000);
    double us = 0;
    for (auto _ : state)
        us += timed([&] {
            for (const Call& k : calls)
                benchmark::DoNotOptimize(marketPrice(s, k.good, k.amount, k.demand));
        });
    besideCopy(state, s, us / static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(calls.size()));
}
BENCHMARK(BM_MarketPriceRule)->Unit(benchmark::kMicrosecond);

// The world update's market step: supply, amounts and demand of 300 markets, their prices, every
// company's advertising and its view of all 300.
void BM_MarketStep(benchmark::State& state) {
    BenchWorld w;
    double us = 0;
    for (auto _ : state)
        us += timed([&] { marketStep(w.game.world()); });
    besideCopy(state, w.game.state, us / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_MarketStep)->Unit(benchmark::kMicrosecond);

// One company's view after its sales office has traded on a few markets.
void BM_RefreshCompanyView(benchmark::State& state) {
    BenchWorld w;
    GameState& s = w.game.state;
    int turn = 0;
    double us = 0;
    for (auto _ : state) {
        s.PlanetAmount(turn % kPlanets + 1, turn % kGoods + 1) += 1;
        ++turn;
        us += timed([&] { refreshCompanyView(w.game.world(), 9); });
    }
    besideCopy(state, s, us / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RefreshCompanyView)->Unit(benchmark::kMicrosecond);

// The whole world update of a game turn (the companies hold no mines, factories or orders), and
// the update's own steps without the passengers and the companies' standing operations.
void worldUpdateBench(benchmark::State& state, const CompanySections& sections) {
    BenchWorld w;
    const auto start = std::make_unique<GameState>(w.game.state);
    double us = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.game.state = *start;  // the same turn again, not one with ever larger figures
        state.ResumeTiming();
        us += timed([&] { worldUpdate(w.game.world(), sections); });
    }
    besideCopy(state, w.game.state, us / static_cast<double>(state.iterations()));
}
void BM_WorldUpdate(benchmark::State& state) {
    worldUpdateBench(state, CompanySections::standard());
}
BENCHMARK(BM_WorldUpdate)->Unit(benchmark::kMicrosecond);
void BM_WorldUpdateOwnSteps(benchmark::State& state) {
    worldUpdateBench(state, {[](const quorvex::World&) {}, [](const quorvex::World&) {},
                             [](const quorvex::World&, Int) {}});
}
BENCHMARK(BM_WorldUpdateOwnSteps)->Unit(benchmark::kMicrosecond);

// A new world drawn into the store.
void BM_GenerateWorld(benchmark::State& state) {
    BenchWorld w;
    double us = 0;
    for (auto _ : state)
        us += timed([&] { generateWorld(w.game.world()); });
    besideCopy(state, w.game.state, us / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GenerateWorld)->Unit(benchmark::kMicrosecond);

}  // namespace
