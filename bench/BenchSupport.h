#pragma once

// What the benchmarks share: the machine is shared, so each figure is set beside one plain copy
// of the store, measured in the same run and in this thread's processor time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

#include "state/GameState.h"

namespace quorvex::bench {

inline double cpuMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

template <typename F>
double timed(F&& f) {
    const double t0 = cpuMicroseconds();
    f();
    return cpuMicroseconds() - t0;
}

// Microseconds of one plain copy of the store, the best of a few rounds.
inline double copyMicroseconds(const GameState& src) {
    auto dst = std::make_unique<GameState>();
    constexpr int kCopies = 200;
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const double took = timed([&] {
            for (int i = 0; i < kCopies; ++i) {
                *dst = src;
                benchmark::ClobberMemory();
            }
        });
        best = std::min(best, took / kCopies);
    }
    return best;
}

// Reports the time of one iteration as a multiple of one copy of the store.
inline void besideCopy(benchmark::State& state, const GameState& s, double iterationUs) {
    const double copyUs = copyMicroseconds(s);
    state.counters["copy_us"] = copyUs;
    state.counters["x_copy"] = iterationUs / copyUs;
}

}  // namespace quorvex::bench
