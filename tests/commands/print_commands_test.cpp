#include "commands/print_commands.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProcess>
#include <QXmlStreamReader>
#include <cmath>

#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

// A line of a printed page: where its first word stands, in points from the page's top left.
struct PdfLine {
    double x = 0;
    double y = 0;
    QString text;
};
struct PdfText {
    QString title;
    std::vector<std::vector<PdfLine>> pages;
};

// The words of the file as `pdftotext -bbox` (package poppler-utils) finds them, joined into
// lines: the print font sets every word of a line at one height.
PdfText ReadPdf(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished() && pdftotext.exitCode() == 0) << path.toStdString();
    PdfText pdf;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"title") {
            pdf.title = xml.readElementText();
        } else if (xml.name() == u"page") {
            pdf.pages.emplace_back();
        } else if (xml.name() == u"word" && !pdf.pages.empty()) {
            const double x = xml.attributes().value(QLatin1String("xMin")).toDouble();
            const double y = xml.attributes().value(QLatin1String("yMin")).toDouble();
            const QString word = xml.readElementText();
            std::vector<PdfLine>& lines = pdf.pages.back();
            if (!lines.empty() && std::abs(lines.back().y - y) < 1.0) {
                lines.back().text += ' ' + word;
            } else {
                lines.push_back({x, y, word});
            }
        }
    }
    return pdf;
}

QString Texts(const std::vector<PdfLine>& lines) {
    QStringList texts;
    for (const PdfLine& line : lines) {
        texts << line.text;
    }
    return texts.join('|');
}

using PrintCommandsTest = DeckFilesTest;

// The menu items and the front card's Print button print, each after the Print dialog.
TEST_F(PrintCommandsTest, CardListAndTagArePrintedFromTheFrontCard) {
    UseCards({{"ant", "a", 1}, {"cat", "one\r\ntwo\r\n\r\n three"}, {"dog", "d"}});
    window->Stack().BringToFront(1);
    window->SetCurrentFile(PathOf("my cards.tbx"));
    deck.ClearModified();
    prompts.AnswerPrinterPdf(PathOf("card.pdf"));
    Front().PrintButton()->click();
    const PdfText card = ReadPdf(PathOf("card.pdf"));
    EXPECT_EQ(card.title, PathOf("my cards.tbx"));
    ASSERT_EQ(card.pages.size(), 1u);
    // At 1200 dpi: lines L = 205 units apart, margins 3L, a point 1200 / 72 units; the blank
    // after a line end is dropped, the empty line stays.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    const std::vector<std::pair<int, QString>> lines = {
        {3, PathOf("my cards.tbx")}, {5, "Index: cat"}, {6, "one"}, {7, "two"}, {9, "three"}};
    ASSERT_EQ(card.pages[0].size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PdfLine& line = card.pages[0][i];
        EXPECT_EQ(line.text, lines[i].second);
        EXPECT_LT(std::max(std::abs(line.x - origin.x() - 3 * 205 * 72 / 1200.0),
                           std::abs(line.y - origin.y() - lines[i].first * 205 * 72 / 1200.0)),
                  1.0)
            << i;
    }

    window->SetCurrentFile({});
    prompts.AnswerPrinterPdf(PathOf("list.pdf"));
    Trigger(CommandId::kPrintList);
    EXPECT_EQ(Texts(ReadPdf(PathOf("list.pdf")).pages.at(0)),
              "- page 1|Index: cat|Index: dog|Index: ant");
    prompts.AnswerPrinterPdf(PathOf("tag.pdf"));
    Trigger(CommandId::kPrintTag);
    EXPECT_EQ(Texts(ReadPdf(PathOf("tag.pdf")).pages.at(0)), "- page 1|Index: ant|a");
    EXPECT_EQ(std::string(deck.Front().Index()) + std::to_string(prompts.print_dialogs) +
                  (deck.Modified() ? "*" : ""),
              "cat3");
    ExpectNoMessage();
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

TEST_F(PrintCommandsTest, NothingToPrintWritesNoPageAndAPrinterThatFailsIsTold) {
    prompts.AnswerPrinterPdf(PathOf("empty.pdf"));
    PrintCards(window->Context(), *window, PrintLayout::kList);
    UseCards({{"ant", "a"}, {"bee", "b"}});
    Change();
    prompts.AnswerPrinterPdf(PathOf("untagged.pdf"));
    Trigger(CommandId::kPrintTag);
    prompts.AnswerPrinterPdf({});  // cancelled
    Trigger(CommandId::kPrintCard);
    ExpectNoMessage();

    // Print to File with no file, and a file that cannot be created.
    prompts.AnswerPrinter([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        return true;
    });
    prompts.AnswerPrinterPdf(PathOf("missing/card.pdf"));
    for (int i = 0; i < 2; ++i) {
        Trigger(CommandId::kPrintCard);
        ExpectOnlyMessage("Print Failed", QCoreApplication::applicationName(),
                          MessageIcon::kWarning);
        prompts.messages.clear();
    }
    EXPECT_EQ(std::to_string(prompts.print_dialogs) + (deck.Modified() ? "*" : ""), "5*");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace tabula::test
