#include "output/devices/qt_print_device.h"

#include <QPrinter>
#include <QString>
#include <cmath>

namespace tabula {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Asked for by its size in points, the font is scaled to the printer's resolution: at
// 1200 dpi Liberation Sans (Arial's stand-in) measures 186 units high with 19 of internal
// leading, the figures the page layouts were made for. A pixel size of 10/72 inch with the
// fraction dropped (166 at 1200 dpi) would come out a unit smaller.
QFont PrintFont() {
    QFont font(FromUtf8(kPrintFontFace));
    font.setPointSize(kPrintFontPoints);
    return font;
}

}  // namespace

QtPrintDevice::QtPrintDevice(QPrinter& printer)
    : printer_(printer), font_(PrintFont()), font_metrics_(font_, &printer) {}

QtPrintDevice::~QtPrintDevice() {
    // A job left open is still closed, so that what was drawn reaches the printer.
    if (painter_.isActive()) {
        painter_.end();
    }
}

FontMetrics QtPrintDevice::PrintFontMetrics() const {
    const int height = font_metrics_.height();
    // The leading inside the cell: what the cell holds beyond the nominal size of the font.
    const int nominal =
        static_cast<int>(std::lround(kPrintFontPoints * printer_.logicalDpiY() / 72.0));
    return {height, height - nominal, font_metrics_.maxWidth()};
}

PageMetrics QtPrintDevice::Metrics() const {
    // Without full-page printing the printer's width and height are those of the printable
    // area, and device coordinates start at its top left corner.
    return PageMetricsFor(PrintFontMetrics(), printer_.width(), printer_.height());
}

bool QtPrintDevice::BeginDocument(std::string_view document_name) {
    printer_.setDocName(FromUtf8(document_name));
    // QPainter::begin opens the job and its first page together.
    if (!painter_.begin(&printer_)) {
        return false;
    }
    painter_.setFont(font_);
    first_page_ = true;
    return true;
}

void QtPrintDevice::StartPage() {
    if (first_page_) {
        first_page_ = false;
        return;
    }
    printer_.newPage();
}

void QtPrintDevice::EndPage() {}

void QtPrintDevice::EndDocument() {
    painter_.end();
}

void QtPrintDevice::TextAt(int x, int y, std::string_view text) {
    // The layouts place a line by its top; QPainter places it by its baseline.
    painter_.drawText(x, y + font_metrics_.ascent(), FromUtf8(text));
}

void QtPrintDevice::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

int QtPrintDevice::Draw(std::string_view text) {
    const QString drawn = FromUtf8(text);
    painter_.drawText(x_, y_ + font_metrics_.ascent(), drawn);
    x_ += font_metrics_.horizontalAdvance(drawn);
    return x_;
}

}  // namespace tabula
