#include "output/print_device.h"

namespace tabula {

PageMetrics PageMetricsFor(const FontMetrics& font, int page_width, int page_height) {
    return {font.height + font.internal_leading, font.max_char_width, page_width, page_height};
}

}  // namespace tabula
