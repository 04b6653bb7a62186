#pragma once

#include <string_view>

#include "output/pen.h"

namespace tabula {

// Where a card body is laid out: left < right; the text flows down from top without a bottom.
struct FlowBox {
    int left = 0;
    int top = 0;
    int right = 0;
};

// Breaks a card body into lines within the box and returns the y of the top of its last line
// (top for an empty body or one that fits on one line). `char_width` is the font's widest
// character W, `line_height` the line distance L.
//
// Words are not measured ahead: a line ends at the first blank reached in the last tenth of
// the box (the blank stays at the end of the line), a character that reaches right - W ends
// the line wherever it is, and CR LF, a lone LF or a lone CR end one line each. One blank
// straight after a line end is dropped. A TAB is two blanks wide, with no tab stops. The text
// ends at its end or at a zero byte; nothing past it is read.
//
// Measuring: every character counts W (see MeasuringPen). Drawing: the same rule, but each
// character moves the pen by its real width, so drawn text usually takes fewer lines.
int FlowText(std::string_view text, FlowBox box, int char_width, int line_height);
int FlowText(std::string_view text, FlowBox box, int char_width, int line_height, Pen& pen);

}  // namespace tabula
