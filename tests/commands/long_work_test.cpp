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
    const QString deck_file = WriteDeck("big.tbx", {{"pear", "green"}, {"apple", "red"}});
    WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}}));
    // clang-format off
    const std::tuple<CommandId, QString, QString> rows[] = {
        {CommandId::kOpen, deck_file, "Reading big.tbx\u2026"}, {CommandId::kMerge, deck_file, "Merging big.tbx\u2026"},
        {CommandId::kSaveAs, PathOf("out.tbx"), "Saving out.tbx\u2026"},
        {CommandId::kExportText, PathOf("out.txt"), "Exporting out.txt\u2026"},
        {CommandId::kPrintList, PathOf("list.pdf"), "Printing out.tbx\u2026"},
        {CommandId::kImportCardfile, PathOf("cards.crd"), "Importing cards.crd\u2026"}};
    // clang-format on
    for (const bool long_work : {false, true}) {
        LongWorkLimits().busy_bytes = long_work ? 0 : LongWorkSizes{}.busy_bytes;
        for (const auto& [command, answer, text] : rows) {
            SCOPED_TRACE(text.toStdString());
            command == CommandId::kPrintList ? prompts.AnswerPrinterPdf(answer)
                                             : prompts.AnswerFile(answer);
            prompts.AnswerMessage(Answer::kNo);  // "Save Changes ?" before the import
            shown.clear(), Trigger(command);
            // the wait cursor shown at all, with the text; none after, and Ready
            EXPECT_EQ(std::tuple(std::ranges::any_of(shown, &Shown::second),
                                 std::ranges::count(shown, Shown{text, true}) > 0,
                                 QGuiApplication::overrideCursor() == nullptr,
                                 window->Status().Message()),
                      std::tuple(long_work, long_work, true, QString("Ready")));
            prompts.message_answers.clear();
        }
    }
    EXPECT_EQ(test::Ring(deck), "Zebra=stripes");
}

TEST_F(LongWorkTest, ALargeFileOpensUnderAProgressWindowWhoseCancelKeepsTheDeck) {
    LongWorkLimits() = {0, 0};
    const QString first = WriteDeck("first.tbx", {{"pear", ""}, {"apple", ""}});
    std::vector<Shown> at_steps;
    prompts.on_progress_step = [&] { at_steps.push_back(Now()); };
    prompts.AnswerFile(first), Trigger(CommandId::kOpen);
    EXPECT_EQ(at_steps, (std::vector<Shown>{{"Reading first.tbx\u2026", true}}));

    Change(), prompts.AnswerMessage(Answer::kNo),
        prompts.cancel_at_step = prompts.progress_steps + 1;
    prompts.AnswerFile(WriteDeck("second.tbx", {{"fig", ""}})), Trigger(CommandId::kOpen);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The deck kept, changed; two progress windows and only the save question.
    EXPECT_EQ(QStringList(prompts.progress_texts.begin(), prompts.progress_texts.end()).join('|') +
                  window->windowTitle() + (deck.Modified() ? "*" : "") +
                  QString::number(prompts.messages.size()) +
                  QString::fromStdString(test::Ring(deck)),
              "Reading first.tbx\u2026|Reading second.tbx\u2026Tabula - " + first + "*1apple|pear");
}

}  // namespace
}  // namespace tabula::test
