#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "Simulator.h"

namespace quorvex::sim {

// What became of a save given to "Load Game" and played on.
struct LoadAndPlayResult {
    Simulator::LoadOutcome load = Simulator::LoadOutcome::Refused;
    SimResult play;  // how the play stopped (its text: the refusal, when refused)
    // Refused, or loaded and played without an error of the game: every file must end so.
    bool sound() const {
        return load == Simulator::LoadOutcome::Refused ||
               (load == Simulator::LoadOutcome::Loaded && play.ok());
    }
};

// Writes the bytes as `path`, loads them through the main menu's "Load Game" and, when the game
// loads, plays up to `turns` game turns, the human companies played by the random player (any
// visible control, any answer). The generator is seeded with `seed`, so a run can be repeated.
LoadAndPlayResult loadAndPlay(std::span<const uint8_t> bytes, const std::string& path, int turns,
                              uint32_t seed);

// "loaded, 5 game turns played", "refused: Cannot load ...", "loaded, then: Integer overflow".
std::string describe(const LoadAndPlayResult& result);

}  // namespace quorvex::sim
