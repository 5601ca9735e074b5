#pragma once

#include <memory>
#include <optional>
#include <string>

#include "../state/GameState.h"

namespace quorvex {

class Game;

// "Save Game" on the ranking screen: asks for a name, writes the whole store. A failed save keeps
// the file that was there; a save never changes the store.
void saveGame(Game& game);

// "Load Game": asks for a file and reads the whole store from it. Gives the file's name when the
// game in hand was replaced by the loaded one (its GameLoaded set): it is a store some game saved,
// and the game can be played on from it. A file that cannot be read or is damaged is refused with
// one message and nothing is given; the game in hand stays as it was. Which screens show the
// loaded game, saying kLoadedMessage once they do and telling the watcher, are the caller's.
std::optional<std::string> loadGame(Game& game);

inline constexpr const char* kLoadedMessage = "Loaded :)";

// A saved game read from its file: the store, checked as a load checks it. Raises FileError when
// the file cannot be read, SaveFormatError when it holds no game that can be played on.
std::unique_ptr<GameState> readSavedGame(const std::string& path);

// The name a save is written to and a load reads from, the same on both sides: a file name
// without ".Game" (case counts) loses its extension, from the first dot on, and gets ".Game".
// The folders are left alone and do not count: "/home/My.Games/save" becomes
// "/home/My.Games/save.Game".
std::string adjustSaveName(const std::string& chosen);

inline constexpr const char* kSaveFilter = "*.Game|*.Game";
inline constexpr const char* kOpenFilter = "*.GAME|*.GAME";

}  // namespace quorvex
