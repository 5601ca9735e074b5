#pragma once

namespace quorvex {

class World;

// Draws a new world into the store, replacing whatever game it held: companies, landing costs,
// planets, the catalogue and the first markets. The first world update completes it.
void generateWorld(const World& world);

}  // namespace quorvex
