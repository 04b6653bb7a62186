// The enabling rules as the main window applies them: from its own state (deck, editor,
// clipboard, imported flag), before a menu opens and before an accelerator runs.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextCursor>
#include <set>

#include "app/status_panes.h"
#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

using enum CommandId;

class EnablingRulesTest : public DeckFilesTest {
  protected:
    void SetUp() override {
        DeckFilesTest::SetUp();
        QGuiApplication::clipboard()->clear();
    }
    // The commands enabled once the File menu (any menu) is about to open.
    std::set<CommandId> Enabled() {
        emit FileMenu()->aboutToShow();
        std::set<CommandId> enabled;
        for (const CommandEntry& entry : AllCommands()) {
            if (window->Action(entry.id)->isEnabled()) {
                enabled.insert(entry.id);
            }
        }
        return enabled;
    }
    QMenu* FileMenu() { return window->menuBar()->actions().at(0)->menu(); }
    void SelectFirstCharacter() {
        QTextCursor cursor = Editor().textCursor();
        cursor.setPosition(0);
        cursor.setPosition(1, QTextCursor::KeepAnchor);
        Editor().setTextCursor(cursor);
    }

    const std::set<CommandId> kAlways{kNew,      kOpen,         kImportCardfile, kPrintTag,
                                      kSendList, kSendTag,      kExit,           kAdd,
                                      kRestore,  kHelpContents, kAbout};
    const std::set<CommandId> kWithCards{kSave,      kSaveAs,    kMerge,     kExportText,
                                         kExportCsv, kPrintCard, kPrintList, kIndex,
                                         kGoTo,      kFind,      kDelete,    kTag};
    std::set<CommandId> Plus(std::set<CommandId> a, const std::set<CommandId>& b) {
        a.insert(b.begin(), b.end());
        return a;
    }
};

TEST_F(EnablingRulesTest, AnEmptyDeckLeavesOnlyTheCommandsThatNeedNoCard) {
    QGuiApplication::clipboard()->setText("text");
    EXPECT_EQ(Enabled(), kAlways);
}

TEST_F(EnablingRulesTest, WithCardsButNothingSelectedOrCopied) {
    UseCards({{"apple", "red"}});
    EXPECT_EQ(Enabled(), Plus(kAlways, kWithCards));
}

TEST_F(EnablingRulesTest, ASelectionEnablesCutAndCopy) {
    UseCards({{"apple", "red"}});
    SelectFirstCharacter();
    EXPECT_EQ(Enabled(), Plus(Plus(kAlways, kWithCards), {kCut, kCopy}));
}

TEST_F(EnablingRulesTest, PasteNeedsTextOnTheClipboardNotJustAnImage) {
    UseCards({{"apple", "red"}});
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    EXPECT_FALSE(Enabled().contains(kPaste));
    EXPECT_FALSE(window->Dispatch(kPaste));
    EXPECT_EQ(deck.Front().Body(), "red");

    QGuiApplication::clipboard()->setText("more");
    EXPECT_EQ(Enabled(), Plus(Plus(kAlways, kWithCards), {kPaste}));
}

TEST_F(EnablingRulesTest, UndoFollowsTheEditor) {
    UseCards({{"apple", "red"}});
    EXPECT_FALSE(Enabled().contains(kUndo));
    Editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&Editor(), "dish");
    EXPECT_TRUE(Enabled().contains(kUndo));
}

TEST_F(EnablingRulesTest, AfterAnImportSaveWaitsForSaveAs) {
    WriteFileBytes(dir / "fruit.crd", MgcFileBytes({{"apple", "red"}}));
    prompts.AnswerFile(PathOf("fruit.crd"));
    Trigger(kImportCardfile);
    std::set<CommandId> expected = Plus(kAlways, kWithCards);
    expected.erase(kSave);
    EXPECT_EQ(Enabled(), expected);

    // F3 is refused before it runs: no dialog, no file.
    QTest::keyClick(&Editor(), Qt::Key_F3);
    EXPECT_EQ(prompts.file_requests.size(), 1u);

    prompts.AnswerFile(PathOf("fruit.tbx"));
    Trigger(kSaveAs);
    EXPECT_TRUE(Enabled().contains(kSave));
}

TEST_F(EnablingRulesTest, TheHighlightedItemsPromptShowsInTheMessagePane) {
    UseCards({{"apple", "red"}});
    QMenu* file = FileMenu();
    file->popup(window->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(window->Action(kSaveAs));
    TABULA_TRY_COMPARE(window->Status().Message(), "Save the active document in a different file");
    file->setActiveAction(window->Action(kMerge));
    TABULA_TRY_COMPARE(window->Status().Message(), "Merge two .TBX files together");
    file->hide();
    TABULA_TRY_COMPARE(window->Status().Message(), "Ready");
}

}  // namespace
}  // namespace tabula::test
