#include "commands/card_commands.h"
#include "gui_support/wait_for.h"

#include <QAction>
#include <QTest>

#include "gui_support/main_window_fixture.h"
#include "stack/card_editor.h"
#include "stack/front_card_window.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;

class CardCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void ExpectOneWarning(const QString& text, const QString& caption) {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, text);
        EXPECT_EQ(prompts.messages[0].caption, caption);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kWarning);
        EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kOk);
    }
};

TEST_F(CardCommandsTest, AddToAnEmptyDeck) {
    prompts.AnswerIndex("apple");
    Trigger(CommandId::kAdd);
    ASSERT_EQ(prompts.index_requests.size(), 1u);
    EXPECT_EQ(prompts.index_requests[0].mode, IndexMode::kAddCard);
    EXPECT_EQ(prompts.index_requests[0].text, "");
    EXPECT_EQ(Ring(), Strings{"apple"});
    EXPECT_EQ(deck.Front().Body(), "");
    EXPECT_TRUE(deck.Modified());
    EXPECT_TRUE(Front().isVisible());
    TABULA_TRY_VERIFY(Editor().hasFocus());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CardCommandsTest, AddWithAnEmptyLineCreatesNothing) {
    prompts.AnswerIndex("");
    Trigger(CommandId::kAdd);
    ExpectOneWarning("Did Not Create Card", "Tabula Warning");
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(deck.Modified());
    EXPECT_FALSE(Front().isVisible());
}

TEST_F(CardCommandsTest, AddCancelledChangesNothing) {
    Cards({"a"});
    deck.ClearModified();
    prompts.AnswerIndex(std::nullopt);
    Trigger(CommandId::kAdd);
    EXPECT_EQ(Ring(), Strings{"a"});
    EXPECT_FALSE(deck.Modified());
}

TEST_F(CardCommandsTest, AddBringsTheNewCardToItsPlaceAtTheFront) {
    Cards({"a", "c"});
    prompts.AnswerIndex("b");
    Trigger(CommandId::kAdd);
    EXPECT_EQ(Ring(), (Strings{"b", "c", "a"}));
    const std::string index41(41, 'k');
    prompts.AnswerIndex(index41);
    Trigger(CommandId::kAdd);
    EXPECT_EQ(deck.Front().Index(), index41);
}

TEST_F(CardCommandsTest, AddingApple_toApple_keepsBothWithTheOlderAtTheFront) {
    Cards({"apple"});
    deck.SetBody(0, "old");
    prompts.AnswerIndex("Apple");
    Trigger(CommandId::kAdd);
    EXPECT_EQ(Ring(), (Strings{"apple", "Apple"}));
    EXPECT_EQ(Editor().toPlainText(), "old");
}

TEST_F(CardCommandsTest, IndexMovesTheCardToItsPlace) {
    Cards({"m", "x", "a"});
    window->Stack().BringToFront(1);  // ring m, x, a
    ASSERT_EQ(Ring(), (Strings{"m", "x", "a"}));
    prompts.AnswerIndex("b");
    Trigger(CommandId::kIndex);
    ASSERT_EQ(prompts.index_requests.size(), 1u);
    EXPECT_EQ(prompts.index_requests[0].mode, IndexMode::kEditIndex);
    EXPECT_EQ(prompts.index_requests[0].text, "m");
    // Three cards in, three out: the re-indexed card leads.
    EXPECT_EQ(Ring(), (Strings{"b", "x", "a"}));
    EXPECT_TRUE(deck.Modified());
}

TEST_F(CardCommandsTest, IndexToTheFirstPlaceComesToTheFront) {
    Cards({"m", "x"});
    window->Stack().BringToFront(1);
    prompts.AnswerIndex("a");
    Trigger(CommandId::kIndex);
    EXPECT_EQ(Ring(), (Strings{"a", "m"}));
}

TEST_F(CardCommandsTest, IndexCancelledFromTheMenuStillMarksTheDeck) {
    Cards({"m"});
    deck.ClearModified();
    prompts.AnswerIndex(std::nullopt);
    Trigger(CommandId::kIndex);
    EXPECT_EQ(Ring(), Strings{"m"});
    EXPECT_TRUE(deck.Modified());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CardCommandsTest, IndexWithAnEmptyLineKeepsTheIndex) {
    Cards({"m"});
    deck.ClearModified();
    prompts.AnswerIndex("");
    Trigger(CommandId::kIndex);
    ExpectOneWarning("Did Not Change Text", "Tabula Warning");
    EXPECT_EQ(Ring(), Strings{"m"});
    EXPECT_TRUE(deck.Modified());
}

TEST_F(CardCommandsTest, GoToFindsByTheFirstLetterAndTheText) {
    Cards({"Zed", "Carl", "Arles", "Axab", "bobby"});
    window->Stack().BringToFront(4);  // Zed at the front
    prompts.AnswerIndex("ar");
    Trigger(CommandId::kGoTo);
    EXPECT_EQ(deck.Front().Index(), "Arles");
    EXPECT_EQ(prompts.index_requests.back().mode, IndexMode::kGoTo);

    prompts.AnswerIndex("ab");
    Trigger(CommandId::kGoTo);
    EXPECT_EQ(deck.Front().Index(), "Axab");

    prompts.AnswerIndex("BOB");
    Trigger(CommandId::kGoTo);
    EXPECT_EQ(deck.Front().Index(), "bobby");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CardCommandsTest, GoToNeverLooksAtTheFrontCard) {
    Cards({"Bravo", "alpha"});
    window->Stack().BringToFront(1);
    prompts.AnswerIndex("b");
    Trigger(CommandId::kGoTo);
    ExpectOneWarning("\"b\" Not Found", "Tabula Warning");
    EXPECT_EQ(deck.Front().Index(), "Bravo");
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

TEST_F(CardCommandsTest, GoToWithAnEmptyLine) {
    Cards({"a", "b"});
    prompts.AnswerIndex("");
    Trigger(CommandId::kGoTo);
    ExpectOneWarning("Text Not Found", "Tabula Warning...");
    EXPECT_EQ(deck.Front().Index(), "a");
}

TEST_F(CardCommandsTest, DeleteAsksFirst) {
    Cards({"a", "b", "c"});
    deck.ClearModified();
    prompts.AnswerMessage(Answer::kNo);
    Trigger(CommandId::kDelete);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Delete \"a\" ?");
    EXPECT_EQ(prompts.messages[0].caption, "Delete Card");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::kQuestion);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kYesNo);
    EXPECT_EQ(Ring(), (Strings{"a", "b", "c"}));
    EXPECT_FALSE(deck.Modified());

    prompts.AnswerMessage(Answer::kYes);
    Trigger(CommandId::kDelete);
    EXPECT_EQ(Ring(), (Strings{"b", "c"}));
    EXPECT_TRUE(deck.Modified());
    EXPECT_EQ(Editor().toPlainText(), "");
}

TEST_F(CardCommandsTest, DeletingTheOnlyCardEmptiesTheStack) {
    Cards({"solo"});
    prompts.AnswerMessage(Answer::kYes);
    Trigger(CommandId::kDelete);
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(Front().isVisible());
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kDelete)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::kIndex)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::kGoTo)->isEnabled());
    EXPECT_TRUE(window->Action(CommandId::kAdd)->isEnabled());
}

TEST_F(CardCommandsTest, ClipboardCommandsFollowTheEditor) {
    Cards({"a"});
    QTest::keyClicks(&Editor(), "hello");
    window->UpdateActions();
    EXPECT_FALSE(window->Action(CommandId::kCut)->isEnabled());
    EXPECT_TRUE(window->Action(CommandId::kUndo)->isEnabled());
    QTest::keyClick(&Editor(), Qt::Key_Left, Qt::ShiftModifier);
    deck.ClearModified();
    Trigger(CommandId::kCut);
    EXPECT_EQ(deck.Front().Body(), "hell");
    EXPECT_TRUE(deck.Modified());
    Trigger(CommandId::kPaste);
    Trigger(CommandId::kPaste);
    EXPECT_EQ(deck.Front().Body(), "helloo");
    deck.ClearModified();
    Trigger(CommandId::kUndo);
    EXPECT_EQ(deck.Front().Body(), "hello");
    EXPECT_TRUE(deck.Modified()) << "the card's text changed";
}

}  // namespace
}  // namespace tabula::test
