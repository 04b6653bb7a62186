#include "output/devices/qt_print_device.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace tabula {

// The figures the page layouts were made for: Arial 10 pt on a 1200 dpi printer. Here the
// font is Liberation Sans, which has Arial's metrics; the page is the printable area, inside
// the paper's margins.
TEST(QtPrintDeviceTest, PrintFontAndPageMetricsAt1200Dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QtPrintDevice device(printer);
    const auto [height, leading, max_width] = device.PrintFontMetrics();
    const auto [line, w, page_width, page_height] = device.Metrics();
    const QRect page = printer.pageLayout().paintRectPixels(1200);
    EXPECT_EQ(
        QList<int>({printer.resolution(), height, leading, max_width, line, w, page_width,
                    page_height, page.width() < printer.pageLayout().fullRectPixels(1200).width()}),
        QList<int>({1200, 186, 19, 223, 205, 223, page.width(), page.height(), true}));
}

}  // namespace tabula
