#include "output/flow_text.h"

#include <string>

#include "deck/ansi.h"

namespace tabula {

namespace {

constexpr char kTab = '\t';
constexpr char kLf = '\n';
constexpr char kCr = '\r';
constexpr char kBlank = ' ';

// A printer's pen behind the measuring pen's calls, so both modes share one walk. Card texts
// are Windows-1252; the printer is handed UTF-8.
class DrawingPen {
  public:
    explicit DrawingPen(Pen& pen) : pen_(pen) {}

    void MoveTo(int x, int y) { pen_.MoveTo(x, y); }
    int Character(char ch) { return pen_.Draw(AnsiToUtf8(std::string_view(&ch, 1))); }
    int Tab() { return pen_.Draw("  "); }

  private:
    Pen& pen_;
};

template <typename AnyPen>
int Walk(std::string_view text, FlowBox box, int char_width, int line_height, AnyPen& pen) {
    text = text.substr(0, text.find('\0'));
    const int soft = box.right - char_width - (box.right - box.left) / 10;
    const int hard = box.right - char_width;
    const auto at = [text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };

    int x = box.left;
    int y = box.top;
    pen.MoveTo(x, y);
    std::size_t p = 0;
    while (p < text.size()) {
        const char ch = text[p];
        if (ch == kTab) {
            x = pen.Tab();
        } else if (ch != kCr && ch != kLf) {
            x = pen.Character(ch);
        }
        // A CR LF pair is one line end. A CR without its LF (the editor never stores one, an
        // old file may hold one) ends a line by itself, like a lone LF, and swallows nothing.
        if (ch == kCr && at(p + 1) == kLf) {
            ++p;
        }
        const char now = text[p];
        const bool line_ends =
            (x >= soft && now == kBlank) || x >= hard || now == kCr || now == kLf;
        ++p;
        if (line_ends) {
            y += line_height;
            x = box.left;
            pen.MoveTo(x, y);
            if (at(p) == kBlank) {
                ++p;
            }
        }
    }
    return y;
}

}  // namespace

int FlowText(std::string_view text, FlowBox box, int char_width, int line_height) {
    MeasuringPen pen(char_width);
    return Walk(text, box, char_width, line_height, pen);
}

int FlowText(std::string_view text, FlowBox box, int char_width, int line_height, Pen& pen) {
    DrawingPen drawing(pen);
    return Walk(text, box, char_width, line_height, drawing);
}

}  // namespace tabula
