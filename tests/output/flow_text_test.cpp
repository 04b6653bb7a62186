#include "output/flow_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_device.h"

namespace tabula {
namespace {

using S = std::string;

// Box 0..200 with W = 10: the soft limit is 170 (a blank in column 17 or later ends the
// line), the hard limit 190 (column 19 ends it whatever it is).
constexpr FlowBox kBox{0, 100, 200};
constexpr int kW = 10;
constexpr int kL = 20;

// The lines from the top to the last one measured, "|" between them, as a pen of width W
// drew them (the same arithmetic as measuring, so the drawn breaks are the measured ones).
S Flow(std::string_view text) {
    const int measured = FlowText(text, kBox, kW, kL);
    test::RecordingDevice pen({kL, kW, 0, 0});
    EXPECT_EQ(FlowText(text, kBox, kW, kL, pen), measured);
    S lines;
    for (int y = kBox.top; y <= measured; y += kL) {
        const S at = "0," + std::to_string(y) + " ";
        const std::size_t from = pen.log.find(at), to = pen.log.find(" | ", from);
        lines += (y > kBox.top ? "|" : "") +
                 (from == S::npos ? "" : pen.log.substr(from + at.size(), to - from - at.size()));
    }
    return lines;
}

TEST(FlowText, BreaksAtLineEndsAndBlanksInTheLastTenthAndCutsAtTheHardLimitAndDraws) {
    const S a16(16, 'a'), x19(19, 'x');
    for (const auto& [text, lines] : std::vector<std::pair<S, S>>{
             {"", ""},
             {"one two", "one two"},
             {a16 + " bb", a16 + " |bb"},
             {S(15, 'a') + " bbbbb", S(15, 'a') + " bbb|bb"},  // a blank before the soft zone
             {"aaaaaaaaaaaaaa longword",
              "aaaaaaaaaaaaaa long|word"},  // words are not measured ahead
             {S(25, 'x'), x19 + "|xxxxxx"},
             {S(38, 'x'), x19 + "|" + x19 + "|"},
             {x19 + " y", x19 + "|y"},  // one blank after a line end is dropped
             {a16 + "  b", a16 + " |b"},
             {a16 + "   b", a16 + " | b"},
             {"one\r\n two", "one|two"},
             {"one\n  two", "one| two"},
             {"one\r\n\r\ntwo", "one||two"},
             {"\n\n", "||"},
             {"end\r\n", "end|"},
             {x19 + "\r\nz", x19 + "||z"},  // a line ended by a limit still gets its own line end
             {a16 + " \r\nz", a16 + " ||z"},
             {"one\rtwo", "one|two"},
             {"a\r\r\nb", "a||b"},
             {S("ab\0cd", 5), "ab"},
             {"a\tb", "a  b"},  // a TAB is two blanks, without tab stops
             {"a" + S(9, '\t') + "b", "a" + S(18, ' ') + "|b"},
             {a16 + "\tbcd", a16 + "  b|cd"},  // and no blank to break at
         }) {
        EXPECT_EQ(Flow(text), lines) << text;
    }
    // The text is the first three bytes: what follows in memory is never drawn.
    EXPECT_EQ(Flow(std::string_view("ab\rXYZ").substr(0, 3)), "ab|");
    // Drawing moves by the real widths, and converts to UTF-8.
    test::RecordingDevice narrow({kL, kW, 0, 0});
    narrow.drawn_char_width = 5;
    EXPECT_EQ(std::to_string(FlowText(S(25, 'x'), kBox, kW, kL)) + " " +
                  std::to_string(FlowText(S(25, 'x'), kBox, kW, kL, narrow)),
              "120 100");
    test::RecordingDevice pen({kL, kW, 0, 0});
    FlowText("caf\xE9", kBox, kW, kL, pen);
    EXPECT_EQ(pen.log, "0,100 caf\xC3\xA9");
}

}  // namespace
}  // namespace tabula
