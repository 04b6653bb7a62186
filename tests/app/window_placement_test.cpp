#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace tabula {
namespace {

// Six numbers as "%i" reads them (sign, hexadecimal, octal); anything less is ignored.
TEST(WindowPlacementTest, ReadsSixNumbersAsPercentIReadsThemAndWritesThemBack) {
    EXPECT_EQ(ParsePlacement("0:1:-5:0x14:010:+30").value().Rect(), QRect(-5, 20, 13, 10));
    for (const char* bad :
         {"10:20:30", "", "0:1:10:20:610:", "0:1:10:x:610:420", "0:1:10:20:610:99999999999"}) {
        EXPECT_FALSE(ParsePlacement(bad)) << bad;
    }
    EXPECT_EQ(FormatPlacement({0, 1, 100, 100, 512, 368}), "0:1:100:100:512:368");
}

}  // namespace
}  // namespace tabula
