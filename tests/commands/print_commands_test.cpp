#include "commands/print_commands.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QProcess>
#include <QXmlStreamReader>
#include <cmath>
#include <regex>

#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

// The title, then for each page a / and its lines, from the words `pdftotext -bbox` (package
// poppler-utils) finds (the print font sets every word of a line at one height); each line
// after where its first word stands, in lines of 205 / 1200 inch from the printable area's top
// left.
std::string ReadPdf(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished() && pdftotext.exitCode() == 0) << path.toStdString();
    QPrinter printer(QPrinter::HighResolution);
    const QPointF origin = (printer.setOutputFormat(QPrinter::PdfFormat),
                            printer.pageLayout().paintRect(QPageLayout::Point).topLeft());
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    QString text;
    double y = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto at = [&](const char* name, double from) {  // a line is 12.3 points
            return (xml.attributes().value(QLatin1String(name)).toDouble() - from) / 12.3;
        };
        if (xml.name() == u"title" || xml.name() == u"page") {
            text += xml.name() == u"page" ? QStringLiteral("/") : xml.readElementText();
        } else if (xml.name() == u"word") {
            const double x = at("xMin", origin.x()), top = at("yMin", origin.y());
            text += !text.endsWith('/') && std::abs(top - y) < 0.1
                        ? QStringLiteral(" ")
                        : QStringLiteral("|%1,%2 ").arg(x, 0, 'f', 1).arg(top, 0, 'f', 1);
            text += xml.readElementText(), y = top;
        }
    }
    return text.toStdString();
}

using PrintCommandsTest = DeckFilesTest;

// The menu items and the front card's Print button print, each after the Print dialog.
TEST_F(PrintCommandsTest, CardListAndTagArePrintedFromTheFrontCardAndAFailedPrintIsTold) {
    UseCards({{"ant", "a", 1}, {"cat", "one\r\ntwo\r\n\r\n three"}, {"dog", "d"}});
    window->Stack().BringToFront(1), window->SetCurrentFile(PathOf("my cards.tbx"));
    deck.ClearModified(), prompts.AnswerPrinterPdf(PathOf("card.pdf"));
    Front().PrintButton()->click();
    // Margins of three lines; the blank after a line end is dropped, the empty line stays.
    EXPECT_EQ(ReadPdf(PathOf("card.pdf")),
              (PathOf("my cards.tbx") + "/|3.0,3.0 " + PathOf("my cards.tbx") +
               "|3.0,5.0 Index: cat|3.0,6.0 one|3.0,7.0 two|3.0,9.0 three")
                  .toStdString());
    window->SetCurrentFile({}), prompts.AnswerPrinterPdf(PathOf("list.pdf"));
    Trigger(CommandId::kPrintList), prompts.AnswerPrinterPdf(PathOf("tag.pdf")),
        Trigger(CommandId::kPrintTag);
    EXPECT_EQ(std::regex_replace(ReadPdf(PathOf("list.pdf")) + ReadPdf(PathOf("tag.pdf")),
                                 std::regex("\\|[0-9.]+,[0-9.]+ "), "|"),
              "/|- page 1|Index: cat|Index: dog|Index: ant/|- page 1|Index: ant|a");
    // The front card stays, three Print dialogs, the deck unchanged, no message.
    EXPECT_EQ(std::string(deck.Front().Index()) + std::to_string(prompts.print_dialogs) +
                  (deck.Modified() ? "*" : "") + std::to_string(prompts.messages.size()),
              "cat30");
    TABULA_TRY_VERIFY(Editor().hasFocus());

    // Nothing to print writes no page; a printer that fails is told.
    deck.ClearDeck(), window->Stack().RefreshStack(), prompts = {},
                                                      prompts.AnswerPrinterPdf(PathOf("empty.pdf"));
    PrintCards(window->Context(), *window, PrintLayout::kList);
    UseCards({{"ant", "a"}, {"bee", "b"}}), Change();
    prompts.AnswerPrinterPdf(PathOf("untagged.pdf")), Trigger(CommandId::kPrintTag);
    prompts.AnswerPrinterPdf({}), Trigger(CommandId::kPrintCard);  // cancelled
    ExpectNoMessage();

    // Print to File with no file, and a file that cannot be created.
    prompts.AnswerPrinter([](QPrinter& p) { return p.setOutputFormat(QPrinter::PdfFormat), true; });
    prompts.AnswerPrinterPdf(PathOf("missing/card.pdf"));
    for (int i = 0; i < 2; ++i) {
        prompts.messages.clear(), Trigger(CommandId::kPrintCard);
        ExpectOnlyMessage("Print Failed", QCoreApplication::applicationName(),
                          MessageIcon::kWarning);
    }
    EXPECT_EQ(std::to_string(prompts.print_dialogs) + (deck.Modified() ? "*" : ""), "5*");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

}  // namespace
}  // namespace tabula::test
