#include "commands/long_work.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"

namespace tabula::test {
namespace {

// What the screen shows while long work holds the event loop: each paint of the first status
// pane, with whether the wait cursor stood over the program then.
class LongWorkTest : public DeckFilesTest, public QObject {
  protected:
    using Shown = std::pair<QString, bool>;
    void SetUp() override {
        DeckFilesTest::SetUp();
        for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
            pane_ = label->text() == "Ready" ? label : pane_;
        }
        ASSERT_NE(pane_, nullptr);
        pane_->installEventFilter(this);
    }
    void TearDown() override { LongWorkLimits() = {}, DeckFilesTest::TearDown(); }
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::Paint && (shown.push_back(Now()), false);
    }
    Shown Now() const {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return {pane_->text(), cursor && cursor->shape() == Qt::WaitCursor};
    }

    std::vector<Shown> shown;
    QLabel* pane_ = nullptr;
};

TEST_F(LongWorkTest, EveryLongCommandShowsTheWaitCursorAndItsTextWhileItRuns) {
    WriteDeck("big.tbx", {{"pear", "green"}, {"apple", "red"}});
    WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}}));
    using C = CommandId;
    // clang-format off
    const std::tuple<CommandId, std::string_view, QString> rows[] = {
        {C::kOpen, "big.tbx", "Reading big.tbx"}, {C::kMerge, "big.tbx", "Merging big.tbx"},
        {C::kSaveAs, "out.tbx", "Saving out.tbx"}, {C::kExportText, "out.txt", "Exporting out.txt"},
        {C::kPrintList, "list.pdf", "Printing out.tbx"},
        {C::kImportCardfile, "cards.crd", "Importing cards.crd"}};
    // clang-format on
    for (const bool long_work : {false, true}) {
        LongWorkLimits().busy_bytes = long_work ? 0 : LongWorkSizes{}.busy_bytes;
        for (const auto& [command, file, text] : rows) {
            SCOPED_TRACE(text.toStdString());
            command == C::kPrintList ? prompts.AnswerPrinterPdf(PathOf(file))
                                     : prompts.AnswerFile(PathOf(file));
            // "Save Changes ?" before the import
            prompts.message_answers = {Answer::kNo}, shown.clear(), Trigger(command);
            // the wait cursor shown at all, with the text; none after, and Ready
            EXPECT_EQ(std::tuple(std::ranges::any_of(shown, &Shown::second),
                                 std::ranges::count(shown, Shown{text + u'\u2026', true}) > 0,
                                 QGuiApplication::overrideCursor() == nullptr,
                                 window->Status().Message()),
                      std::tuple(long_work, long_work, true, QString("Ready")));
        }
    }
    EXPECT_EQ(test::Ring(deck), "Zebra=stripes");
}

TEST_F(LongWorkTest, ALargeFileOpensMergesOrImportsUnderAProgressWindowWhoseCancelKeepsIt) {
    LongWorkLimits() = {0, 0};
    const QString first = WriteDeck("first.tbx", {{"pear", ""}, {"apple", ""}});
    std::vector<Shown> at_steps;
    prompts.on_progress_step = [&] { at_steps.push_back(Now()); };
    prompts.AnswerFile(first), Trigger(CommandId::kOpen);
    EXPECT_EQ(at_steps, (std::vector<Shown>{{"Reading first.tbx\u2026", true}}));

    Change(), prompts.AnswerMessage(Answer::kNo),
        prompts.cancel_at_step = prompts.progress_steps + 1;
    prompts.AnswerFile(WriteDeck("second.tbx", {{"fig", ""}})), Trigger(CommandId::kOpen);
    prompts.cancel_at_step = prompts.progress_steps + 1;
    prompts.AnswerFile(PathOf("second.tbx")), Trigger(CommandId::kMerge);
    WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}}));
    prompts.AnswerMessage(Answer::kNo), prompts.cancel_at_step = prompts.progress_steps + 1;
    prompts.AnswerFile(PathOf("cards.crd")), Trigger(CommandId::kImportCardfile);
    // The deck kept, changed; four progress windows and only the save questions; no wait cursor.
    EXPECT_EQ(
        (QString(QGuiApplication::overrideCursor() ? "wait " : "") +
         QStringList(prompts.progress_texts.begin(), prompts.progress_texts.end()).join('|') +
         window->windowTitle() + (deck.Modified() ? "*" : "") +
         QString::number(prompts.messages.size()) + QString::fromStdString(test::Ring(deck)))
            .toStdString(),
        ("Reading first.tbx\u2026|Reading second.tbx\u2026|Merging second.tbx\u2026|Importing "
         "cards.crd\u2026Tabula - " +
         first + "*2apple|pear")
            .toStdString());
}

}  // namespace
}  // namespace tabula::test
