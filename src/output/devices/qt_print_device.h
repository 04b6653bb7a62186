#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "output/print_device.h"

class QPrinter;

namespace tabula {

// The printer chosen in the Print dialog, drawn on with a QPainter in the print font. The
// font and the four page metrics are fixed when the device is made, before the job begins,
// so the layouts can plan with them first.
class QtPrintDevice final : public PrintDevice, public Pen {
  public:
    explicit QtPrintDevice(QPrinter& printer);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    // What the printer says about the print font, in its device units.
    FontMetrics PrintFontMetrics() const;

    // PrintDevice
    PageMetrics Metrics() const override;
    bool BeginDocument(std::string_view document_name) override;
    void StartPage() override;
    void EndPage() override;
    void EndDocument() override;
    void TextAt(int x, int y, std::string_view text) override;
    Pen& DrawingPen() override { return *this; }

    // Pen
    void MoveTo(int x, int y) override;
    int Draw(std::string_view text) override;

  private:
    QPrinter& printer_;
    QFont font_;
    QFontMetrics font_metrics_;
    QPainter painter_;
    bool first_page_ = true;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace tabula
