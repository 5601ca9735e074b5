#pragma once

#include <string>
#include <string_view>

#include "Int.h"

namespace quorvex {

// Whole numbers are shown plain, without separators: 250000000, -1500.
std::string str(Int value);
inline std::string str(int value) {
    return str(Int(value));
}
// Doubles in their shortest general form (at most 15 significant digits): 8.5, 1, 0.5.
std::string str(double value);
inline std::string str(std::string_view text) {
    return std::string(text);
}
inline std::string str(const std::string& text) {
    return text;
}
inline std::string str(const char* text) {
    return text;
}

// Runs numbers and texts together as the game's messages do: cat("Cash: £", cash).
template <typename... Parts>
std::string cat(const Parts&... parts) {
    std::string out;
    (out += ... += str(parts));
    return out;
}

// Reads a typed amount strictly: optional spaces around an optional sign and digits, the value
// within 32 bits. Anything else stops the action with "'<text>' is not a valid integer value".
Int readInt(std::string_view typed);

}  // namespace quorvex
