// The enabling rules as the main window applies them, from its own state (deck, editor,
// clipboard, imported flag), before a menu opens and before an accelerator runs.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <set>

#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

using enum CommandId;

class EnablingRulesTest : public DeckFilesTest {
  protected:
    std::set<CommandId> Enabled() {
        emit window->menuBar()->actions().at(0)->menu()->aboutToShow();
        std::set<CommandId> enabled;
        for (const CommandEntry& entry : AllCommands()) {
            if (window->Action(entry.id)->isEnabled()) {
                enabled.insert(entry.id);
            }
        }
        return enabled;
    }
    const std::set<CommandId> kNoCard{kNew,      kOpen,         kImportCardfile, kPrintTag,
                                      kSendList, kSendTag,      kExit,           kAdd,
                                      kRestore,  kHelpContents, kAbout};
};

TEST_F(EnablingRulesTest, CardsSelectionClipboardAndUndoEachEnableTheirCommands) {
    QGuiApplication::clipboard()->setText("text");
    EXPECT_EQ(Enabled(), kNoCard);
    UseCards({{"apple", "red"}});
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));  // no text
    std::set<CommandId> expected = kNoCard;
    expected.insert({kSave, kSaveAs, kMerge, kExportText, kExportCsv, kPrintCard, kPrintList,
                     kIndex, kGoTo, kFind, kDelete, kTag});
    EXPECT_EQ(Enabled(), expected);
    EXPECT_FALSE(window->Dispatch(kPaste));
    EXPECT_EQ(deck.Front().Body(), "red");

    QTest::keyClick(&Editor(), Qt::Key_End);
    QTest::keyClicks(&Editor(), "dish");
    QTest::keyClick(&Editor(), Qt::Key_Left, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText("more");
    expected.insert({kUndo, kCut, kCopy, kPaste});
    EXPECT_EQ(Enabled(), expected) << "all but Send Card, with no mail program";
}

TEST_F(EnablingRulesTest, AfterAnImportSaveWaitsForSaveAs) {
    WriteFileBytes(dir / "fruit.crd", MgcFileBytes({{"apple", "red"}}));
    prompts.AnswerFile(PathOf("fruit.crd"));
    Trigger(kImportCardfile);
    EXPECT_FALSE(Enabled().contains(kSave));
    QTest::keyClick(&Editor(), Qt::Key_F3);  // refused before it runs: no dialog, no file
    EXPECT_EQ(prompts.file_requests.size(), 1u);
    prompts.AnswerFile(PathOf("fruit.tbx"));
    Trigger(kSaveAs);
    EXPECT_TRUE(Enabled().contains(kSave));
}

}  // namespace
}  // namespace tabula::test
