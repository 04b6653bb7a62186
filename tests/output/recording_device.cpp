#include "recording_device.h"

namespace tabula::test {

RecordingDevice::RecordingDevice(PageMetrics metrics)
    : drawn_char_width(metrics.char_width), metrics_(metrics) {}

bool RecordingDevice::BeginDocument(std::string_view document_name) {
    calls.push_back("begin:" + std::string(document_name));
    return !refuse_document;
}

void RecordingDevice::StartPage() {
    calls.push_back("start");
    lines.clear();
}

void RecordingDevice::EndPage() {
    calls.push_back("end page");
    pages.push_back(lines);
    lines.clear();
}

void RecordingDevice::EndDocument() {
    calls.push_back("end");
}

void RecordingDevice::TextAt(int x, int y, std::string_view text) {
    lines.push_back({x, y, std::string(text)});
    pen_line_open_ = false;
}

void RecordingDevice::MoveTo(int x, int y) {
    pen_x_ = x;
    pen_y_ = y;
    pen_line_open_ = false;
}

int RecordingDevice::Draw(std::string_view text) {
    if (!pen_line_open_) {
        lines.push_back({pen_x_, pen_y_, {}});
        pen_line_open_ = true;
    }
    lines.back().text += text;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {  // one per UTF-8 character
            pen_x_ += drawn_char_width;
        }
    }
    return pen_x_;
}

}  // namespace tabula::test
