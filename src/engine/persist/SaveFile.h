#pragma once

#include <string>

namespace quorvex {

class Game;

// "Save Game" on the ranking screen: asks for a name, writes the whole store. A failed save keeps
// the file that was there; a save never changes the store.
void saveGame(Game& game);
// "Load Game" on the main menu: asks for a file, reads the whole store, shows the ranking. A file
// that cannot be read or is damaged is refused with one message, and the game in hand stays.
void loadGame(Game& game);

// The name a save is written to and a load reads from, the same on both sides: a file name
// without ".Game" (case counts) loses its extension, from the first dot on, and gets ".Game".
// The folders are left alone and do not count: "/home/My.Games/save" becomes
// "/home/My.Games/save.Game".
std::string adjustSaveName(const std::string& chosen);

inline constexpr const char* kSaveFilter = "*.Game|*.Game";
inline constexpr const char* kOpenFilter = "*.GAME|*.GAME";

}  // namespace quorvex
