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

// Raised by a stand-in for the person (a test's script, a replayed journal) that cannot go on.
// It is no fault of the game: Game::perform undoes the action and lets the exception go on to
// whoever drives the game, instead of showing an error box.
class ActionAborted : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kDivisionByZero = "Division by zero";

}  // namespace quorvex
