#pragma once

#include <string_view>

namespace tabula {

// What FlowText moves along the lines of a card body. Both kinds of pen start a line with
// MoveTo and report, after each character, the x at which the next one would stand.

// Planning pen: every character is one cell W wide and a TAB two cells, as if the body were
// printed in a font whose characters are all as wide as its widest one. Pure arithmetic, so a
// page can be planned without a printer.
class MeasuringPen {
  public:
    explicit MeasuringPen(int char_width) : char_width_(char_width) {}

    void MoveTo(int x, int /*y*/) { x_ = x; }
    int Character(char /*ch*/) { return x_ += char_width_; }
    int Tab() { return x_ += 2 * char_width_; }

  private:
    int char_width_;
    int x_ = 0;
};

// Drawing pen: a printer's current position on the current page. Coordinates are device
// units, y growing downwards; a line's y is the top of its text.
class Pen {
  public:
    virtual ~Pen() = default;

    virtual void MoveTo(int x, int y) = 0;
    // Draws `text` in UTF-8 at the current position, moves past it by the font's real widths
    // and returns the new x. FlowText hands over one character of a card's text at a time,
    // or the two blanks "  " that stand for a TAB.
    virtual int Draw(std::string_view text) = 0;
};

}  // namespace tabula
