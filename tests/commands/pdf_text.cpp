#include "commands/pdf_text.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tabula::test {

std::vector<PdfLine> PdfPage::Lines() const {
    std::vector<PdfWord> sorted = words;
    // The words of one line share their height: all of them are set in the print font.
    std::sort(sorted.begin(), sorted.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::pair(a.y_min, a.x_min) < std::pair(b.y_min, b.x_min);
    });
    std::vector<PdfLine> lines;
    for (const PdfWord& word : sorted) {
        if (!lines.empty() && std::abs(lines.back().y - word.y_min) < 1.0) {
            lines.back().text += ' ' + word.text;
        } else {
            lines.push_back({word.x_min, word.y_min, word.text});
        }
    }
    return lines;
}

const PdfWord* PdfPage::Word(const QString& text) const {
    const auto found =
        std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
    return found == words.end() ? nullptr : &*found;
}

std::optional<PdfText> ReadPdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) {
        return std::nullopt;
    }
    PdfText text;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"title") {
            text.title = xml.readElementText();
        } else if (xml.name() == u"page") {
            text.pages.emplace_back();
        } else if (xml.name() == u"word" && !text.pages.empty()) {
            const QXmlStreamAttributes a = xml.attributes();
            PdfWord word{a.value(QLatin1String("xMin")).toDouble(),
                         a.value(QLatin1String("yMin")).toDouble(),
                         a.value(QLatin1String("xMax")).toDouble(),
                         {}};
            word.text = xml.readElementText();
            text.pages.back().words.push_back(word);
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace tabula::test
