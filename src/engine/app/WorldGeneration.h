#pragma once

#include "../state/GameState.h"

namespace quorvex {

class World;

// A company's figures as a new game sets them, all but the planets it is given by chance: its
// money and the bank's rates, its ship, fuel and crew, the ticket price.
void setNewCompanyFigures(GameState& s, Int company);

// Draws a new world into the store, replacing whatever game it held: companies, landing costs,
// planets, the catalogue and the first markets. The first world update completes it.
void generateWorld(const World& world);

}  // namespace quorvex
