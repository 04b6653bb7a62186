#include <gtest/gtest.h>

#include "deck/ansi.h"

namespace tabula {
namespace {

TEST(Ansi, ConvertsWindows1252ToUtf8) {
    EXPECT_EQ(AnsiToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(AnsiToUtf8("\x9F"), "\xC5\xB8");      // Y with diaeresis
    EXPECT_EQ(AnsiToUtf8("\x81"), "\xC2\x81");      // undefined: the C1 control
    EXPECT_EQ(AnsiToUtf8("\xA0"), "\xC2\xA0");
}

TEST(Ansi, UpperCaseMapsEachByteToOneByte) {
    EXPECT_EQ(UpperAnsi("bobby"), "BOBBY");
    EXPECT_EQ(UpperAnsi("\xE9t\xE9"), "\xC9T\xC9");  // été
    EXPECT_EQ(UpperAnsi("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    // No one-byte capital: unchanged, so positions never shift.
    EXPECT_EQ(UpperAnsi("\xDF\xB5\xF7"), "\xDF\xB5\xF7");
    EXPECT_EQ(UpperAnsi("1,2;"), "1,2;");
}

}  // namespace
}  // namespace tabula
