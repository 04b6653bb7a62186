#include "ui/card_text.h"

#include <gtest/gtest.h>

namespace tabula {
namespace {

TEST(CardTextTest, EveryByteComesBackAndTheRestBecomeQuestionMarks) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(CardFromQString(CardToQString(all)), all);
    EXPECT_EQ(CardToQString("\x80\xe9"), QString::fromUtf8("\u20ac\u00e9"));
    // An arrow, a CJK character, an emoji (two UTF-16 units) and NUL have no byte.
    const QString text = QString::fromUtf8("a\u2192b\u4e2dc\U0001F600d") + QChar(0) + "e";
    EXPECT_EQ(CardFromQString(text), "a?b?c?d?e");
    EXPECT_EQ(BodyToEditorText("one\r\ntwo"), "one\ntwo");
    EXPECT_EQ(EditorTextToBody(QString("one") + QChar(QChar::ParagraphSeparator) + "two\u00a0"),
              "one\r\ntwo\xa0");
}

}  // namespace
}  // namespace tabula
