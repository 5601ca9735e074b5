#include "Format.h"

#include <cstdio>
#include <limits>

#include "GameError.h"

namespace quorvex {

std::string str(Int value) {
    return std::to_string(value.get());
}

std::string str(double value) {
    if (value == 0.0) return "0";  // never "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

Int readInt(std::string_view typed) {
    const auto invalid = [&] {
        return GameError("'" + std::string(typed) + "' is not a valid integer value");
    };
    std::size_t i = 0;
    const std::size_t n = typed.size();
    while (i < n && typed[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (typed[i] == '+' || typed[i] == '-')) negative = typed[i++] == '-';
    const std::size_t firstDigit = i;
    int64_t value = 0;
    while (i < n && typed[i] >= '0' && typed[i] <= '9') {
        value = value * 10 + (typed[i] - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1) throw invalid();
        ++i;
    }
    if (i == firstDigit) throw invalid();
    while (i < n && typed[i] == ' ')
        ++i;
    if (i != n) throw invalid();
    if (negative) value = -value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw invalid();
    return Int(static_cast<int32_t>(value));
}

}  // namespace quorvex
