#include "output/print_device.h"

namespace tabula {

int PrintFontHeight(int dpi_y) {
    // Ten points are 10/72 inch; the font is asked for by this whole number of units.
    return dpi_y * kPrintFontPoints * 10 / 720;
}

PageMetrics PageMetricsFor(const FontMetrics& font, int page_width, int page_height) {
    return {font.height + font.internal_leading, font.max_char_width, page_width, page_height};
}

}  // namespace tabula
