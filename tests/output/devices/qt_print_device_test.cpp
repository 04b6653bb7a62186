#include "output/devices/qt_print_device.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace tabula {
namespace {

// The figures the page layouts were made for: Arial 10 pt on a 1200 dpi printer. Here the
// font is Liberation Sans, which has Arial's metrics.
TEST(QtPrintDeviceTest, PrintFontAndPageMetricsAt1200Dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_EQ(printer.resolution(), 1200);
    const QtPrintDevice device(printer);

    const FontMetrics font = device.PrintFontMetrics();
    EXPECT_EQ(font.height, 186);
    EXPECT_EQ(font.internal_leading, 19);
    EXPECT_EQ(font.max_char_width, 223);

    const PageMetrics page = device.Metrics();
    EXPECT_EQ(page.line_height, 205);
    EXPECT_EQ(page.char_width, 223);
    // The printable area, inside the paper's margins.
    const QRect printable = printer.pageLayout().paintRectPixels(1200);
    EXPECT_EQ(page.page_width, printable.width());
    EXPECT_EQ(page.page_height, printable.height());
    EXPECT_LT(printable.width(), printer.pageLayout().fullRectPixels(1200).width());
}

}  // namespace
}  // namespace tabula
