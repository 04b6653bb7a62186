#include <gtest/gtest.h>

#include <string>

#include "deck/card.h"

namespace tabula {
namespace {

TEST(CompareIndex, FoldsOnlyAsciiLettersAndComparesBytesUnsigned) {
    EXPECT_EQ(CompareIndex("apple", "APPLE"), 0);
    EXPECT_LT(CompareIndex("apple", "Banana"), 0);
    EXPECT_LT(CompareIndex("Banana", "cherry"), 0);
    EXPECT_LT(CompareIndex("ab", "abc"), 0);
    EXPECT_GT(CompareIndex("abc", "ab"), 0);
    EXPECT_LT(CompareIndex("", "a"), 0);
    // Bytes above 127 sort after every ASCII byte, and accented letters are not folded.
    EXPECT_LT(CompareIndex("z", "\xE9"), 0);
    EXPECT_NE(CompareIndex("\xC9", "\xE9"), 0);
    // '_' (0x5F) lies between 'Z' and 'a': folding puts letters after it.
    EXPECT_LT(CompareIndex("_", "A"), 0);
}

TEST(Card, IndexIsAFixedFieldOf42Bytes) {
    Card card;
    card.SetIndex(std::string(41, 'x'));
    EXPECT_EQ(card.Index().size(), 41u);
    EXPECT_EQ(card.IndexField()[41], '\0');

    // Only a file gives 42 bytes without a terminator; they all count as the index.
    card.SetIndex(std::string(50, 'y'));
    EXPECT_EQ(card.Index(), std::string(42, 'y'));

    // A shorter text zero-fills what the longer one left behind.
    card.SetIndex("ab");
    EXPECT_EQ(card.Index(), "ab");
    for (std::size_t i = 2; i < kIndexFieldSize; ++i) {
        EXPECT_EQ(card.IndexField()[i], '\0') << i;
    }
    card.SetIndex(std::string("cd\0ef", 5));
    EXPECT_EQ(card.Index(), "cd");
    EXPECT_EQ(card.IndexField()[3], '\0');
}

TEST(Card, BodyKeepsAtMost511BytesAndZerosTheRest) {
    Card card;
    card.SetBody(std::string(512, 'b'));
    EXPECT_EQ(card.Body().size(), 511u);
    EXPECT_EQ(card.BodyField()[511], '\0');
    card.SetBody("one\r\ntwo");
    EXPECT_EQ(card.Body(), "one\r\ntwo");
    EXPECT_EQ(card.BodyField()[8], '\0');
    EXPECT_EQ(card.BodyField()[100], '\0');
    card.SetBody("");
    EXPECT_TRUE(card.Body().empty());
}

}  // namespace
}  // namespace tabula
