#pragma once

#include <cstdint>

#include "Int.h"

namespace quorvex {

// Exact rational arithmetic for every rounded expression of the rules. Once the first operand
// is a Fraction, the whole expression stays exact: (Random(5) + 102) x (supply / 100) does not
// overflow for a supply of 1,000,000,000, and 125 x 0.124 is exactly 15.5, which rounds to 16.
class Fraction {
public:
    using Wide = __int128;

    Fraction(Int whole) : num_(whole.get()), den_(1) {}  // NOLINT: Int reads as Fraction
    Fraction(int32_t whole) : num_(whole), den_(1) {}    // NOLINT
    static Fraction ratio(Wide num, Wide den);

    // A stored Double read as the decimal it was written as (at most 9 places): 0.124, 8.5.
    static Fraction decimal(double value);

    // Nearest whole number, a half going to the even neighbour; "Range check error" if the
    // result does not fit 32 bits.
    Int round() const;
    // Whole part towards zero.
    Int trunc() const;

    Wide numerator() const { return num_; }
    Wide denominator() const { return den_; }

    friend Fraction operator+(const Fraction& a, const Fraction& b);
    friend Fraction operator-(const Fraction& a, const Fraction& b);
    friend Fraction operator*(const Fraction& a, const Fraction& b);
    friend Fraction operator/(const Fraction& a, const Fraction& b);
    Fraction operator-() const { return ratio(-num_, den_); }

    friend bool operator==(const Fraction& a, const Fraction& b) {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }
    friend bool operator<(const Fraction& a, const Fraction& b);
    friend bool operator>(const Fraction& a, const Fraction& b) { return b < a; }
    friend bool operator<=(const Fraction& a, const Fraction& b) { return !(b < a); }
    friend bool operator>=(const Fraction& a, const Fraction& b) { return !(a < b); }

private:
    Fraction(Wide num, Wide den, bool) : num_(num), den_(den) {}
    Wide num_;
    Wide den_;  // always > 0, and the pair is in lowest terms
};

}  // namespace quorvex
