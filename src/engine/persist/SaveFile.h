#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../state/GameState.h"

namespace quorvex {

class Game;

// "Save Game" on the ranking screen: asks for a name, writes the whole store.
void saveGame(Game& game);
// "Load Game" on the main menu: asks for a file, reads the whole store, shows the ranking.
void loadGame(Game& game);

}  // namespace quorvex
