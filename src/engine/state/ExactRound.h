#pragma once

#include <cstdint>
#include <limits>

#include "Fraction.h"
#include "GameError.h"
#include "Int.h"

namespace quorvex {

// Populations and supplies stop growing here: however long a game runs, a grown value and the
// products the world update forms from it stay inside 32 bits.
inline constexpr int32_t kGrowthCap = 1000000000;

// The market and the world update round some twenty thousand values a turn. These give exactly what
// Fraction would (halves to the even neighbour), with whole-number arithmetic and, being inline,
// a constant divisor such as 100 turned into a multiplication.

// num / den rounded to the nearest whole number, a half to the even neighbour; den > 0.
inline int64_t roundDiv(int64_t num, int64_t den) {
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
    return q;
}

// The same over 128 bits, for a whole number times a stored decimal.
inline Fraction::Wide roundDiv(Fraction::Wide num, Fraction::Wide den) {
    if (num >= std::numeric_limits<int64_t>::min() && num <= std::numeric_limits<int64_t>::max() &&
        den <= std::numeric_limits<int64_t>::max())
        return roundDiv(static_cast<int64_t>(num), static_cast<int64_t>(den));
    Fraction::Wide q = num / den;
    Fraction::Wide r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
    return q;
}

// A rounded value going into the store: one that does not fit 32 bits is a "Range check error",
// as with any rounding.
inline Int storeRounded(Fraction::Wide value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw GameError(kRangeCheckError);
    return Int(static_cast<int32_t>(value));
}

// round(value / 100 x percent)
inline Int roundPercentOf(Int value, Int percent) {
    return storeRounded(roundDiv(value.wide() * percent.wide(), 100));
}

// round(factor x (value / 100)), the factor a whole percentage, before it goes into the store.
inline int64_t roundPercentTimes(Int factor, Int value) {
    return roundDiv(factor.wide() * value.wide(), 100);
}

// A sum of products of stored whole numbers, kept in 128 bits: each product of two 32-bit values
// fits 63 bits, so no number of them a game can add up overflows it. Read back as 64 bits, a
// total beyond them stops at the nearest 64-bit value, which is far beyond anything a payment
// can meet or a warehouse can hold.
class WideTotal {
public:
    void add(int64_t part) { sum_ += part; }
    Fraction::Wide exact() const { return sum_; }
    int64_t clamped() const {
        constexpr Fraction::Wide lo = std::numeric_limits<int64_t>::min();
        constexpr Fraction::Wide hi = std::numeric_limits<int64_t>::max();
        return static_cast<int64_t>(sum_ < lo ? lo : sum_ > hi ? hi : sum_);
    }

private:
    Fraction::Wide sum_ = 0;
};

// A grown value stops at the cap.
inline Int capGrowth(Fraction::Wide grown) {
    return storeRounded(grown > kGrowthCap ? Fraction::Wide(kGrowthCap) : grown);
}

// A stored Double (a demand rate, a growth rate) read as the decimal it was written as, so that a
// whole number times it rounds exactly: 125 x 0.124 is 15.5 and rounds to 16.
class Decimal {
public:
    Decimal() = default;
    explicit Decimal(double value) {
        const Fraction f = Fraction::decimal(value);
        num_ = f.numerator();
        den_ = f.denominator();
    }
    Fraction::Wide numerator() const { return num_; }
    Fraction::Wide denominator() const { return den_; }

    // round(x x value)
    Int roundTimes(Int x) const { return storeRounded(roundDiv(x.wide() * num_, den_)); }

private:
    Fraction::Wide num_ = 0;
    Fraction::Wide den_ = 1;
};

}  // namespace quorvex
