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

using Strings = std::vector<std::string>;

// What the screen shows while long work holds the event loop: each paint of the first status
// pane, with the cursor that stood over the program then.
class LongWorkTest : public DeckFilesTest {
  protected:
    struct Shown {
        QString text;
        bool wait_cursor;
        bool operator==(const Shown&) const = default;
    };

    void SetUp() override {
        DeckFilesTest::SetUp();
        for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
            if (label->text() == "Ready") {
                pane_ = label;
            }
        }
        ASSERT_NE(pane_, nullptr);
        pane_->installEventFilter(&watcher_);
    }
    void TearDown() override {
        LongWorkLimits() = {};
        DeckFilesTest::TearDown();
    }
    static bool WaitCursor() {
        return QGuiApplication::overrideCursor() != nullptr &&
               QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
    Shown Now() const { return {pane_->text(), WaitCursor()}; }

    std::vector<Shown> shown;

  private:
    struct Watcher : QObject {
        explicit Watcher(LongWorkTest& t) : test(t) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                test.shown.push_back(test.Now());
            }
            return false;
        }
        LongWorkTest& test;
    };
    QLabel* pane_ = nullptr;
    Watcher watcher_{*this};
};

TEST_F(LongWorkTest, EveryLongCommandShowsTheWaitCursorAndItsTextWhileItRuns) {
    const QString deck_file = WriteDeck("big.tbx", {{"pear", "green"}, {"apple", "red"}});
    WriteFileBytes(dir / "cards.crd", MgcFileBytes({{"Zebra", "stripes"}}));
    struct Row {
        CommandId command;
        QString answer;  // the file the dialog gives
        QString text;
    };
    const Row rows[] = {
        {CommandId::kOpen, deck_file, "Reading big.tbx\u2026"},
        {CommandId::kMerge, deck_file, "Merging big.tbx\u2026"},
        {CommandId::kSaveAs, PathOf("out.tbx"), "Saving out.tbx\u2026"},
        {CommandId::kExportText, PathOf("out.txt"), "Exporting out.txt\u2026"},
        {CommandId::kPrintList, PathOf("list.pdf"), "Printing out.tbx\u2026"},
        {CommandId::kImportCardfile, PathOf("cards.crd"), "Importing cards.crd\u2026"},
    };
    for (const bool long_work : {false, true}) {
        LongWorkLimits().busy_bytes = long_work ? 0 : LongWorkSizes{}.busy_bytes;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.text.toStdString());
            row.command == CommandId::kPrintList ? prompts.AnswerPrinterPdf(row.answer)
                                                 : prompts.AnswerFile(row.answer);
            prompts.AnswerMessage(Answer::kNo);  // "Save Changes ?" before the import
            shown.clear();
            Trigger(row.command);
            if (long_work) {
                EXPECT_NE(std::find(shown.begin(), shown.end(), Shown{row.text, true}),
                          shown.end());
            } else {
                EXPECT_EQ(shown.end(), std::find_if(shown.begin(), shown.end(),
                                                    [](const Shown& s) { return s.wait_cursor; }));
            }
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(window->Status().Message(), "Ready");
            prompts.message_answers.clear();
        }
    }
    EXPECT_EQ(Ring(), Strings{"Zebra"});
}

TEST_F(LongWorkTest, ALargeFileOpensUnderAProgressWindowWhoseCancelKeepsTheDeck) {
    LongWorkLimits() = {0, 0};
    const QString first = WriteDeck("first.tbx", {{"pear", ""}, {"apple", ""}});
    const QString second = WriteDeck("second.tbx", {{"fig", ""}});
    std::vector<Shown> at_steps;
    prompts.on_progress_step = [&] { at_steps.push_back(Now()); };
    prompts.AnswerFile(first);
    Trigger(CommandId::kOpen);
    EXPECT_EQ(prompts.progress_texts, std::vector<QString>{"Reading first.tbx\u2026"});
    EXPECT_EQ(at_steps, (std::vector<Shown>{{"Reading first.tbx\u2026", true}}));
    EXPECT_EQ(Ring(), (Strings{"apple", "pear"}));

    Change();
    prompts.AnswerMessage(Answer::kNo);
    prompts.cancel_at_step = prompts.progress_steps + 1;
    prompts.AnswerFile(second);
    Trigger(CommandId::kOpen);
    EXPECT_EQ(prompts.progress_texts.size(), 2u);
    EXPECT_EQ(Ring(), (Strings{"apple", "pear"}));
    EXPECT_EQ(window->windowTitle(), "Tabula - " + first);
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(prompts.messages.size(), 1u);  // only "Save Changes ?"
}

}  // namespace
}  // namespace tabula::test
