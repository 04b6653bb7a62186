#include "commands/find_command.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <functional>

#include "gui_support/main_window_fixture.h"
#include "gui_support/typing.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

// Processes events until the condition holds; false when it never does. (QTRY_* report to
// QTest's own log, which a GoogleTest run never reads.)
bool Soon(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition);
}

class FindCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Cards with these indexes and bodies; the smallest index is at the front.
    void Bodies(const std::vector<std::pair<std::string, std::string>>& cards) {
        std::vector<std::string> indexes;
        for (const auto& card : cards) {
            indexes.push_back(card.first);
        }
        Cards(indexes);
        for (const auto& [index, body] : cards) {
            for (int k = 0; k < deck.Count(); ++k) {
                if (deck.At(k).Index() == index) {
                    deck.SetBody(k, body);
                }
            }
        }
        window->Stack().RefreshStack();
        deck.ClearModified();
    }

    FindDialog* Window() { return window->Find().Window(); }

    // Edit > Find, then the text typed into the Find window.
    void FindText(const QString& text) {
        ASSERT_TRUE(Trigger(CommandId::kFind));
        ASSERT_NE(Window(), nullptr);
        ASSERT_TRUE(Window()->isVisible());
        Window()->Edit()->clear();
        QTest::keyClicks(Window()->Edit(), text);
    }

    void FindNext() {
        ASSERT_NE(Window(), nullptr);
        QTest::mouseClick(Window()->FindNextButton(), Qt::LeftButton);
    }

    // The editor's selection: start, end and text.
    struct Selection {
        int start;
        int end;
        QString text;
        bool operator==(const Selection&) const = default;
    };
    Selection Selected() {
        const QTextCursor cursor = Editor().textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd(), cursor.selectedText()};
    }

    void ExpectEndOfSelection(std::size_t messages = 1) {
        ASSERT_EQ(prompts.messages.size(), messages);
        EXPECT_EQ(prompts.messages.back().text, "End of Selection");
        EXPECT_EQ(prompts.messages.back().caption, "Tabula Info");
        EXPECT_EQ(prompts.messages.back().icon, MessageIcon::kWarning);
        EXPECT_EQ(prompts.messages.back().buttons, MessageButtons::kOk);
    }

    void SelectInEditor(int start, int end) {
        QTextCursor cursor = Editor().textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Editor().setTextCursor(cursor);
    }
};

TEST_F(FindCommandTest, TwoHitsInTheFrontCardThenTheThirdCardThenTheEnd) {
    Bodies({{"a", "fox and Fox"}, {"b", "dog"}, {"c", "a FOX"}, {"d", "cat"}});
    FindText("fox");
    EXPECT_EQ(Window()->windowTitle(), "Find");

    FindNext();
    EXPECT_EQ(deck.Front().Index(), "a");
    EXPECT_EQ(Selected(), (Selection{0, 3, "fox"}));
    EXPECT_TRUE(Soon([&] { return Editor().hasFocus(); }));

    FindNext();
    EXPECT_EQ(deck.Front().Index(), "a");
    EXPECT_EQ(Selected(), (Selection{8, 11, "Fox"}));

    FindNext();
    EXPECT_EQ(Ring(), (std::vector<std::string>{"c", "d", "a", "b"}));
    EXPECT_EQ(Editor().toPlainText(), "a FOX");
    EXPECT_EQ(Selected(), (Selection{2, 5, "FOX"}));
    EXPECT_TRUE(prompts.messages.empty());

    FindNext();
    ExpectEndOfSelection();
    EXPECT_EQ(deck.Front().Index(), "c");
    EXPECT_EQ(Selected(), (Selection{2, 5, "FOX"})) << "the last hit stays selected";
    FindNext();
    ExpectEndOfSelection(2);
    EXPECT_FALSE(deck.Modified()) << "searching changes nothing";
}

TEST_F(FindCommandTest, EnterInTheFindWindowIsFindNext) {
    Bodies({{"a", "aaaa"}});
    FindText("aa");
    QTest::keyClick(Window()->Edit(), Qt::Key_Return);
    EXPECT_EQ(Selected(), (Selection{0, 2, "aa"}));
    Window()->activateWindow();
    QTest::keyClick(Window()->Edit(), Qt::Key_Return);
    EXPECT_EQ(Selected(), (Selection{2, 4, "aa"})) << "hits never overlap";
    QTest::keyClick(Window()->Edit(), Qt::Key_Return);
    ExpectEndOfSelection();
}

TEST_F(FindCommandTest, MatchCaseWholeWordAndUpChangeNothing) {
    Bodies({{"a", "Cat"}, {"b", "concatenate"}, {"c", "CAT"}});
    FindText("cat");
    Window()->MatchCase()->setChecked(true);
    Window()->WholeWord()->setChecked(true);
    Window()->Up()->setChecked(true);
    FindNext();
    EXPECT_EQ(Selected().text, "Cat");
    FindNext();
    EXPECT_EQ(deck.Front().Index(), "b");
    EXPECT_EQ(Selected(), (Selection{3, 6, "cat"}));
    FindNext();
    EXPECT_EQ(Selected().text, "CAT");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FindCommandTest, TheFrontCardsPredecessorIsSearchedLast) {
    Bodies({{"a", "x"}, {"b", "x"}, {"c", "x"}, {"d", "x"}});
    window->Stack().BringToFront(2);  // c d a b
    FindText("x");
    std::vector<std::string> fronts;
    for (int i = 0; i < 4; ++i) {
        FindNext();
        fronts.emplace_back(deck.Front().Index());
    }
    EXPECT_EQ(fronts, (std::vector<std::string>{"c", "d", "a", "b"}));
    FindNext();
    ExpectEndOfSelection();
}

TEST_F(FindCommandTest, ATextFoundNowhereReportsTheEndAtOnce) {
    Bodies({{"a", "one"}, {"b", "two"}});
    window->Stack().BringToFront(1);
    SelectInEditor(0, 1);
    FindText("three");
    FindNext();
    ExpectEndOfSelection();
    EXPECT_EQ(deck.Front().Index(), "b");
    EXPECT_EQ(Selected(), (Selection{0, 1, "t"})) << "the editor's selection is left alone";
}

TEST_F(FindCommandTest, ADeckOfOneCard) {
    Bodies({{"solo", "a needle in hay"}});
    FindText("NEEDLE");
    FindNext();
    EXPECT_EQ(Selected(), (Selection{2, 8, "needle"}));
    FindNext();
    ExpectEndOfSelection();
}

TEST_F(FindCommandTest, AHitAfterLineBreaksIsSelectedWhereItStands) {
    // The body holds CR LF and a lone CR; the editor shows each as one line break.
    Bodies({{"a", "one\r\ntwo\rthe fox"}});
    FindText("fox");
    FindNext();
    EXPECT_EQ(Selected().text, "fox");
    EXPECT_EQ(Selected().start, 12);
    EXPECT_EQ(EditorPosition("one\r\ntwo", 8), 7);
    EXPECT_EQ(EditorPosition("\r\n\r\nx", 4), 2);
    EXPECT_EQ(EditorPosition("ab", 1), 1);
}

TEST_F(FindCommandTest, TheEditorsSelectionIsTheInitialText) {
    Bodies({{"a", "the brown fox\r\njumps"}});
    SelectInEditor(4, 13);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->Text(), "brown fox");
    EXPECT_EQ(Window()->Edit()->selectedText(), "brown fox") << "typing replaces it";
    EXPECT_TRUE(Window()->FindNextButton()->isEnabled());
    EXPECT_TRUE(Soon([&] { return Window()->Edit()->hasFocus(); }));
    Window()->close();

    // Across the line break: the one-line field takes the first line.
    SelectInEditor(10, 19);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    EXPECT_EQ(Window()->Text(), "fox");
    Window()->close();

    // Nothing selected: an empty field and Find Next disabled until something is typed.
    SelectInEditor(2, 2);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    EXPECT_EQ(Window()->Text(), "");
    EXPECT_FALSE(Window()->FindNextButton()->isEnabled());
    QTest::keyClicks(Window()->Edit(), "j");
    EXPECT_TRUE(Window()->FindNextButton()->isEnabled());
}

TEST_F(FindCommandTest, TheFindWindowHoldsAt127StorableCharacters) {
    const std::string long_body(300, 'q');
    Bodies({{"a", long_body}});
    SelectInEditor(0, 300);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    EXPECT_EQ(Window()->Text(), QString(127, QChar(u'q')));
    QTest::keyClick(Window()->Edit(), Qt::Key_End);
    QTest::keyClicks(Window()->Edit(), "qq");
    EXPECT_EQ(Window()->Text().size(), 127);

    Window()->Edit()->clear();
    TypeText(Window()->Edit(), QString::fromUtf8("a\u2192b"));
    EXPECT_EQ(Window()->Text(), "a?b") << "what is searched is what is shown";
    EXPECT_TRUE(Window()->Down()->isChecked());
    EXPECT_FALSE(Window()->MatchCase()->isChecked());
    EXPECT_FALSE(Window()->WholeWord()->isChecked());
}

TEST_F(FindCommandTest, FindWhileTheWindowIsOpenBringsItForwardAndStartsANewPass) {
    Bodies({{"a", "x"}, {"b", "x"}, {"c", "x"}});
    FindText("x");
    FindDialog* first = Window();
    FindNext();
    FindNext();
    ASSERT_EQ(deck.Front().Index(), "b");

    window->activateWindow();
    EXPECT_TRUE(Soon([&] { return window->isActiveWindow(); }));
    SelectInEditor(0, 0);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    EXPECT_EQ(Window(), first) << "one Find window at a time";
    EXPECT_EQ(window->findChildren<FindDialog*>().size(), 1);
    EXPECT_TRUE(Soon([&] { return first->isActiveWindow(); }));
    EXPECT_EQ(Window()->Text(), "x") << "without a selection the typed text stays";
    EXPECT_EQ(window->Find().Pass().SearchPosition(), 0);

    // The new pass runs from b, the front card now, round to a.
    std::vector<std::string> fronts;
    for (int i = 0; i < 3; ++i) {
        FindNext();
        fronts.emplace_back(deck.Front().Index());
    }
    EXPECT_EQ(fronts, (std::vector<std::string>{"b", "c", "a"}));
    FindNext();
    ExpectEndOfSelection();

    // With a selection, Find takes it into the open window.
    deck.SetBody(0, "yz");
    window->Stack().RefreshStack();
    SelectInEditor(0, 2);
    ASSERT_TRUE(Trigger(CommandId::kFind));
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(Window()->Text(), "yz");
}

TEST_F(FindCommandTest, ACardDeletedWhileTheWindowIsOpenIsSkipped) {
    Bodies({{"a", "x"}, {"b", "x"}, {"c", "x x"}, {"d", "x"}});
    FindText("x");
    FindNext();  // a
    // The user deletes b and then c, the card after it, which comes to the front.
    window->Stack().BringToFront(1);
    prompts.AnswerMessage(Answer::kYes);
    prompts.AnswerMessage(Answer::kYes);
    Trigger(CommandId::kDelete);
    Trigger(CommandId::kDelete);
    ASSERT_EQ(Ring(), (std::vector<std::string>{"d", "a"}));
    prompts.messages.clear();

    FindNext();
    EXPECT_EQ(deck.Front().Index(), "d");
    EXPECT_EQ(Selected(), (Selection{0, 1, "x"}));
    FindNext();
    ExpectEndOfSelection();
}

TEST_F(FindCommandTest, ACardAddedWhileTheWindowIsOpenIsNotSearched) {
    Bodies({{"a", "x"}, {"c", "x"}});
    FindText("x");
    FindNext();  // a
    prompts.AnswerIndex("b");
    Trigger(CommandId::kAdd);
    TypeText(&Editor(), "x");
    ASSERT_EQ(deck.Front().Body(), "x");
    FindNext();
    EXPECT_EQ(deck.Front().Index(), "c");
    FindNext();
    ExpectEndOfSelection();
}

TEST_F(FindCommandTest, FindNextOnAnEmptyDeckDoesNothing) {
    Bodies({{"a", "x"}});
    FindText("x");
    prompts.AnswerMessage(Answer::kYes);
    Trigger(CommandId::kDelete);
    ASSERT_EQ(deck.Count(), 0);
    prompts.messages.clear();
    FindNext();
    EXPECT_TRUE(prompts.messages.empty());
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kFind)->isEnabled());
}

TEST_F(FindCommandTest, ClosingTheFindWindowGivesTheEditorTheFocus) {
    Bodies({{"a", "x"}});
    FindText("x");
    EXPECT_TRUE(Soon([&] { return Window()->isActiveWindow(); }));
    QTest::mouseClick(Window()->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(Soon([&] { return Window() == nullptr; }));
    EXPECT_TRUE(Soon([&] { return Editor().hasFocus(); }));

    FindText("x");
    QTest::keyClick(Window()->Edit(), Qt::Key_Escape);
    EXPECT_TRUE(Soon([&] { return Window() == nullptr; }));
    EXPECT_TRUE(Soon([&] { return Editor().hasFocus(); }));
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace tabula::test
