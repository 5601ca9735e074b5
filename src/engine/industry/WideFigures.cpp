#include "WideFigures.h"

#include <algorithm>
#include <limits>

namespace quorvex {

std::string wideStr(Wide value) {
    const bool negative = value < 0;
    // Digits of the magnitude, taken from a negative value so that the lowest one is safe too.
    std::string digits;
    do {
        const auto digit = static_cast<int>(value % 10);
        digits += static_cast<char>('0' + (negative ? -digit : digit));
        value /= 10;
    } while (value != 0);
    if (negative) digits += '-';
    std::reverse(digits.begin(), digits.end());
    return digits;
}

namespace {

constexpr Wide kLowest = std::numeric_limits<int32_t>::min();
constexpr Wide kHighest = std::numeric_limits<int32_t>::max();

}  // namespace

Int intOf(Wide value) {
    if (value < kLowest || value > kHighest) throw GameError(kIntegerOverflow);
    return Int(static_cast<int32_t>(value));
}

Int clampToInt(Wide value) {
    constexpr Wide lo = kLowest;
    constexpr Wide hi = kHighest;
    return Int(static_cast<int32_t>(value < lo ? lo : value > hi ? hi : value));
}

}  // namespace quorvex
