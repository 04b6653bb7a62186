#include "stack/card_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "app/status_panes.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/typing.h"
#include "gui_support/wait_for.h"
#include "stack/card_menu.h"

namespace tabula::test {
namespace {

class CardEditorTest : public MainWindowTest {
  protected:
    void Type(const QString& text) { QTest::keyClicks(&Editor(), text); }
    void Key(QKeyCombination key) {
        QTest::keyClick(&Editor(), key.key(), key.keyboardModifiers());
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::SHIFT | Qt::Key_Insert);
    }
    std::string Body() const { return std::string(deck.Front().Body()); }
};

// A card keeps 511 bytes, and a line break takes two of them.
TEST_F(CardEditorTest, TypingIsStoredAtOnceUpToWhatTheCardKeeps) {
    Cards({"a", "b"});
    deck.ClearModified();
    Type(QString(509, u'x'));
    Key(Qt::Key_Return);
    Type("y");  // no room
    EXPECT_EQ(Body() + (deck.Modified() ? "*" : ""), std::string(509, 'x') + "\r\n*");
    Key(Qt::Key_Backspace);
    Type("y");
    Key(Qt::Key_Return);  // no room
    Type("zz");
    EXPECT_EQ(Body() + "|" + std::string(deck.At(1).Body()), std::string(509, 'x') + "yz|");

    Editor().selectAll();
    Type(QString(500, u'x'));
    Paste(QString(20, u'p'));
    EXPECT_EQ(
        Body() + window->Status().Message().toStdString(),
        std::string(500, 'x') + std::string(11, 'p') + "9 characters did not fit on the card");

    Editor().selectAll();
    TypeText(&Editor(), QString::fromUtf8("caf\u00e9 \u2192 \u20ac"));
    EXPECT_EQ(Editor().toPlainText(), QString::fromUtf8("caf\u00e9 ? \u20ac"));
    Paste(QString::fromUtf8("\U0001F600!"));
    EXPECT_EQ(Body() + window->Status().Message().toStdString(),
              "caf\xe9 ? \x80?!1 character could not be stored and became ?");
    Editor().undo();  // takes back the paste and its repair together
    EXPECT_EQ(Body(), "caf\xe9 ? \x80");

    deck.ClearModified();
    window->Stack().Next();  // loading a card is no change
    EXPECT_FALSE(deck.Modified());
}

// Every key marks the deck but the menus' own, and none of these changes the text; Insert
// toggles overtype, but not when held or with a modifier.
TEST_F(CardEditorTest, KeysMarkTheDeckInsertTogglesOvertypeAndCtrlLetterTurnsTheRing) {
    Cards({"a"});
    Type("text");
    // clang-format off
    const std::pair<QKeyCombination, bool> keys[] = {{Qt::Key_Right, true}, {Qt::Key_Shift, true},
        {Qt::Key_Alt, false}, {Qt::ALT | Qt::Key_F4, false}, {Qt::Key_F10, false}};
    // clang-format on
    for (const auto& [key, marks] : keys) {
        Editor().setFocus();
        deck.ClearModified();
        Key(key);
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->close();
        }
        EXPECT_EQ(deck.Modified(), marks) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(Body(), "text");

    Key(Qt::Key_Insert);
    const QString ovr = window->Status().Overtype();
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&Editor(), &repeat);
    Key(Qt::KeypadModifier | Qt::Key_Insert);
    Key(Qt::CTRL | Qt::Key_Insert);
    EXPECT_TRUE(Editor().overwriteMode());
    Key(Qt::Key_Insert);
    EXPECT_EQ(ovr + window->Status().Overtype() + (Editor().overwriteMode() ? "on" : ""), "OVR");

    // Ctrl+letter goes on to the next card whose index begins with the letter, in either case;
    // the edits made so far stay with their card. The card menu lists the ring and brings the
    // choice to the front.
    deck.RemoveFrontCard();
    Cards({"apple", "avocado", "bank", "Bird", "cherry"});
    Type("kept");
    // C is the only match, then at the front: nothing moves; Z has none; none edits.
    std::string fronts;
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_B, Qt::Key_B, Qt::Key_C, Qt::Key_C, Qt::Key_Z}) {
        Key(Qt::CTRL | key);
        fronts += std::string(deck.Front().Index()) + ' ';
    }
    EXPECT_EQ(fronts + std::string(deck.At(1).Body()) + Editor().toPlainText().toStdString(),
              "bank Bird bank cherry cherry cherry kept");

    Type("xyz");
    QTest::mouseClick(Editor().viewport(), Qt::RightButton, {}, QPoint(50, 20));
    ASSERT_NE(window->Stack().OpenMenu(), nullptr);
    window->Stack().OpenMenu()->close();
    Key(Qt::Key_Menu);
    CardMenu* menu = window->Stack().OpenMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->View()->model()->rowCount(), 5);
    EXPECT_EQ(menu->View()->model()->index(2, 0).data().toString() +
                  QString::number(menu->View()->CurrentRow()),
              "avocado0");
    QTest::mouseClick(menu->View()->viewport(), Qt::LeftButton, {},
                      menu->View()->visualRect(2).center());
    EXPECT_EQ(std::string(deck.Front().Index()) + "|" + std::string(deck.At(3).Body()),
              "avocado|xyz");
    TABULA_TRY_VERIFY(window->Stack().OpenMenu() == nullptr);
}

}  // namespace
}  // namespace tabula::test
