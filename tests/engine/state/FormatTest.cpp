#include <gtest/gtest.h>

#include "state/Format.h"

using namespace quorvex;

TEST(Format, Numbers) {
    EXPECT_EQ(str(8.5), "8.5");
    EXPECT_EQ(str(1.0), "1");
    EXPECT_EQ(str(0.5), "0.5");
    EXPECT_EQ(cat("Cash: £", Int(105000)), "Cash: £105000");
}
