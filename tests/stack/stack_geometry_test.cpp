#include "stack/stack_geometry.h"

#include <gtest/gtest.h>

namespace tabula {
namespace {

TEST(StackGeometryTest, TwelveCardsInAClientThreeHundredHigh) {
    EXPECT_EQ(CardRect(0, 300), QRect(0, 82, 400, 200));
    for (int k = 0; k < 12; ++k) {
        const QRect r = CardRect(k, 300);
        EXPECT_EQ(r.left(), 25 * k);
        EXPECT_EQ(r.top(), 82 - 25 * k);
        EXPECT_EQ(r.size(), QSize(400, 200));
    }
    EXPECT_LT(CardRect(4, 300).top(), 0);  // cut off at the top; nothing scrolls
}

TEST(StackGeometryTest, OnlyTheCardsThatMeetTheAreaArePainted) {
    const QRect client(0, 0, 412, 300);
    // Card k meets the area while its bottom, 282 - 25k, is below 0.
    EXPECT_EQ(BackCardsIn(client, 12, 300), std::make_pair(1, 11));
    EXPECT_EQ(BackCardsIn(client, 1000000, 300), std::make_pair(1, 11));
    EXPECT_EQ(BackCardsIn(QRect(0, 0, 100, 300), 1000000, 300), std::make_pair(1, 3));
    const auto none = BackCardsIn(client, 1, 300);
    EXPECT_GT(none.first, none.second);
}

TEST(StackGeometryTest, AClickGoesToTheLowestCardUnderIt) {
    // The strip of card 2 (top 32) and the right edge of card 1 (x 25..424).
    EXPECT_EQ(BackCardAt({60, 40}, 12, 300), 2);
    EXPECT_EQ(BackCardAt({410, 100}, 12, 300), 1);
    EXPECT_EQ(BackCardAt({60, 40}, 2, 300), -1);  // no card 2
    EXPECT_EQ(BackCardAt({5, 5}, 12, 300), -1);   // left of every card behind
}

TEST(StackGeometryTest, FrontIndexIsCutAfter32Characters) {
    const QString index32(32, QChar(u'x'));
    EXPECT_EQ(TruncateFrontIndex(index32), index32);
    const QString index33 = index32 + QStringLiteral("y");
    EXPECT_EQ(TruncateFrontIndex(index33), index32 + QStringLiteral("..."));
}

TEST(StackGeometryTest, ButtonsWithAndWithoutMail) {
    const FrontCardLayout without = MakeFrontCardLayout(false);
    EXPECT_EQ(without.next, QRect(320, 0, 25, 25));
    EXPECT_EQ(without.previous, QRect(345, 0, 25, 25));
    EXPECT_EQ(without.print, QRect(370, 0, 25, 25));
    EXPECT_TRUE(without.email.isNull());
    EXPECT_EQ(without.strip_fill_right, 320);
    EXPECT_EQ(without.tool, QRect(0, 0, 345, 25));

    const FrontCardLayout with = MakeFrontCardLayout(true);
    EXPECT_EQ(with.next.left(), 295);
    EXPECT_EQ(with.previous.left(), 320);
    EXPECT_EQ(with.email.left(), 345);
    EXPECT_EQ(with.print.left(), 370);
    EXPECT_EQ(with.strip_fill_right, 295);
    EXPECT_EQ(with.editor, QRect(1, 26, 398, 173));
}

}  // namespace
}  // namespace tabula
