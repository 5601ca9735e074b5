#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "Simulator.h"

namespace quorvex::sim {

// Saved games of every kind a loader must take, built by playing and, where no screen of the
// game can yet make them, by setting the store as those screens would: for the loader's tests
// and as the fuzz targets' seeds. Each is a store as the ranking display leaves it, ready to save.

// A game played by the simulator until `turns` game turns are played or it ends; `eachTurn`
// sees the store after every game turn and at the end.
std::unique_ptr<GameState> playedGame(const SimOptions& options,
                                      const std::function<void(const GameState&)>& eachTurn = {});

// The busiest game there is, kept going far longer than anybody lets it: whenever a company's
// net worth passes 10,000,000 its savings (then its cash) are taken down to that, so that nobody
// wins, while the random events, the populations, prices and hulls keep moving for `turns` game
// turns.
std::unique_ptr<GameState> longGame(int turns, uint32_t seed,
                                    const std::function<void(const GameState&)>& eachTurn = {});

// Company 1 (a human) owning something of every kind after a few game turns: mines producing,
// factories making, warehouses holding goods, sales office orders, advertising of every kind,
// cargo in the hold and passengers aboard; company 2 a warehouse on another planet.
std::unique_ptr<GameState> ownershipGame(uint32_t seed);

}  // namespace quorvex::sim
