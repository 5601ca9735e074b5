// What a save and a load cost, each beside the plainest way of moving the same bytes: a raw write
// or read of a file of the same size, and one copy of the whole store in memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Simulator.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"
#include "persist/SaveFile.h"

namespace {

using namespace quorvex;
using namespace quorvex::sim;

// A store from a game ten turns in, with every company playing.
const GameState& playedStore() {
    static const std::unique_ptr<GameState> store = [] {
        SimOptions o;
        o.humans = 6;
        o.computers = 12;
        o.intelligence = 80;
        o.events = EventsChoice::Some;
        o.seed = 4242;
        o.policy = HumanPolicy::Computer;
        o.turns = 10;
        Simulator sim(o);
        if (!sim.start()) throw std::runtime_error(sim.result().text);
        while (sim.state().TurnNumber < 10 && !sim.gameOver())
            if (!sim.playHumanTurn()) throw std::runtime_error(sim.result().text);
        return std::make_unique<GameState>(sim.state());
    }();
    return *store;
}

// A folder of its own under /tmp, removed at the end of the run.
const std::string& benchFolder() {
    static const struct Folder {
        std::string path;
        Folder() {
            char pattern[] = "/tmp/quorvex-bench-XXXXXX";
            path = ::mkdtemp(pattern);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    } folder;
    return folder.path;
}

void rawWrite(const std::string& path, const std::vector<uint8_t>& bytes, bool flush) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        throw std::runtime_error("raw write failed");
    if (flush) ::fsync(fd);
    ::close(fd);
}

void BM_EncodeStore(benchmark::State& state) {
    const GameState& s = playedStore();
    std::vector<uint8_t> bytes;
    for (auto _ : state) {
        encodeGame(s, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_EncodeStore);

void BM_DecodeStore(benchmark::State& state) {
    const auto bytes = encodeGame(playedStore());
    for (auto _ : state) {
        auto s = decodeGame(bytes);
        benchmark::DoNotOptimize(s.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_DecodeStore);

// What every action of the person pays to be able to put the store back.
void BM_CopyStore(benchmark::State& state) {
    const GameState& s = playedStore();
    auto copy = std::make_unique<GameState>();
    for (auto _ : state) {
        *copy = s;
        benchmark::DoNotOptimize(copy.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(sizeof(GameState)));
}
BENCHMARK(BM_CopyStore);

// The whole save: encoded, written beside the target, flushed to the disk, renamed over it.
void BM_SaveToFile(benchmark::State& state) {
    const GameState& s = playedStore();
    const std::string path = benchFolder() + "/save.Game";
    for (auto _ : state)
        replaceFile(path, encodeGame(s));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(savedSize(s)));
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

// The same number of bytes written plainly: with the flush a safe save needs, and without.
void BM_RawWriteFlushed(benchmark::State& state) {
    const std::vector<uint8_t> bytes(savedSize(playedStore()), 7);
    const std::string path = benchFolder() + "/raw-flushed.bin";
    for (auto _ : state)
        rawWrite(path, bytes, true);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_RawWriteFlushed)->Unit(benchmark::kMillisecond);

void BM_RawWrite(benchmark::State& state) {
    const std::vector<uint8_t> bytes(savedSize(playedStore()), 7);
    const std::string path = benchFolder() + "/raw.bin";
    for (auto _ : state)
        rawWrite(path, bytes, false);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMicrosecond);

// The whole load's reading part, as "Load Game" reads: the file read in blocks straight into a
// fresh store, every field checked against its range and the relations between them. It should
// take about what reading the file and decoding it take (the two below), and no more than twice
// that: reading the file whole into a buffer of its own first, then decoding it, made the two
// large blocks go back to the system and be faulted in afresh at every load, 4.8 ms a load.
void BM_LoadFromFile(benchmark::State& state) {
    const std::string path = benchFolder() + "/load.Game";
    const auto bytes = encodeGame(playedStore());
    rawWrite(path, bytes, false);
    for (auto _ : state) {
        auto s = readSavedGame(path);
        benchmark::DoNotOptimize(s.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMicrosecond);

// The checks of a load alone, on a store already in memory.
void BM_CheckLoadable(benchmark::State& state) {
    const GameState& s = playedStore();
    for (auto _ : state)
        checkLoadable(s);
}
BENCHMARK(BM_CheckLoadable)->Unit(benchmark::kMicrosecond);

// The load's two halves: the file read whole into memory, and the decoding above.
void BM_ReadSaveFile(benchmark::State& state) {
    const std::string path = benchFolder() + "/read.Game";
    const auto bytes = encodeGame(playedStore());
    rawWrite(path, bytes, false);
    for (auto _ : state) {
        auto in = readFileUpTo(path, kMaxSaveFileBytes);
        benchmark::DoNotOptimize(in.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_ReadSaveFile)->Unit(benchmark::kMicrosecond);

void BM_RawRead(benchmark::State& state) {
    const std::string path = benchFolder() + "/rawread.bin";
    const std::vector<uint8_t> bytes(savedSize(playedStore()), 7);
    rawWrite(path, bytes, false);
    std::vector<uint8_t> in(bytes.size());
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::read(fd, in.data(), in.size()) != ssize_t(in.size()))
            throw std::runtime_error("raw read failed");
        ::close(fd);
        benchmark::DoNotOptimize(in.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMicrosecond);

}  // namespace
