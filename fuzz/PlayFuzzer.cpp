// A file given to "Load Game" and, when it loads, played on for five game turns by the random
// player (any control, any answer, absurd amounts included): a loaded game can always be played,
// so an accepted file whose play stops with an error of the game is a fault, and so is any crash.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>

#include "FuzzCounts.h"
#include "LoadAndPlay.h"

namespace {

constexpr int kTurns = 5;

quorvex::fuzz::Counts counts{"quorvex-fuzz-play"};

// Where each input is written for the load to read: in memory where the system has it.
const std::string& inputPath() {
    static const struct Path {
        std::string path;
        Path() {
            const bool shm = std::filesystem::is_directory("/dev/shm");
            path = std::string(shm ? "/dev/shm" : "/tmp") + "/quorvex-fuzz-" +
                   std::to_string(::getpid()) + ".Game";
        }
        ~Path() {
            std::error_code ec;
            std::filesystem::remove(path, ec);
        }
    } file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace quorvex::sim;
    ++counts.executed;
    const LoadAndPlayResult r =
        loadAndPlay(std::span<const uint8_t>(data, size), inputPath(), kTurns, 1);
    if (r.load != Simulator::LoadOutcome::Refused) ++counts.accepted;
    if (r.load == Simulator::LoadOutcome::Loaded && r.play.ok()) ++counts.played;
    if (!r.sound()) {
        std::fprintf(stderr, "an accepted file cannot be played: %s\n", describe(r).c_str());
        std::abort();
    }
    return 0;
}
