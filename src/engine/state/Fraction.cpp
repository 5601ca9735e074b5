#include "Fraction.h"

#include <cmath>
#include <limits>
#include <utility>

#include "GameError.h"

namespace quorvex {
namespace {

using Wide = Fraction::Wide;

Wide absWide(Wide x) {
    return x < 0 ? -x : x;
}

// Binary (Stein's) greatest common divisor: shifts and subtractions, no division.
uint64_t gcdNarrow(uint64_t a, uint64_t b) {
    if (a == 0) return b;
    if (b == 0) return a;
    const int shift = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        if (a > b) std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

Wide gcdWide(Wide a, Wide b) {
    a = absWide(a);
    b = absWide(b);
    // Nearly every value of the game fits 64 bits, where division is far cheaper.
    constexpr Wide kNarrow = std::numeric_limits<uint64_t>::max();
    if (a <= kNarrow && b <= kNarrow)
        return static_cast<Wide>(gcdNarrow(static_cast<uint64_t>(a), static_cast<uint64_t>(b)));
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Wide mulChecked(Wide a, Wide b) {
    Wide r;
    if (__builtin_mul_overflow(a, b, &r)) throw GameError(kIntegerOverflow);
    return r;
}

Wide addChecked(Wide a, Wide b) {
    Wide r;
    if (__builtin_add_overflow(a, b, &r)) throw GameError(kIntegerOverflow);
    return r;
}

// Floor division and the remainder that goes with it (0 <= rem < den, den > 0).
void floorDiv(Wide num, Wide den, Wide& quot, Wide& rem) {
    quot = num / den;
    rem = num % den;
    if (rem < 0) {
        rem += den;
        --quot;
    }
}

Int toInt(Wide x) {
    if (x < std::numeric_limits<int32_t>::min() || x > std::numeric_limits<int32_t>::max())
        throw GameError(kRangeCheckError);
    return Int(static_cast<int32_t>(x));
}

}  // namespace

Fraction Fraction::ratio(Wide num, Wide den) {
    if (den == 0) throw GameError(kDivisionByZero);
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide g = gcdWide(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    return Fraction(num, den, true);
}

Fraction Fraction::decimal(double value) {
    if (!std::isfinite(value)) throw GameError(kRangeCheckError);
    double scale = 1.0;
    int64_t power = 1;
    for (int places = 0; places <= 9; ++places) {
        const double scaled = value * scale;
        const double nearest = std::nearbyint(scaled);
        if (std::fabs(scaled - nearest) <= 1e-9 * std::fmax(1.0, std::fabs(scaled))) {
            if (std::fabs(nearest) > 9e18) throw GameError(kRangeCheckError);
            return ratio(static_cast<Wide>(static_cast<int64_t>(nearest)), power);
        }
        scale *= 10.0;
        power *= 10;
    }
    // Not a short decimal: take it to nine places.
    if (std::fabs(value) > 9e9) throw GameError(kRangeCheckError);
    return ratio(static_cast<Wide>(std::llround(value * 1e9)), 1000000000);
}

Int Fraction::round() const {
    Wide q, r;
    floorDiv(num_, den_, q, r);
    const Wide twice = r * 2;
    if (twice > den_ || (twice == den_ && (q % 2 != 0))) ++q;
    return toInt(q);
}

Int Fraction::trunc() const {
    return toInt(num_ / den_);
}

Fraction operator+(const Fraction& a, const Fraction& b) {
    if (a.den_ == b.den_) return Fraction::ratio(addChecked(a.num_, b.num_), a.den_);
    return Fraction::ratio(addChecked(mulChecked(a.num_, b.den_), mulChecked(b.num_, a.den_)),
                           mulChecked(a.den_, b.den_));
}

Fraction operator-(const Fraction& a, const Fraction& b) {
    return a + (-b);
}

Fraction operator*(const Fraction& a, const Fraction& b) {
    // Cross-cancel first so that the products stay small.
    const Wide g1 = gcdWide(a.num_, b.den_);
    const Wide g2 = gcdWide(b.num_, a.den_);
    const Wide n1 = g1 > 1 ? a.num_ / g1 : a.num_;
    const Wide d2 = g1 > 1 ? b.den_ / g1 : b.den_;
    const Wide n2 = g2 > 1 ? b.num_ / g2 : b.num_;
    const Wide d1 = g2 > 1 ? a.den_ / g2 : a.den_;
    return Fraction::ratio(mulChecked(n1, n2), mulChecked(d1, d2));
}

Fraction operator/(const Fraction& a, const Fraction& b) {
    if (b.num_ == 0) throw GameError(kDivisionByZero);
    return a * Fraction::ratio(b.den_, b.num_);
}

bool operator<(const Fraction& a, const Fraction& b) {
    return mulChecked(a.num_, b.den_) < mulChecked(b.num_, a.den_);
}

}  // namespace quorvex
