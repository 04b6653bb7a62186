#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace tabula::test {

// The words of a PDF as `pdftotext -bbox` finds them, in points from the page's top left.
struct PdfWord {
    double x_min = 0;
    double y_min = 0;
    double x_max = 0;
    QString text;
};

// The words that stand at one height, joined by single blanks; x and y are the first word's.
struct PdfLine {
    double x = 0;
    double y = 0;
    QString text;
};

struct PdfPage {
    std::vector<PdfWord> words;

    std::vector<PdfLine> Lines() const;
    const PdfWord* Word(const QString& text) const;  // the first with this text, or null
};

struct PdfText {
    QString title;  // the document name the job was given
    std::vector<PdfPage> pages;
};

// Nothing when pdftotext cannot read the file.
std::optional<PdfText> ReadPdfText(const QString& path);

}  // namespace tabula::test
