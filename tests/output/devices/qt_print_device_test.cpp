#include "output/devices/qt_print_device.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace tabula {
namespace {

// The figures the page layouts were made for: Arial 10 pt on a 1200 dpi printer. Here the
// font is Liberation Sans, which has Arial's metrics; the page is the printable area, inside
// the paper's margins.
TEST(QtPrintDeviceTest, PrintFontAndPageMetricsAt1200Dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QtPrintDevice device(printer);
    const FontMetrics font = device.PrintFontMetrics();
    const PageMetrics page = device.Metrics();
    const QRect printable = printer.pageLayout().paintRectPixels(1200);
    EXPECT_EQ(
        QList<int>({printer.resolution(), font.height, font.internal_leading, font.max_char_width,
                    page.line_height, page.char_width, page.page_width, page.page_height}),
        QList<int>({1200, 186, 19, 223, 205, 223, printable.width(), printable.height()}));
    EXPECT_LT(printable.width(), printer.pageLayout().fullRectPixels(1200).width());
}

}  // namespace
}  // namespace tabula
