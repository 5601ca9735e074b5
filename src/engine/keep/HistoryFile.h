#pragma once

#include <optional>
#include <string>

#include "../state/GameState.h"
#include "GameHistory.h"

namespace quorvex {

inline constexpr int kHistoryVersion = 1;

// Where a save's history lives: "X.history" beside "X.Game" (a name that does not end in ".Game"
// gets ".history" added).
std::string historyPathFor(const std::string& savePath);

// The text of the history file saved beside the store `saved` (docs/history.md).
std::string formatHistory(const GameHistory& history, const GameState& saved);

// The history a file's text holds, when the text is a whole history of this version and belongs
// to `loaded`, the store read from the save beside it: the same game turn, the same company to
// play and the same company names. No value otherwise: that game's history starts afresh.
std::optional<GameHistory> parseHistory(const std::string& text, const GameState& loaded);

}  // namespace quorvex
