#include "stack/card_editor.h"
#include "gui_support/wait_for.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "app/status_panes.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/typing.h"
#include "stack/card_menu.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

class CardEditorTest : public MainWindowTest {
  protected:
    void Type(const QString& text) { QTest::keyClicks(&Editor(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&Editor(), key, mods);
    }
};

TEST_F(CardEditorTest, TypingStoresTheBodyAtOnceAndMarksTheDeck) {
    Cards({"a", "b"});
    deck.ClearModified();
    Type("hi");
    EXPECT_EQ(deck.Front().Body(), "hi");
    EXPECT_TRUE(deck.Modified());
    Key(Qt::Key_Return);
    Type("there");
    EXPECT_EQ(deck.Front().Body(), "hi\r\nthere");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(deck.Front().Body(), "hi\r\nther");
    EXPECT_EQ(deck.At(1).Body(), "");
}

TEST_F(CardEditorTest, EveryKeyMarksTheDeckButTheMenusOwnKeysWithoutChangingTheText) {
    Cards({"a"});
    deck.SetBody(0, "text");
    window->Stack().RefreshStack();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool marks;
    } kKeys[] = {
        {Qt::Key_Right, {}, true},
        {Qt::Key_PageDown, {}, true},
        {Qt::Key_Shift, {}, true},
        {Qt::Key_Control, {}, true},
        {Qt::Key_Alt, {}, false},
        {Qt::Key_F, Qt::AltModifier, false},
        {Qt::Key_F4, Qt::AltModifier, false},
        {Qt::Key_Q, Qt::AltModifier, false},
        {Qt::Key_F10, {}, false},
    };
    for (const auto& k : kKeys) {
        Editor().setFocus();
        deck.ClearModified();
        Key(k.key, k.mods);
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->close();
        }
        EXPECT_EQ(deck.Modified(), k.marks)
            << QKeySequence(k.key | k.mods).toString().toStdString();
    }
    EXPECT_EQ(deck.Front().Body(), "text");
}

TEST_F(CardEditorTest, LoadingACardDoesNotMarkTheDeck) {
    Cards({"a", "b"});
    deck.SetBody(1, "body of b");
    deck.ClearModified();
    window->Stack().Next();
    EXPECT_EQ(Editor().toPlainText(), "body of b");
    EXPECT_FALSE(deck.Modified());
}

TEST_F(CardEditorTest, TheEditorHoldsWhatTheCardKeeps511Characters) {
    Cards({"a"});
    Type(QString(510, QChar(u'x')));
    Type("yz");  // the 512th is refused: the card could not keep it
    EXPECT_EQ(Editor().StoredLength(), 511);
    EXPECT_EQ(Editor().toPlainText(), QString(510, QChar(u'x')) + "y");
    EXPECT_EQ(deck.Front().Body(), std::string(510, 'x') + "y");
}

TEST_F(CardEditorTest, ALineBreakCountsTwoTowardsTheLimit) {
    Cards({"a"});
    Type(QString(510, QChar(u'x')));
    Key(Qt::Key_Return);  // would make 512 as stored
    EXPECT_EQ(Editor().StoredLength(), 510);
    EXPECT_EQ(Editor().blockCount(), 1);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(deck.Front().Body(), std::string(509, 'x') + "\r\n");
}

TEST_F(CardEditorTest, APasteIsCutToTheLimit) {
    Cards({"a"});
    Type(QString(500, QChar(u'x')));
    QGuiApplication::clipboard()->setText(QString(20, QChar(u'p')));
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Editor().StoredLength(), 511);
    EXPECT_EQ(deck.Front().Body(), std::string(500, 'x') + std::string(11, 'p'));
    EXPECT_EQ(window->Status().Message(), "9 characters did not fit on the card");
}

TEST_F(CardEditorTest, CharactersWithoutAByteShowAndStoreAsQuestionMarks) {
    Cards({"a"});
    TypeText(&Editor(), QString::fromUtf8("caf\u00e9 \u2192 \u20ac"));
    EXPECT_EQ(Editor().toPlainText(), QString::fromUtf8("caf\u00e9 ? \u20ac"));
    EXPECT_EQ(deck.Front().Body(), "caf\xe9 ? \x80");

    QGuiApplication::clipboard()->setText(QString::fromUtf8("\U0001F600!"));
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(deck.Front().Body(), "caf\xe9 ? \x80?!");
    EXPECT_EQ(window->Status().Message(), "1 character could not be stored and became ?");
    // One Undo takes back the paste and its repair together.
    Editor().undo();
    EXPECT_EQ(deck.Front().Body(), "caf\xe9 ? \x80");
}

TEST_F(CardEditorTest, InsertTogglesOvertypeAndTheOvrPane) {
    Cards({"a"});
    StatusPanes& status = window->Status();
    EXPECT_EQ(status.Overtype(), "");
    Key(Qt::Key_Insert);
    EXPECT_EQ(status.Overtype(), "OVR");
    EXPECT_TRUE(Editor().overwriteMode());

    // Held down: the repeats do not toggle it again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&Editor(), &repeat);
    EXPECT_EQ(status.Overtype(), "OVR");

    // The keypad's Ins, Shift+Ins and Ctrl+Ins leave it alone.
    Key(Qt::Key_Insert, Qt::KeypadModifier);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(status.Overtype(), "OVR");

    Key(Qt::Key_Insert);
    EXPECT_EQ(status.Overtype(), "");
    EXPECT_FALSE(Editor().overwriteMode());
}

TEST_F(CardEditorTest, CtrlBStepsThroughBankAndBird) {
    Cards({"apple", "avocado", "bank", "Bird", "cherry"});
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(deck.Front().Index(), "bank");
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(deck.Front().Index(), "Bird");
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(deck.Front().Index(), "bank");
    EXPECT_EQ(Editor().toPlainText(), "") << "Ctrl+letter never edits";
}

TEST_F(CardEditorTest, CtrlLetterWithTheOnlyMatchAtTheFrontMovesNothing) {
    Cards({"apple", "bank", "cherry"});
    window->Stack().BringToFront(1);
    Type("kept");
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(deck.Front().Index(), "bank");
    EXPECT_EQ(Editor().toPlainText(), "kept");
    Key(Qt::Key_Z, Qt::ControlModifier);  // no card begins with z
    EXPECT_EQ(deck.Front().Index(), "bank");
    EXPECT_EQ(deck.Front().Body(), "kept");
}

TEST_F(CardEditorTest, EditsReachTheCardBeforeCtrlLetterTurnsTheRing) {
    Cards({"apple", "bank"});
    Type("abc");
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete);
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(deck.Front().Index(), "bank");
    EXPECT_EQ(deck.At(1).Body(), "bc");
}

TEST_F(CardEditorTest, TheCardMenuListsTheRingAndBringsTheChoiceToTheFront) {
    Cards({"a", "b", "c"});
    Type("xyz");
    Key(Qt::Key_Left);
    const int caret = Editor().textCursor().position();
    QTest::mouseClick(Editor().viewport(), Qt::RightButton, {}, QPoint(50, 20));
    CardMenu* menu = window->Stack().OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Editor().textCursor().position(), caret) << "the right click leaves the caret";
    QAbstractItemModel* model = menu->View()->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), "a");
    EXPECT_EQ(model->index(2, 0).data().toString(), "c");

    // The keyboard opens it too, on the front card's entry.
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        menu->close();
        Key(key.key(), key.keyboardModifiers());
        menu = window->Stack().OpenMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->View()->CurrentRow(), 0);
        EXPECT_TRUE(menu->View()->hasFocus());
    }
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(menu->View());
    ASSERT_EQ(rows->childCount(), 3);
    EXPECT_EQ(rows->child(2)->text(QAccessible::Name), "c");
    EXPECT_EQ(rows->focusChild(), rows->child(0));
    const QRect third = menu->View()->visualRect(2);
    QTest::mouseClick(menu->View()->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(deck.Front().Index(), "c");
    EXPECT_EQ(deck.At(1).Body(), "xyz") << "the edit stayed with card a";
    TABULA_TRY_VERIFY(window->Stack().OpenMenu() == nullptr);
}

TEST_F(CardEditorTest, TheCardMenuOfALargeDeckReachesItsLastCard) {
    Open();
    constexpr int kCards = 200000;  // the benchmarks take it to a million
    for (int i = 0; i < kCards; ++i) {
        deck.CreateCard("card " + std::to_string(i));
    }
    deck.SortCards();
    window->Stack().RefreshStack();
    window->Stack().OpenCardMenu(window->mapToGlobal(QPoint(10, 10)));
    CardMenu* menu = window->Stack().OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->View()->model()->rowCount(), kCards);
    const std::string last(deck.At(kCards - 1).Index());
    QTest::keyClick(menu->View(), Qt::Key_End);
    EXPECT_FALSE(menu->View()->visualRect(kCards - 1).isEmpty()) << "scrolled to the last card";
    QTest::keyClick(menu->View(), Qt::Key_Return);
    EXPECT_EQ(deck.Front().Index(), last);
    EXPECT_EQ(last, "card 99999");
}

}  // namespace
}  // namespace tabula::test
