#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/print_device.h"

namespace tabula::test {

// A line of output: text put at (x, y), or what the pen drew after moving to (x, y).
struct PrintedLine {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const PrintedLine&) const = default;
};

// A printer that keeps what it was asked to do. Its pen moves by `drawn_char_width` per
// character (by default the metrics' W, as in planning); a line that moves the pen but draws
// nothing leaves no PrintedLine.
class RecordingDevice : public PrintDevice, public Pen {
  public:
    explicit RecordingDevice(PageMetrics metrics);

    bool refuse_document = false;
    int drawn_char_width;

    // "begin:<name>", "start", "end page" and "end", in order.
    std::vector<std::string> calls;
    std::vector<std::vector<PrintedLine>> pages;
    // The current page's lines (also where a bare pen draws).
    std::vector<PrintedLine> lines;

    PageMetrics Metrics() const override { return metrics_; }
    bool BeginDocument(std::string_view document_name) override;
    void StartPage() override;
    void EndPage() override;
    void EndDocument() override;
    void TextAt(int x, int y, std::string_view text) override;
    Pen& DrawingPen() override { return *this; }

    void MoveTo(int x, int y) override;
    int Draw(std::string_view text) override;

  private:
    PageMetrics metrics_;
    int pen_x_ = 0;
    int pen_y_ = 0;
    bool pen_line_open_ = false;
};

}  // namespace tabula::test
