#include "stack/stack_geometry.h"

#include <gtest/gtest.h>

namespace tabula {
namespace {

TEST(StackGeometryTest, ClicksFindTheLowestCardBehindAndTheFrontIndexIsCutAfter32) {
    EXPECT_EQ(BackCardAt({60, 40}, 12, 300), 2);    // the strip of card 2
    EXPECT_EQ(BackCardAt({410, 100}, 12, 300), 1);  // card 1's edge beside the front card
    EXPECT_EQ(BackCardAt({410, 100}, 2, 300), 1);
    EXPECT_EQ(BackCardAt({60, 40}, 2, 300), -1);
    // Only the cards that meet the area are painted, however many there are.
    EXPECT_EQ(BackCardsIn(QRect(0, 0, 100, 300), 1000000, 300), std::make_pair(1, 3));
    const QString index32(32, QChar(u'x'));
    EXPECT_EQ(TruncateFrontIndex(index32), index32);
    EXPECT_EQ(TruncateFrontIndex(index32 + "y"), index32 + "...");
}

}  // namespace
}  // namespace tabula
