// Printing from the real program: File > Print > List opens the desktop's Print dialog, and
// its Print to File (the only printer without a print system) writes the list as a PDF.
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include "e2e/program_test.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula::test {
namespace {

using PrintEndToEnd = ProgramTest;

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!pdftotext.waitForFinished(20000)) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(PrintEndToEnd, PrintListThroughThePrintDialogToAPdfFile) {
    const QString deck = home_.filePath(QStringLiteral("pets.tbx"));
    WriteFileBytes(deck.toStdString(), DeckFileBytes({{"cat", ""}, {"dog", ""}, {"ant", ""}}));
    const QString window = Launch({deck}, QStringLiteral("Tabula - ") + deck);
    ASSERT_FALSE(window.isEmpty());

    OpenFileMenu(window);
    Keys({"p", "l"});
    const QString dialog = WaitForWindow(QStringLiteral("Print"));
    ASSERT_FALSE(dialog.isEmpty());
    Focus(dialog);
    Keys({"Return"});
    const QString pdf = home_.filePath(QStringLiteral("print.pdf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PdfText(pdf).contains("Index: cat"); }, 20000));
    // From the front card on: ant, the smallest index, opened in front.
    const QStringList lines = PdfText(pdf).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0].trimmed(), deck + " - page 1");
    EXPECT_EQ(lines[1].trimmed(), "Index: ant");
    EXPECT_EQ(lines[2].trimmed(), "Index: cat");
    EXPECT_EQ(lines[3].trimmed(), "Index: dog");
    ASSERT_TRUE(Quit(window));
}

}  // namespace
}  // namespace tabula::test
