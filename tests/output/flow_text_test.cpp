#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/flow_text.h"
#include "recording_device.h"

namespace tabula {
namespace {

using Lines = std::vector<std::string>;

// Box 0..200 with W = 10: the soft limit is 170 (a blank in column 17 or later ends the
// line), the hard limit 190 (column 19 ends it whatever it is).
constexpr FlowBox kBox{0, 100, 200};
constexpr int kW = 10;
constexpr int kL = 20;

// The lines as measured: every line from the top to the returned last one, with what a pen
// of width W drew on it (the same arithmetic as measuring, so the drawn breaks are the
// measured ones).
Lines Flow(std::string_view text) {
    const int measured = FlowText(text, kBox, kW, kL);
    test::RecordingDevice pen({kL, kW, 0, 0});
    EXPECT_EQ(FlowText(text, kBox, kW, kL, pen), measured);
    EXPECT_EQ((measured - kBox.top) % kL, 0);
    Lines lines(static_cast<std::size_t>((measured - kBox.top) / kL + 1));
    for (const test::PrintedLine& line : pen.lines) {
        EXPECT_EQ(line.x, kBox.left);
        lines.at(static_cast<std::size_t>((line.y - kBox.top) / kL)) = line.text;
    }
    return lines;
}

const std::string a16(16, 'a');
const std::string x19(19, 'x');

TEST(FlowText, EmptyAndShortTextsStayOnTheTopLine) {
    EXPECT_EQ(FlowText("", kBox, kW, kL), kBox.top);
    EXPECT_EQ(Flow(""), (Lines{""}));
    EXPECT_EQ(Flow("one two"), (Lines{"one two"}));
}

TEST(FlowText, SoftLimitEndsTheLineAtTheFirstBlankInTheLastTenth) {
    EXPECT_EQ(Flow(a16 + " bb"), (Lines{a16 + " ", "bb"}));
    // A blank before the soft zone does not end the line; the hard limit cuts the word.
    EXPECT_EQ(Flow(std::string(15, 'a') + " bbbbb"), (Lines{std::string(15, 'a') + " bbb", "bb"}));
    // Words are not measured ahead.
    EXPECT_EQ(Flow("aaaaaaaaaaaaaa longword"), (Lines{"aaaaaaaaaaaaaa long", "word"}));
}

TEST(FlowText, WordWiderThanTheBoxIsCutAtTheHardLimit) {
    EXPECT_EQ(Flow(std::string(25, 'x')), (Lines{x19, std::string(6, 'x')}));
    EXPECT_EQ(Flow(std::string(38, 'x')), (Lines{x19, x19, ""}));
}

TEST(FlowText, OneBlankAfterALineEndIsDropped) {
    EXPECT_EQ(Flow(x19 + " y"), (Lines{x19, "y"}));
    EXPECT_EQ(Flow(a16 + "  b"), (Lines{a16 + " ", "b"}));
    EXPECT_EQ(Flow(a16 + "   b"), (Lines{a16 + " ", " b"}));
    EXPECT_EQ(Flow("one\r\n two"), (Lines{"one", "two"}));
    EXPECT_EQ(Flow("one\n  two"), (Lines{"one", " two"}));
}

TEST(FlowText, LineEnds) {
    EXPECT_EQ(Flow("one\r\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(Flow("one\r\n\r\ntwo"), (Lines{"one", "", "two"}));
    EXPECT_EQ(Flow("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(Flow("\n\n"), (Lines{"", "", ""}));
    EXPECT_EQ(Flow("end\r\n"), (Lines{"end", ""}));
    // A line already ended by a limit still gets its own line end.
    EXPECT_EQ(Flow(x19 + "\r\nz"), (Lines{x19, "", "z"}));
    EXPECT_EQ(Flow(a16 + " \r\nz"), (Lines{a16 + " ", "", "z"}));
}

TEST(FlowText, LoneCrEndsALineAndTheWalkStopsAtTheTextsEnd) {
    EXPECT_EQ(Flow("one\rtwo"), (Lines{"one", "two"}));
    EXPECT_EQ(Flow("a\r\r\nb"), (Lines{"a", "", "b"}));
    // The text is the first three bytes: what follows in memory is never drawn.
    const std::string memory = "ab\rXYZ";
    EXPECT_EQ(Flow(std::string_view(memory).substr(0, 3)), (Lines{"ab", ""}));
    EXPECT_EQ(Flow(std::string_view("ab\0cd", 5)), (Lines{"ab"}));
}

TEST(FlowText, TabIsTwoBlanksWithoutTabStopsAndNoBreakingBlank) {
    EXPECT_EQ(Flow("a\tb"), (Lines{"a  b"}));
    // 10 + 9 x 20 reaches the hard limit exactly: no tab stop moved the pen further.
    EXPECT_EQ(Flow("a" + std::string(9, '\t') + "b"), (Lines{"a" + std::string(18, ' '), "b"}));
    // In the soft zone a TAB is no blank: the line runs on to the hard limit.
    EXPECT_EQ(Flow(a16 + "\tbcd"), (Lines{a16 + "  b", "cd"}));
}

TEST(FlowText, DrawingMovesByTheRealWidthsAndConvertsToUtf8) {
    test::RecordingDevice narrow({kL, kW, 0, 0});
    narrow.drawn_char_width = 5;
    const std::string text(25, 'x');
    EXPECT_EQ(FlowText(text, kBox, kW, kL), kBox.top + kL);
    EXPECT_EQ(FlowText(text, kBox, kW, kL, narrow), kBox.top);

    test::RecordingDevice pen({kL, kW, 0, 0});
    FlowText("caf\xE9", kBox, kW, kL, pen);
    EXPECT_EQ(pen.lines, (std::vector<test::PrintedLine>{{0, 100, "caf\xC3\xA9"}}));
}

}  // namespace
}  // namespace tabula
