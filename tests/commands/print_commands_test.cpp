#include "commands/print_commands.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPrinter>

#include "commands/pdf_text.h"
#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_button.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

// The print font at 1200 dpi (Liberation Sans standing in for Arial): lines 205 units apart,
// margins M = 3L. A point is 1200 / 72 device units.
constexpr int kL = 205;
constexpr int kM = 3 * kL;
constexpr double kPoint = 1200.0 / 72;
constexpr double kBlank = 2.78;  // a blank of the print font, in points
constexpr double kTolerance = 1.0;

// Print to File on paper of this size in device units, without margins. The dialog hands
// the paper chosen there straight to the printer.
ScriptedPrompts::PrinterAnswer SmallPaper(const QString& path, int width, int height) {
    return [=](QPrinter& printer) {
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QSizeF(width / kPoint, height / kPoint), QPageSize::Point, {},
                                      QPageSize::ExactMatch));
        printer.setPageMargins({}, QPageLayout::Point);
        return true;
    };
}

class PrintCommandsTest : public DeckFilesTest {
  protected:
    void SetUp() override {
        DeckFilesTest::SetUp();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        origin_ = printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
    }
    void Print(PrintLayout layout) { PrintCards(window->Context(), *window, layout); }
    PdfText Pdf(const QString& path) {
        std::optional<PdfText> text = ReadPdfText(path);
        EXPECT_TRUE(text) << "no PDF at " << path.toStdString();
        return text.value_or(PdfText{});
    }
    // A line the layout put at (x, y), as it stands on a page of the default paper.
    PdfLine At(int x, int y, const QString& text) const {
        return {origin_.x() + x / kPoint, origin_.y() + y / kPoint, text};
    }
    static PdfLine OnSmallPaper(int x, int y, const QString& text) {
        return {x / kPoint, y / kPoint, text};
    }
    static void ExpectLines(const PdfPage& page, const std::vector<PdfLine>& expected) {
        const std::vector<PdfLine> lines = page.Lines();
        ASSERT_EQ(lines.size(), expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, expected[i].text);
            EXPECT_NEAR(lines[i].x, expected[i].x, kTolerance) << lines[i].text.toStdString();
            EXPECT_NEAR(lines[i].y, expected[i].y, kTolerance) << lines[i].text.toStdString();
        }
    }

    QPointF origin_;
};

TEST_F(PrintCommandsTest, CardHeaderIndexAndBodyLinesOnOnePage) {
    UseCards({{"ant", "a"}, {"cat", "one\r\ntwo\r\n\r\n three\tfour"}, {"dog", "d"}});
    window->Stack().BringToFront(1);
    window->SetCurrentFile(PathOf("my cards.tbx"));
    deck.ClearModified();
    prompts.AnswerPrinterPdf(PathOf("card.pdf"));
    Print(PrintLayout::kCard);

    const PdfText pdf = Pdf(PathOf("card.pdf"));
    EXPECT_EQ(pdf.title, PathOf("my cards.tbx"));
    ASSERT_EQ(pdf.pages.size(), 1u);
    // The blank after a line end is dropped; the empty line stays.
    ExpectLines(pdf.pages[0], {At(kM, kM, PathOf("my cards.tbx")),
                               At(kM, kM + 2 * kL, "Index: cat"), At(kM, kM + 3 * kL, "one"),
                               At(kM, kM + 4 * kL, "two"), At(kM, kM + 6 * kL, "three four")});
    // The TAB is two blanks wide.
    const PdfWord* three = pdf.pages[0].Word("three");
    const PdfWord* four = pdf.pages[0].Word("four");
    ASSERT_TRUE(three && four);
    EXPECT_NEAR(four->x_min - three->x_max, 2 * kBlank, kTolerance);

    EXPECT_EQ(prompts.print_dialogs, 1);
    EXPECT_FALSE(deck.Modified());
    EXPECT_EQ(deck.Front().Index(), "cat");
    ExpectNoMessage();
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

TEST_F(PrintCommandsTest, ListFromTheFrontCardTwoLinesToAPage) {
    // Paper 1400 units high: the bottom limit 1400 - 50 - 3L = 735 lets two index lines
    // (at 470 and 675) onto each page.
    UseCards({{"ant", ""}, {"bee", ""}, {"cat", ""}, {"dog", ""}, {"eel", ""}});
    window->Stack().BringToFront(2);
    window->SetCurrentFile(PathOf("list.tbx"));
    Change();
    prompts.AnswerPrinter(SmallPaper(PathOf("list.pdf"), 9600, 1400));
    Print(PrintLayout::kList);

    const PdfText pdf = Pdf(PathOf("list.pdf"));
    ASSERT_EQ(pdf.pages.size(), 3u);
    const std::vector<std::vector<QString>> pages = {{"cat", "dog"}, {"eel", "ant"}, {"bee"}};
    for (std::size_t n = 0; n < pages.size(); ++n) {
        std::vector<PdfLine> expected = {
            OnSmallPaper(25, 60, PathOf("list.tbx") + " - page " + QString::number(n + 1))};
        for (std::size_t i = 0; i < pages[n].size(); ++i) {
            expected.push_back(
                OnSmallPaper(25, 470 + static_cast<int>(i) * kL, "Index: " + pages[n][i]));
        }
        ExpectLines(pdf.pages[n], expected);
    }
    EXPECT_TRUE(deck.Modified());
    ExpectNoMessage();
}

TEST_F(PrintCommandsTest, TaggedCardsWholeToAPageFromTheFrontCard) {
    // Paper 3100 units high: bottom limit 3100 - 6L = 1870. Planned from 5L, cat's three
    // lines end at 1435; dog would then end at 2050 and starts the next page, where dog
    // (1025) and ant (1640) both fit.
    UseCards({{"ant", "a1", 1},
              {"bee", "b1"},
              {"cat", "c1\r\nc2\r\nc3", 1},
              {"dog", "d1", 1},
              {"eel", "e1"}});
    window->Stack().BringToFront(2);
    window->SetCurrentFile(PathOf("tag.tbx"));
    deck.ClearModified();
    prompts.AnswerPrinter(SmallPaper(PathOf("tag.pdf"), 9600, 3100));
    Print(PrintLayout::kTagged);

    const PdfText pdf = Pdf(PathOf("tag.pdf"));
    ASSERT_EQ(pdf.pages.size(), 2u);
    ExpectLines(pdf.pages[0],
                {OnSmallPaper(kM, kM, PathOf("tag.tbx") + " - page 1"),
                 OnSmallPaper(kM, 5 * kL, "Index: cat"), OnSmallPaper(kM, 6 * kL, "c1"),
                 OnSmallPaper(kM, 7 * kL, "c2"), OnSmallPaper(kM, 8 * kL, "c3")});
    ExpectLines(pdf.pages[1],
                {OnSmallPaper(kM, kM, PathOf("tag.tbx") + " - page 2"),
                 OnSmallPaper(kM, 5 * kL, "Index: dog"), OnSmallPaper(kM, 6 * kL, "d1"),
                 OnSmallPaper(kM, 8 * kL, "Index: ant"), OnSmallPaper(kM, 9 * kL, "a1")});
    EXPECT_FALSE(deck.Modified());
    ExpectNoMessage();
}

TEST_F(PrintCommandsTest, UntitledDeckHeadsItsPagesWithoutAName) {
    UseCards({{"ant", "body"}});
    prompts.AnswerPrinterPdf(PathOf("list.pdf"));
    Print(PrintLayout::kList);
    prompts.AnswerPrinterPdf(PathOf("card.pdf"));
    Print(PrintLayout::kCard);

    const PdfText list = Pdf(PathOf("list.pdf"));
    EXPECT_EQ(list.title, "");
    ASSERT_EQ(list.pages.size(), 1u);
    PdfLine header = At(25, 60, "- page 1");
    header.x += kBlank;  // the blank before the hyphen
    ExpectLines(list.pages[0], {header, At(25, 470, "Index: ant")});

    const PdfText card = Pdf(PathOf("card.pdf"));
    ASSERT_EQ(card.pages.size(), 1u);
    ExpectLines(card.pages[0], {At(kM, kM + 2 * kL, "Index: ant"), At(kM, kM + 3 * kL, "body")});
}

TEST_F(PrintCommandsTest, NothingToPrintWritesNoPage) {
    prompts.AnswerPrinterPdf(PathOf("empty.pdf"));
    Print(PrintLayout::kList);
    UseCards({{"ant", "a"}, {"bee", "b"}});
    prompts.AnswerPrinterPdf(PathOf("untagged.pdf"));
    Print(PrintLayout::kTagged);
    prompts.AnswerPrinterPdf({});  // cancelled
    Print(PrintLayout::kCard);

    EXPECT_EQ(prompts.print_dialogs, 3);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    ExpectNoMessage();
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

TEST_F(PrintCommandsTest, PrinterThatCannotBeUsed) {
    UseCards({{"ant", "a"}});
    Change();
    // Print to File with no file: nowhere for the pages to go.
    prompts.AnswerPrinter([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        return true;
    });
    Print(PrintLayout::kCard);
    ExpectOnlyMessage("Print Failed", QCoreApplication::applicationName(), MessageIcon::kWarning);

    // A job the printer refuses (here: a file it cannot create) is a failure too.
    prompts.messages.clear();
    prompts.AnswerPrinterPdf(PathOf("missing/card.pdf"));
    Print(PrintLayout::kCard);
    ExpectOnlyMessage("Print Failed", QCoreApplication::applicationName(), MessageIcon::kWarning);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(deck.Modified());
}

// The menu items and the front card's Print button reach the print commands, each with the
// Print dialog first.
TEST_F(PrintCommandsTest, MenuItemsAndThePrintButtonPrint) {
    UseCards({{"ant", "a", 1}, {"bee", "b"}});
    prompts.AnswerPrinterPdf(PathOf("button.pdf"));
    Front().PrintButton()->click();
    // Untitled: the header line is empty, so the index line comes first.
    EXPECT_EQ(Pdf(PathOf("button.pdf")).pages.at(0).Lines().at(0).text, "Index: ant");

    prompts.AnswerPrinterPdf(PathOf("list.pdf"));
    Trigger(CommandId::kPrintList);
    prompts.AnswerPrinterPdf(PathOf("tag.pdf"));
    Trigger(CommandId::kPrintTag);
    EXPECT_EQ(prompts.print_dialogs, 3);
    const std::vector<PdfLine> list = Pdf(PathOf("list.pdf")).pages.at(0).Lines();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].text, "Index: bee");
    const std::vector<PdfLine> tag = Pdf(PathOf("tag.pdf")).pages.at(0).Lines();
    ASSERT_EQ(tag.size(), 3u);
    EXPECT_EQ(tag[1].text, "Index: ant");
    ExpectNoMessage();
}

}  // namespace
}  // namespace tabula::test
