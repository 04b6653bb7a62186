#include "commands/card_commands.h"

#include <QTextCursor>
#include <array>
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

// Each row: cards|front|command|typed|ring after|* if changed|message/caption. Typed "-" cancels
// the Index dialog; Y or N answers the Delete question.
TEST_F(CardCommandsTest, EachStepLeavesItsRingFlagAndMessage) {
    // clang-format off
    const char* rows[] = {
        "|0|A|apple|apple|*|", "|0|A||||Did Not Create Card/Tabula Warning", "a|0|A|-|a||",
        "a c|0|A|b|b c a|*|", "apple|0|A|Apple|apple Apple|*|", "a m x|1|I|b|b x a|*|",
        "m x|1|I|a|a m|*|", "m|0|I|-|m|*|", "m|0|I||m|*|Did Not Change Text/Tabula Warning",
        "Zed Carl Arles Axab bobby|4|G|ar|Arles Axab bobby Carl Zed||",
        "Zed Carl Arles Axab bobby|4|G|ab|Axab bobby Carl Zed Arles||",
        "Zed Carl Arles Axab bobby|0|G|BOB|bobby Carl Zed Arles Axab||",
        "Bravo alpha|1|G|b|Bravo alpha||\"b\" Not Found/Tabula Warning",
        "a b|0|G||a b||Text Not Found/Tabula Warning...",
        "solo|0|D|Y||*|Delete \"solo\" ?/Delete Card",
        "a b c|0|D|N|a b c||Delete \"a\" ?/Delete Card",
        "a b c|0|D|Y|b c|*|Delete \"a\" ?/Delete Card"};
    // clang-format on
    for (const QString row : rows) {
        SCOPED_TRACE(row.toStdString());
        const QStringList f = row.split('|');
        std::istringstream words(f[0].toStdString());
        deck.ClearDeck(), Cards({std::istream_iterator<std::string>(words), {}});
        window->Stack().BringToFront(f[1].toInt()), deck.ClearModified(), prompts = {};
        const int k = QStringLiteral("IAG").indexOf(f[2]);  // as IndexMode counts, -1: Delete
        // The Index dialog opens with the front card's index, the others empty.
        QString want = f[4] + '|' + f[5] + '|' + f[6] + (k < 0 ? "" : QString::number(k));
        want += k == 0 ? QString::fromStdString(std::string(deck.Front().Index())) : "";
        k < 0 ? prompts.AnswerMessage(f[3] == "Y" ? Answer::kYes : Answer::kNo)
              : prompts.AnswerIndex(f[3] == "-" ? std::nullopt : std::optional(f[3].toStdString()));
        Trigger(k < 0 ? CommandId::kDelete
                      : std::array{CommandId::kIndex, CommandId::kAdd, CommandId::kGoTo}[k]);
        QString said = QString::fromStdString(test::Ring(deck)).replace('|', ' ') + '|' +
                       (deck.Modified() ? "*" : "") + '|';
        for (const auto& m : prompts.messages) {
            const bool ok = m.icon == (k < 0 ? MessageIcon::kQuestion : MessageIcon::kWarning) &&
                            m.buttons == (k < 0 ? MessageButtons::kYesNo : MessageButtons::kOk);
            said += m.text + '/' + m.caption + (ok ? "" : " (wrong icon or buttons)");
        }
        for (const auto& r : prompts.index_requests) {
            said += QString::number(int(r.mode)) + QString::fromStdString(r.text);
        }
        EXPECT_EQ(said, want);
    }
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

// Cut, Paste and an Undo that changes the text mark the deck; Copy and an empty Undo not.
TEST_F(CardCommandsTest, TheEditCommandsStoreTheTextAndMarkTheDeck) {
    UseCards({{"apple", "red fruit"}}),
        Editor().moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    std::string got;
    const auto step = [&](CommandId id) {
        Trigger(id), got += std::string(deck.Front().Body()) + (deck.Modified() ? "* " : " ");
        deck.ClearModified();
    };
    step(CommandId::kCut), Editor().selectAll(), step(CommandId::kCopy);
    Editor().moveCursor(QTextCursor::End), step(CommandId::kPaste);
    step(CommandId::kUndo);  // closing now would lose the text the card holds
    window->Stack().RefreshStack(), UndoEdit(Editor(), deck);  // loaded afresh: nothing to undo
    EXPECT_EQ(got + std::string(deck.Front().Body()) + (deck.Modified() ? "*" : ""),
              "fruit* fruit fruitfruit* fruit* fruit");
}

// A 42-byte index from a file, with no terminator, is matched up to its last byte and no further.
TEST(GoToMatchTest, AnUnterminatedIndexIsMatchedUpToItsLastByte) {
    Deck deck;
    FillDeck(deck, {"a", "\311clair"});
    deck.CreateCard(std::make_unique<Card>((std::string(40, 'q') + "zw").data(),
                                           std::string(kBodyFieldSize, '\0').data(), 0));
    deck.SortCards();
    // Accents have capitals; the sorted deck is a, the long index, \311clair.
    EXPECT_EQ(std::tuple(FindGoToMatch(deck, "qZW"), FindGoToMatch(deck, "qzwa"),
                         FindGoToMatch(deck, "\351CL")),
              std::tuple(1, -1, 2));
}

}  // namespace
}  // namespace tabula::test
