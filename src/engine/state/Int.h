#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <ostream>

#include "GameError.h"

namespace quorvex {

// The store's whole number: signed 32 bits, and every + - * div mod is checked. A result that
// does not fit stops the action with "Integer overflow" instead of wrapping round.
class Int {
public:
    constexpr Int() = default;
    constexpr Int(int32_t value) : v_(value) {}  // NOLINT: plain numbers read as Int

    // A 64-bit intermediate brought back into range, or "Integer overflow".
    static constexpr Int fromWide(int64_t wide) {
        if (wide < std::numeric_limits<int32_t>::min() ||
            wide > std::numeric_limits<int32_t>::max())
            throw GameError(kIntegerOverflow);
        return Int(static_cast<int32_t>(wide));
    }

    constexpr int32_t get() const { return v_; }
    constexpr int64_t wide() const { return v_; }

    friend constexpr Int operator+(Int a, Int b) {
        int32_t r;
        if (__builtin_add_overflow(a.v_, b.v_, &r)) throw GameError(kIntegerOverflow);
        return r;
    }
    friend constexpr Int operator-(Int a, Int b) {
        int32_t r;
        if (__builtin_sub_overflow(a.v_, b.v_, &r)) throw GameError(kIntegerOverflow);
        return r;
    }
    friend constexpr Int operator*(Int a, Int b) {
        int32_t r;
        if (__builtin_mul_overflow(a.v_, b.v_, &r)) throw GameError(kIntegerOverflow);
        return r;
    }
    // Whole-number division that truncates towards zero ("div").
    friend constexpr Int operator/(Int a, Int b) {
        if (b.v_ == 0) throw GameError(kDivisionByZero);
        if (a.v_ == std::numeric_limits<int32_t>::min() && b.v_ == -1)
            throw GameError(kIntegerOverflow);
        return a.v_ / b.v_;
    }
    friend constexpr Int operator%(Int a, Int b) {
        if (b.v_ == 0) throw GameError(kDivisionByZero);
        if (b.v_ == -1) return 0;
        return a.v_ % b.v_;
    }
    constexpr Int operator-() const { return Int(0) - *this; }

    constexpr Int& operator+=(Int b) { return *this = *this + b; }
    constexpr Int& operator-=(Int b) { return *this = *this - b; }
    constexpr Int& operator*=(Int b) { return *this = *this * b; }
    constexpr Int& operator/=(Int b) { return *this = *this / b; }
    constexpr Int& operator++() { return *this += 1; }
    constexpr Int& operator--() { return *this -= 1; }

    friend constexpr bool operator==(Int a, Int b) = default;
    friend constexpr auto operator<=>(Int a, Int b) = default;

    friend std::ostream& operator<<(std::ostream& os, Int x) { return os << x.v_; }

private:
    int32_t v_ = 0;
};

static_assert(sizeof(Int) == 4, "the save file writes Int arrays as raw 4-byte blocks");

}  // namespace quorvex
