#include "commands/card_commands.h"

#include <QTest>
#include <QTextCursor>
#include <iterator>
#include <sstream>

#include "commands/edit_commands.h"
#include "commands/go_to_match.h"
#include "deck/card.h"
#include "gui_support/deck_files_fixture.h"
#include "gui_support/wait_for.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

using CardCommandsTest = DeckFilesTest;

std::string Join(const std::vector<std::string>& indexes) {
    std::string text;
    for (const std::string& index : indexes) {
        text += (text.empty() ? "" : " ") + index;
    }
    return text;
}

// Add, Index, Go To and Delete: the deck before (front card), the step, the deck, flag and
// message after.
TEST_F(CardCommandsTest, EachStepLeavesItsRingFlagAndMessage) {
    const struct {
        const char* cards;
        int front;
        CommandId id;
        const char* typed;  // null: the Index dialog cancelled; Y or N at the Delete question
        const char* ring;
        bool modified;
        QString message;
    } rows[] = {
        {"", 0, CommandId::kAdd, "apple", "apple", true, {}},
        {"", 0, CommandId::kAdd, "", "", false, "Did Not Create Card"},
        {"a", 0, CommandId::kAdd, nullptr, "a", false, {}},
        {"a c", 0, CommandId::kAdd, "b", "b c a", true, {}},
        {"apple", 0, CommandId::kAdd, "Apple", "apple Apple", true, {}},
        {"a m x", 1, CommandId::kIndex, "b", "b x a", true, {}},
        {"m x", 1, CommandId::kIndex, "a", "a m", true, {}},
        {"m", 0, CommandId::kIndex, nullptr, "m", true, {}},  // marked all the same
        {"m", 0, CommandId::kIndex, "", "m", true, "Did Not Change Text"},
        {"Zed Carl Arles Axab bobby",
         4,
         CommandId::kGoTo,
         "ar",
         "Arles Axab bobby Carl Zed",
         false,
         {}},
        {"Zed Carl Arles Axab bobby",
         4,
         CommandId::kGoTo,
         "ab",
         "Axab bobby Carl Zed Arles",
         false,
         {}},
        {"Zed Carl Arles Axab bobby",
         0,
         CommandId::kGoTo,
         "BOB",
         "bobby Carl Zed Arles Axab",
         false,
         {}},
        {"Bravo alpha", 1, CommandId::kGoTo, "b", "Bravo alpha", false, "\"b\" Not Found"},
        {"a b", 0, CommandId::kGoTo, "", "a b", false, "Text Not Found"},
        {"a b c", 0, CommandId::kDelete, "N", "a b c", false, "Delete \"a\" ?"},
        {"a b c", 0, CommandId::kDelete, "Y", "b c", true, "Delete \"a\" ?"},
        {"solo", 0, CommandId::kDelete, "Y", "", true, "Delete \"solo\" ?"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.cards << " / " << (row.typed ? row.typed : "-"));
        deck.ClearDeck();
        std::istringstream cards(row.cards);
        Cards({std::istream_iterator<std::string>(cards), {}});
        window->Stack().BringToFront(row.front);
        deck.ClearModified();
        prompts.messages.clear();
        prompts.index_requests.clear();
        const std::string before(deck.Count() ? deck.Front().Index() : "");
        const bool del = row.id == CommandId::kDelete;
        if (del) {
            prompts.AnswerMessage(row.typed == std::string("Y") ? Answer::kYes : Answer::kNo);
        } else {
            prompts.AnswerIndex(row.typed ? std::optional<std::string>(row.typed) : std::nullopt);
        }
        Trigger(row.id);
        EXPECT_EQ(Join(Ring()), row.ring);
        EXPECT_EQ(deck.Modified(), row.modified);
        if (!del) {
            ASSERT_EQ(prompts.index_requests.size(), 1u);
            EXPECT_EQ(prompts.index_requests[0].mode,
                      row.id == CommandId::kAdd     ? IndexMode::kAddCard
                      : row.id == CommandId::kIndex ? IndexMode::kEditIndex
                                                    : IndexMode::kGoTo);
            EXPECT_EQ(prompts.index_requests[0].text, row.id == CommandId::kIndex ? before : "");
        }
        ASSERT_EQ(prompts.messages.size(), row.message.isEmpty() ? 0u : 1u);
        if (!row.message.isEmpty()) {
            const auto& shown = prompts.messages[0];
            EXPECT_EQ(shown.text, row.message);
            EXPECT_EQ(shown.caption, del                               ? "Delete Card"
                                     : row.message == "Text Not Found" ? "Tabula Warning..."
                                                                       : "Tabula Warning");
            EXPECT_EQ(shown.icon, del ? MessageIcon::kQuestion : MessageIcon::kWarning);
            EXPECT_EQ(shown.buttons, del ? MessageButtons::kYesNo : MessageButtons::kOk);
        }
    }
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

// Cut, Paste and an Undo that changes the text mark the deck; Copy and an empty Undo not.
TEST_F(CardCommandsTest, TheEditCommandsStoreTheTextAndMarkTheDeck) {
    UseCards({{"apple", "red fruit"}});
    Editor().moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    Trigger(CommandId::kCut);
    EXPECT_EQ(deck.Front().Body(), "fruit");
    EXPECT_TRUE(deck.Modified());
    deck.ClearModified();
    Editor().selectAll();
    Trigger(CommandId::kCopy);
    EXPECT_FALSE(deck.Modified());
    Editor().moveCursor(QTextCursor::End);
    Trigger(CommandId::kPaste);
    EXPECT_EQ(deck.Front().Body(), "fruitfruit");
    EXPECT_TRUE(deck.Modified());
    deck.ClearModified();
    Trigger(CommandId::kUndo);
    EXPECT_EQ(deck.Front().Body(), "fruit");
    EXPECT_TRUE(deck.Modified()) << "closing now would lose the text the card holds";
    window->Stack().RefreshStack();  // a card loaded afresh: nothing to take back
    deck.ClearModified();
    UndoEdit(Editor(), deck);
    EXPECT_EQ(deck.Front().Body(), "fruit");
    EXPECT_FALSE(deck.Modified());
}

// A 42-byte index from a file, with no terminator, is matched up to its last byte and no further.
TEST(GoToMatchTest, AnUnterminatedIndexIsMatchedUpToItsLastByte) {
    Deck deck;
    FillDeck(deck, {"a", "\311clair"});
    const std::string field = std::string(40, 'q') + "zw";
    const std::string body(kBodyFieldSize, '\0');
    deck.CreateCard(std::make_unique<Card>(field.data(), body.data(), 0));
    deck.SortCards();
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "qZW")).Index(), field);
    EXPECT_EQ(FindGoToMatch(deck, "qzwa"), -1);
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "\351CL")).Index(), "\311clair")
        << "accents have capitals";
}

}  // namespace
}  // namespace tabula::test
