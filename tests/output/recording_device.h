#pragma once

#include <string>
#include <string_view>

#include "output/print_device.h"

namespace tabula::test {

// A printer that keeps what it was asked to do as text: "begin:<name>", "[", each line as
// "x,y text" with " | " between, "]" at the end of a page, and "end". Its pen moves by
// `drawn_char_width` per character (by default the metrics' W, as in planning); a line that
// moves the pen but draws nothing leaves no text.
class RecordingDevice : public PrintDevice, public Pen {
  public:
    explicit RecordingDevice(PageMetrics metrics)
        : drawn_char_width(metrics.char_width), metrics_(metrics) {}

    bool refuse_document = false;
    int drawn_char_width;
    std::string log;

    PageMetrics Metrics() const override { return metrics_; }
    bool BeginDocument(std::string_view name) override {
        return log += "begin:" + std::string(name) + " ", !refuse_document;
    }
    void StartPage() override { log += "["; }
    void EndPage() override { log += "] "; }
    void EndDocument() override { log += "end"; }
    void TextAt(int x, int y, std::string_view text) override { Line(x, y), log += text; }
    Pen& DrawingPen() override { return *this; }
    void MoveTo(int x, int y) override { pen_x_ = x, pen_y_ = y, pen_line_open_ = false; }
    int Draw(std::string_view text) override {
        if (!pen_line_open_) {
            Line(pen_x_, pen_y_), pen_line_open_ = true;
        }
        for (const char c : text) {  // a character's first byte moves the pen
            pen_x_ += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? drawn_char_width : 0;
        }
        return log += text, pen_x_;
    }

  private:
    void Line(int x, int y) {
        log += (log.empty() || log.back() == '[' ? "" : " | ") + std::to_string(x) + "," +
               std::to_string(y) + " ";
        pen_line_open_ = false;
    }
    PageMetrics metrics_;
    int pen_x_ = 0, pen_y_ = 0;
    bool pen_line_open_ = false;
};

}  // namespace tabula::test
