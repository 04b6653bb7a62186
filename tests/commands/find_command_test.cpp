#include "commands/find_command.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include "commands/find_pass.h"
#include "deck/card.h"
#include "gui_support/deck_files_fixture.h"
#include "gui_support/typing.h"
#include "gui_support/wait_for.h"
#include "stack/card_editor.h"

namespace tabula::test {
namespace {

using Strings = std::vector<std::string>;

class FindCommandTest : public DeckFilesTest {
  protected:
    FindDialog* Window() { return window->Find().Window(); }
    void FindText(const QString& text) {
        ASSERT_TRUE(Trigger(CommandId::kFind));
        Window()->Edit()->clear(), QTest::keyClicks(Window()->Edit(), text);
    }
    void FindNext() { QTest::mouseClick(Window()->FindNextButton(), Qt::LeftButton); }
    // Find Next n times: after each, the front card, the selection's start and text, and a !
    // for every "End of Selection" shown so far.
    Strings Next(int n) {
        Strings hits;
        for (int i = 0; i < n; ++i) {
            const QTextCursor c = (FindNext(), Editor().textCursor());
            hits.push_back(
                std::string(deck.Front().Index()) + " " + std::to_string(c.selectionStart()) + " " +
                c.selectedText().toStdString() + std::string(prompts.messages.size(), '!'));
        }
        return hits;
    }
};

// From the front card round to its predecessor, every hit once, then the end.
TEST_F(FindCommandTest, ThePassRunsFromTheFrontCardHitByHitToItsEnd) {
    UseCards({{"a", "x fox"}, {"b", "fox and Fox"}, {"c", "dog"}, {"d", "one\r\ntwo\rthe fox"}});
    window->Stack().BringToFront(1), deck.ClearModified(), FindText("fox");
    // Match Case, Whole Word and Up are shown but change nothing.
    Window()->MatchCase()->setChecked(true), Window()->WholeWord()->setChecked(true);
    Window()->Up()->setChecked(true);
    EXPECT_EQ(Window()->windowTitle().toStdString() + ' ' + Next(1).at(0), "Find b 0 fox");
    TABULA_TRY_VERIFY(Editor().hasFocus());
    Window()->activateWindow(), QTest::keyClick(Window()->Edit(), Qt::Key_Return);  // Find Next
    // A CR LF and a lone CR are one line break each; at the end the last hit stays selected.
    EXPECT_EQ(Next(4), (Strings{"d 12 fox", "a 2 fox", "a 2 fox!", "a 2 fox!!"}));
    const auto& end = prompts.messages.at(1);
    EXPECT_EQ(std::tie(end.text, end.caption, end.icon),
              std::tuple("End of Selection", "Tabula Info", MessageIcon::kWarning));
    QTest::mouseClick(Window()->CancelButton(), Qt::LeftButton);
    TABULA_TRY_VERIFY(Window() == nullptr && Editor().hasFocus() && !deck.Modified());
}

TEST_F(FindCommandTest, TheFindWindowStartsFromTheEditorsSelection) {
    UseCards({{"a", "the brown fox\r\njumps" + std::string(300, 'q')}});
    const auto from = [&](int start, int end) {
        QTextCursor cursor = Editor().textCursor();
        cursor.setPosition(start), cursor.setPosition(end, QTextCursor::KeepAnchor);
        Editor().setTextCursor(cursor), Trigger(CommandId::kFind);
        return Window()->Text();
    };
    EXPECT_EQ(from(4, 13), "brown fox");
    // Selected, so typing replaces it; searching down.
    TABULA_TRY_VERIFY(Window()->Edit()->hasFocus() && Window()->Down()->isChecked() &&
                      Window()->Edit()->selectedText() == "brown fox");
    FindDialog* first = Window();
    // Across the line break the one-line field takes the first line, and 127 characters at most.
    EXPECT_EQ(from(10, 19) + '|' + from(19, 319), "fox|" + QString(127, QChar(u'q')));
    EXPECT_EQ(Window(), first) << "one Find window at a time";
    Window()->Edit()->clear(), TypeText(Window()->Edit(), QString::fromUtf8("a\u2192b"));
    EXPECT_EQ(Window()->Text(), "a?b") << "what is searched is what is shown";
    // Nothing selected: the typed text stays; an empty field disables Find Next.
    EXPECT_EQ(from(2, 2), "a?b");
    EXPECT_FALSE((Window()->Edit()->clear(), Window()->FindNextButton()->isEnabled()));
    QTest::keyClick(Window()->Edit(), Qt::Key_Escape);
    TABULA_TRY_VERIFY(Window() == nullptr && prompts.messages.empty());
}

// Find again starts a new pass; a card deleted meanwhile is skipped, one added not searched.
TEST_F(FindCommandTest, ThePassFollowsTheDeckWhileTheWindowIsOpen) {
    UseCards({{"a", "x"}, {"b", "x"}, {"c", "x x"}, {"d", "x"}, {"e", "x"}}), FindText("x");
    ASSERT_EQ(Next(2).back(), "b 0 x");
    Editor().moveCursor(QTextCursor::Start), Trigger(CommandId::kFind);  // a new pass from b
    window->Stack().BringToFront(1);  // c, then deleted with d after it
    prompts.AnswerMessage(Answer::kYes), Trigger(CommandId::kDelete);
    prompts.AnswerMessage(Answer::kYes), Trigger(CommandId::kDelete);
    prompts.AnswerIndex("bb"), Trigger(CommandId::kAdd), TypeText(&Editor(), "x"), prompts = {};
    EXPECT_EQ(Next(4), (Strings{"b 0 x", "e 0 x", "a 0 x", "a 0 x!"}));
    deck.ClearDeck(), window->Stack().RefreshStack(), FindNext();
    EXPECT_EQ(prompts.messages.size(), 1u) << "nothing to search, nothing to say";
}

// Windows-1252 letters match their capitals: é (E9) under É (C9), š (9A) under Š (8A), ÿ (FF)
// under Ÿ (9F); ß has no capital of one byte and matches only itself.
TEST(FindPassTest, BytesMatchTheirCapitalsAndHitsNeverOverlap) {
    EXPECT_EQ(
        std::vector({FindUpper("cCcCcCcCcat", "CAT"), FindUpper("caf\xE9 cr\xE8me", "CAF\xC9"),
                     FindUpper("x \x9A\xFF", "\x8A\x9F"),
                     FindUpper("STRASSE stra\337e", "STRA\337"), FindUpper("aaaa", "AA", 3),
                     FindUpper(std::string(20, '-') + "cxt caT" + std::string(20, '-'), "CAT"),
                     FindUpper(std::string(38, 'a') + "Ab", "AAB")}),
        std::vector<decltype(FindUpper("", ""))>({8, 0, 2, 8, -1, 24, 37}));
    FindPass pass;
    Deck deck;
    for (const auto& [index, body] : {std::pair{"k", "aaaa"}, {"l", "x1 x2 x3"}, {"m", "ab ab"}}) {
        deck.CreateCard(index).SetBody(body);
    }
    deck.SortCards(),
        deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    const auto run = [&](std::initializer_list<const char*> texts) {
        std::string got;
        for (const char* text : texts) {
            const auto hit = pass.FindNext(text);
            got += hit ? std::string(hit->card->Index()) + std::to_string(hit->offset) : "-";
        }
        return got;
    };
    EXPECT_EQ(run({"a"}), "-") << "no pass before the first start";
    pass.Start(deck);
    EXPECT_EQ(run({"aa", "aa", "x", "x"}), "k0k2l0l3");
    deck.SetBody(1, "x");  // the card now holds one x: the hits shown are not shown again
    EXPECT_EQ(run({"ab", "b", "b", "a"}), "m0m4--")
        << "a new text goes on after the hits passed; an ended pass stays ended";
    deck.BringToFront(1), pass.Start(deck), deck.ClearDeck(), deck.CreateCard("a").SetBody("x");
    EXPECT_EQ(run({"x"}), "-") << "the cards of the pass are gone";
    // A long way through a deck built backwards is read in memory order: the hits still come
    // in the pass's order, and a card that took a deleted card's slot is not in the pass.
    deck.ClearDeck();
    for (int k = 199; k >= 0; --k) {
        deck.CreateCard("c" + std::to_string(1000 + k))
            .SetBody(k == 10 || k % 90 == 80 ? "x" : "-");
    }
    deck.SortCards(), deck.BringToFront(100), pass.Start(deck);
    deck.BringToFront(70), deck.RemoveFrontCard();  // c1170
    deck.CreateCard("c1171").SetBody("x"), deck.SortCards();
    EXPECT_EQ(run({"X", "X", "X"}), "c10100c10800-");
    deck.SetRemovalObserver({});
}

}  // namespace
}  // namespace tabula::test
