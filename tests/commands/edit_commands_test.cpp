#include "commands/edit_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>

#include "gui_support/deck_files_fixture.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

class EditCommandsTest : public DeckFilesTest {
  protected:
    void SetUp() override {
        DeckFilesTest::SetUp();
        QGuiApplication::clipboard()->clear();
    }
};

TEST_F(EditCommandsTest, CutAndPasteChangeTheCardAtOnce) {
    UseCards({{"apple", "red fruit"}});
    QTextCursor cursor = Editor().textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);  // "red "
    Editor().setTextCursor(cursor);
    Trigger(CommandId::kCut);
    EXPECT_EQ(deck.Front().Body(), "fruit");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "red ");
    EXPECT_TRUE(deck.Modified());

    deck.ClearModified();
    Editor().moveCursor(QTextCursor::End);
    Trigger(CommandId::kPaste);
    EXPECT_EQ(deck.Front().Body(), "fruitred ");
    EXPECT_TRUE(deck.Modified());
}

TEST_F(EditCommandsTest, CopyChangesNothing) {
    UseCards({{"apple", "red"}});
    Editor().selectAll();
    Trigger(CommandId::kCopy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "red");
    EXPECT_EQ(deck.Front().Body(), "red");
    EXPECT_FALSE(deck.Modified());
}

TEST_F(EditCommandsTest, UndoStoresTheEarlierTextAndMarksTheDeckChanged) {
    const QString path = WriteDeck("fruit.tbx", {{"apple", "red"}});
    prompts.AnswerFile(path);
    Trigger(CommandId::kOpen);
    Editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&Editor(), "dish");
    ASSERT_EQ(deck.Front().Body(), "reddish");
    Trigger(CommandId::kSave);
    ASSERT_FALSE(deck.Modified());

    // Without the flag, closing now would lose the text the card holds after the Undo.
    Trigger(CommandId::kUndo);
    EXPECT_EQ(deck.Front().Body(), "red");
    EXPECT_TRUE(deck.Modified());
    prompts.AnswerMessage(Answer::kYes);
    window->close();
    EXPECT_EQ(Bytes(path), DeckFileBytes({{"apple", "red"}}));
}

TEST_F(EditCommandsTest, AnUndoThatChangesNothingLeavesTheFlag) {
    UseCards({{"apple", "red"}});
    Editor().moveCursor(QTextCursor::End);
    QTest::keyClick(&Editor(), Qt::Key_Left);  // a key, but no edit to take back
    deck.ClearModified();
    UndoEdit(Editor(), deck);
    EXPECT_EQ(deck.Front().Body(), "red");
    EXPECT_FALSE(deck.Modified());
}

}  // namespace
}  // namespace tabula::test
