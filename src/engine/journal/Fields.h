#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The line format the game's text files share (the journal, a game's history): fields separated
// by one tab; within a field a tab is written \t, a line break \n and a backslash \\, and no
// other backslash sequence is allowed.
std::string joinFields(const std::vector<std::string>& fields);
// The fields of a line; no value when a field holds a backslash sequence not listed above.
std::optional<std::vector<std::string>> splitFields(const std::string& line);

}  // namespace quorvex
