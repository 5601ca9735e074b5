#include "LoadAndPlay.h"

#include <fstream>
#include <stdexcept>

#include "state/Format.h"

namespace quorvex::sim {

LoadAndPlayResult loadAndPlay(std::span<const uint8_t> bytes, const std::string& path, int turns,
                              uint32_t seed) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path);
    }
    SimOptions options;
    options.seed = seed;
    options.policy = HumanPolicy::Random;
    Simulator sim(options);
    LoadAndPlayResult result;
    result.load = sim.load(path);
    if (result.load == Simulator::LoadOutcome::Loaded)
        result.play = sim.playOn(turns);
    else
        result.play = sim.result();
    return result;
}

std::string describe(const LoadAndPlayResult& r) {
    switch (r.load) {
        case Simulator::LoadOutcome::Refused:
            return "refused: " + r.play.text;
        case Simulator::LoadOutcome::Failed:
            return "loaded, then at its first display: " + r.play.text;
        case Simulator::LoadOutcome::Loaded:
            break;
    }
    if (r.play.ok())
        return cat("loaded, ", r.play.turnsPlayed, " game turns played",
                   r.play.status == SimStatus::GameEnded ? ", then the game ended" : "");
    return cat("loaded, then in game turn ", r.play.gameTurn, ": ", r.play.text);
}

}  // namespace quorvex::sim
