#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace tabula {
namespace {

TEST(WindowPlacementTest, ReadsSixNumbersAsPercentIReadsThem) {
    const auto p = ParsePlacement("0:1:10:20:610:420");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Rect(), QRect(10, 20, 600, 400));

    // Sign, hexadecimal and octal, as "%i" accepts them.
    const auto q = ParsePlacement("0:1:-5:0x14:010:+30");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->left, -5);
    EXPECT_EQ(q->top, 20);
    EXPECT_EQ(q->right, 8);
    EXPECT_EQ(q->bottom, 30);
}

TEST(WindowPlacementTest, IgnoresAValueWithFewerThanSixNumbers) {
    EXPECT_FALSE(ParsePlacement("10:20:30"));
    EXPECT_FALSE(ParsePlacement(""));
    EXPECT_FALSE(ParsePlacement("0:1:10:20:610:"));
    EXPECT_FALSE(ParsePlacement("0:1:10:x:610:420"));
    EXPECT_FALSE(ParsePlacement("0:1:10:20:610:99999999999"));
}

TEST(WindowPlacementTest, WritesTheHistoricForm) {
    EXPECT_EQ(FormatPlacement({0, 1, 100, 100, 512, 368}), "0:1:100:100:512:368");
}

}  // namespace
}  // namespace tabula
