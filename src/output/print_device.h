#pragma once

#include <string_view>

#include "output/pen.h"

namespace tabula {

// The print font: "Arial" at 10 points, everything else the printer's defaults.
inline constexpr std::string_view kPrintFontFace = "Arial";
inline constexpr int kPrintFontPoints = 10;

// What the printer says about the print font, in device units.
struct FontMetrics {
    int height = 0;            // the full cell, internal leading included
    int internal_leading = 0;  // the part of the cell above the capitals
    int max_char_width = 0;    // the widest character
};

// The four numbers every page layout rests on, in device units of the printable area.
struct PageMetrics {
    int line_height = 0;  // L
    int char_width = 0;   // W
    int page_width = 0;   // PW
    int page_height = 0;  // PH
};

// Lines stand the font's full height plus its internal leading once more apart (external
// leading plays no part); W is the widest character.
PageMetrics PageMetricsFor(const FontMetrics& font, int page_width, int page_height);

// A printer opened for one print command, its print font already chosen. The page layouts
// drive it; the coordinates are device units from the top left of the printable area, y
// growing downwards, and every text is UTF-8.
//
// A job runs BeginDocument, then StartPage ... EndPage once per page, then EndDocument. A
// layout begins a document only when it has a page to print, and starts that first page
// straight after, so a device that opens its first page together with the document never
// puts out a blank sheet. When BeginDocument fails nothing else is called. The results of
// the page calls and of EndDocument are not looked at: a job is never aborted.
class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    virtual PageMetrics Metrics() const = 0;

    // Opens the print job under this name (the deck's file name; empty when untitled).
    // False when the printer refuses it.
    virtual bool BeginDocument(std::string_view document_name) = 0;
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    virtual void EndDocument() = 0;

    // One line of text whose top left corner stands at (x, y). Leaves the pen where it is.
    virtual void TextAt(int x, int y, std::string_view text) = 0;
    // The pen that FlowText moves over the current page.
    virtual Pen& DrawingPen() = 0;
};

}  // namespace tabula
