#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// An error that stops the current action. Its text is exactly what the player reads in the
// error box; Game::perform puts the store back as it was before the action began.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& text) : std::runtime_error(text) {}
};

inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kDivisionByZero = "Division by zero";

}  // namespace quorvex
