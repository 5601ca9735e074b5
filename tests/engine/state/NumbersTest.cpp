#include <gtest/gtest.h>

#include <limits>

#include "state/Array.h"
#include "state/Format.h"
#include "state/Fraction.h"
#include "state/Int.h"
#include "state/Random.h"
#include "support/ScriptedRandom.h"

using namespace quorvex;

namespace {

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const GameError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Int, ArithmeticIsCheckedNeverWraps) {
    const Int big = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(errorOf([&] { (void)(big + 1); }), "Integer overflow");
    EXPECT_EQ(errorOf([&] { (void)(Int(-2) - big - 2); }), "Integer overflow");
    EXPECT_EQ(errorOf([&] { (void)(Int(100000) * 100000); }), "Integer overflow");
    EXPECT_EQ(errorOf([&] { (void)(Int(std::numeric_limits<int32_t>::min()) / -1); }),
              "Integer overflow");
    // div truncates towards zero, as the game's whole-number division does
    EXPECT_EQ(Int(-7) / 2, -3);
    EXPECT_EQ(Int(7) / 2, 3);
    EXPECT_EQ(Int(-7) % 2, -1);
    EXPECT_EQ(big + -1, std::numeric_limits<int32_t>::max() - 1);
}

TEST(Array, OneBasedLastIndexFastestAndRangeChecked) {
    Array<Int, 2, 3> a;
    a(1, 1) = 11;
    a(1, 3) = 13;
    a(2, 1) = 21;
    EXPECT_EQ(a.data()[0], 11);
    EXPECT_EQ(a.data()[2], 13);
    EXPECT_EQ(a.data()[3], 21);
    EXPECT_EQ(errorOf([&] { a(0, 1) = 1; }), "Range check error");
    EXPECT_EQ(errorOf([&] { a(2, 4) = 1; }), "Range check error");
    EXPECT_EQ(errorOf([&] { a(3, 1) = 1; }), "Range check error");
    Array<Int, 18> b;
    EXPECT_EQ(errorOf([&] { (void)b[19]; }), "Range check error");
    EXPECT_NO_THROW(b[18] = 5);
}

TEST(Fraction, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(Fraction::ratio(5, 2).round(), 2);
    EXPECT_EQ(Fraction::ratio(7, 2).round(), 4);
    EXPECT_EQ(Fraction::ratio(-5, 2).round(), -2);
    EXPECT_EQ(Fraction::ratio(-7, 2).round(), -4);
    EXPECT_EQ(Fraction::ratio(51, 2).round(), 26);  // 25.5 goes to 26
    EXPECT_EQ(Fraction::ratio(17, 2).round(), 8);   // 8.5 goes to 8
    // 125 x 0.124 is exactly 15.5, which a double does not promise
    EXPECT_EQ((Fraction(125) * Fraction::decimal(0.124)).round(), 16);
    EXPECT_EQ((Fraction(300) / 100 * Fraction::decimal(8.5)).round(), 26);
    EXPECT_EQ((Fraction(100) / 100 * Fraction::decimal(8.5)).round(), 8);
    EXPECT_EQ((Fraction(1) / 100 * Fraction::decimal(8.5)).round(), 0);
}

TEST(Fraction, ExactWhereThirtyTwoBitsWouldOverflow) {
    // A supply of 1,000,000,000 grown by 106 %.
    EXPECT_EQ((Fraction(106) * (Fraction(1000000000) / 100)).round(), 1060000000);
    EXPECT_EQ(errorOf([] { (void)(Fraction(300) * (Fraction(1000000000) / 100)).round(); }),
              "Range check error");
    EXPECT_EQ(Fraction::decimal(0.6), Fraction::ratio(3, 5));
    EXPECT_EQ(Fraction::decimal(2.5), Fraction::ratio(5, 2));
}

TEST(LcgRandom, DocumentedGenerator) {
    LcgRandom r(0);
    EXPECT_EQ(r.draw(100), 0);  // seed 1
    EXPECT_EQ(r.currentSeed(), 1u);
    EXPECT_EQ(r.draw(100), 3);  // seed 134775814: 134775814 x 100 >> 32 = 3
    EXPECT_EQ(r.currentSeed(), 134775814u);
    const uint32_t before = r.currentSeed();
    EXPECT_EQ(r.draw(0), 0);  // a draw of 0 still moves the seed on
    EXPECT_NE(r.currentSeed(), before);
}

TEST(ScriptedRandom, ChecksTheRangeOfEveryDraw) {
    ScriptedRandom r{{11, 4}, {20, 0}};
    EXPECT_EQ(r.draw(11), 4);
    EXPECT_THROW(r.draw(21), ScriptError);
    ScriptedRandom empty;
    EXPECT_THROW(empty.draw(5), ScriptError);
}

TEST(ReadInt, StrictWholeNumbersOnly) {
    EXPECT_EQ(readInt("5000"), 5000);
    EXPECT_EQ(readInt("  -12 "), -12);
    EXPECT_EQ(readInt("+7"), 7);
    EXPECT_EQ(readInt("2147483647"), 2147483647);
    EXPECT_EQ(readInt("-2147483648"), std::numeric_limits<int32_t>::min());
    for (const char* bad : {"", " ", "12.5", "1e6", "5000abc", "4294967297", "2147483648", "--1",
                            "£5", "- 5", "99999999999999999999999"})
        EXPECT_EQ(errorOf([&] { readInt(bad); }),
                  std::string("'") + bad + "' is not a valid integer value")
            << bad;
}
