#pragma once

#include <string>

#include "../state/GameState.h"

namespace quorvex {

// The saves the game makes by itself at every ranking that waits for "Begin Turn", in a folder
// of their own: autosave.Game is the latest, autosave-1.Game … autosave-3.Game the ones before.
inline constexpr int kAutosaveBackups = 3;

// The file of an autosave generation: 0 for autosave.Game, 1..3 for the backups.
std::string autosavePath(const std::string& folder, int generation);
// The journal kept beside the latest autosave.
std::string autosaveJournalPath(const std::string& folder);

// Writes the store as autosave.Game, with its history's text as autosave.history, after moving
// each earlier autosave one generation on (the oldest is dropped). Both new files are written
// and flushed to the disk before anything is moved, so a full disk or a crash never costs the
// last good autosave. Raises FileError (or SaveFormatError for a store no save can hold); then
// the earlier autosaves are as they were, unless only the final renaming failed part way. A store
// the latest autosave already holds (a game loaded from it) moves nothing on; only its history is
// written again.
void writeAutosave(const std::string& folder, const GameState& s, const std::string& historyText);

}  // namespace quorvex
