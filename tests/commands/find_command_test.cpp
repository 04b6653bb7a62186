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
        ASSERT_NE(Window(), nullptr);
        Window()->Edit()->clear();
        QTest::keyClicks(Window()->Edit(), text);
    }
    void FindNext() { QTest::mouseClick(Window()->FindNextButton(), Qt::LeftButton); }
    // Find Next n times: the hit after each.
    Strings Next(int n) {
        Strings hits;
        for (int i = 0; i < n; ++i) {
            FindNext(), hits.push_back(Hit());
        }
        return hits;
    }
    // Where the front card stands and what the editor has selected.
    std::string Hit() {
        const QTextCursor c = Editor().textCursor();
        return std::string(deck.Front().Index()) + " " + std::to_string(c.selectionStart()) + " " +
               c.selectedText().toStdString();
    }
    void Select(int start, int end) {
        QTextCursor cursor = Editor().textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Editor().setTextCursor(cursor);
    }
    // The messages shown, each as text/caption with a ! for the warning icon.
    QString Said() const {
        QString said;
        for (const auto& m : prompts.messages) {
            said += m.text + '/' + m.caption + (m.icon == MessageIcon::kWarning ? "!" : "") + ';';
        }
        return said;
    }
};

// From the front card round to its predecessor, every hit once, then the end.
TEST_F(FindCommandTest, ThePassRunsFromTheFrontCardHitByHitToItsEnd) {
    UseCards({{"a", "x fox"}, {"b", "fox and Fox"}, {"c", "dog"}, {"d", "one\r\ntwo\rthe fox"}});
    window->Stack().BringToFront(1);
    deck.ClearModified();
    FindText("fox");
    EXPECT_EQ(Window()->windowTitle(), "Find");
    // Match Case, Whole Word and Up are shown but change nothing.
    Window()->MatchCase()->setChecked(true);
    Window()->WholeWord()->setChecked(true);
    Window()->Up()->setChecked(true);
    FindNext();
    EXPECT_EQ(Hit(), "b 0 fox");
    TABULA_TRY_VERIFY(Editor().hasFocus());
    Window()->activateWindow();
    QTest::keyClick(Window()->Edit(), Qt::Key_Return);  // Enter is Find Next
    EXPECT_EQ(Hit(), "b 8 Fox");
    // A CR LF and a lone CR are one line break each; at the end the last hit stays selected.
    EXPECT_EQ(Next(4), (Strings{"d 12 fox", "a 2 fox", "a 2 fox", "a 2 fox"}));
    EXPECT_EQ(Said(), "End of Selection/Tabula Info!;End of Selection/Tabula Info!;");
    EXPECT_FALSE(deck.Modified());

    QTest::mouseClick(Window()->CancelButton(), Qt::LeftButton);
    TABULA_TRY_VERIFY(Window() == nullptr);
    TABULA_TRY_VERIFY(Editor().hasFocus());
}

TEST_F(FindCommandTest, TheFindWindowStartsFromTheEditorsSelection) {
    UseCards({{"a", "the brown fox\r\njumps" + std::string(300, 'q')}});
    const auto from = [&](int start, int end) {
        Select(start, end);
        EXPECT_TRUE(Trigger(CommandId::kFind));
        return Window()->Text();
    };
    EXPECT_EQ(from(4, 13), "brown fox");
    EXPECT_EQ(Window()->Edit()->selectedText(), "brown fox") << "typing replaces it";
    TABULA_TRY_VERIFY(Window()->Edit()->hasFocus());
    EXPECT_TRUE(Window()->Down()->isChecked());
    FindDialog* first = Window();
    // Across the line break the one-line field takes the first line, and 127 characters at most.
    EXPECT_EQ(from(10, 19) + '|' + from(19, 319), "fox|" + QString(127, QChar(u'q')));
    EXPECT_EQ(Window(), first) << "one Find window at a time";
    Window()->Edit()->clear();
    TypeText(Window()->Edit(), QString::fromUtf8("a\u2192b"));
    EXPECT_EQ(Window()->Text(), "a?b") << "what is searched is what is shown";
    // Nothing selected: the typed text stays; an empty field disables Find Next.
    EXPECT_EQ(from(2, 2), "a?b");
    Window()->Edit()->clear();
    EXPECT_FALSE(Window()->FindNextButton()->isEnabled());
    QTest::keyClick(Window()->Edit(), Qt::Key_Escape);
    TABULA_TRY_VERIFY(Window() == nullptr);
    EXPECT_TRUE(prompts.messages.empty());
}

// Find again starts a new pass; a card deleted meanwhile is skipped, one added not searched.
TEST_F(FindCommandTest, ThePassFollowsTheDeckWhileTheWindowIsOpen) {
    UseCards({{"a", "x"}, {"b", "x"}, {"c", "x x"}, {"d", "x"}, {"e", "x"}});
    FindText("x");
    ASSERT_EQ(Next(2).back(), "b 0 x");
    Select(0, 0);
    ASSERT_TRUE(Trigger(CommandId::kFind));  // a new pass from b
    window->Stack().BringToFront(1);         // c, then deleted with d after it
    for (int i = 0; i < 2; ++i) {
        prompts.AnswerMessage(Answer::kYes), Trigger(CommandId::kDelete);
    }
    prompts.AnswerIndex("bb");
    Trigger(CommandId::kAdd);
    TypeText(&Editor(), "x");
    prompts.messages.clear();
    EXPECT_EQ(Next(3), (Strings{"b 0 x", "e 0 x", "a 0 x"}));
    FindNext();
    EXPECT_EQ(Said(), "End of Selection/Tabula Info!;");

    deck.ClearDeck();
    window->Stack().RefreshStack();
    FindNext();
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
    deck.SortCards();
    deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    EXPECT_FALSE(pass.FindNext("a")) << "no pass before the first start";
    pass.Start(deck);
    EXPECT_EQ(pass.FindNext("aa")->offset, 0);
    EXPECT_EQ(pass.FindNext("aa")->offset, 2);
    ASSERT_TRUE(pass.FindNext("x"));
    ASSERT_EQ(pass.FindNext("x")->offset, 3);
    deck.SetBody(1, "x");  // the card now holds one x: the hits shown are not shown again
    EXPECT_EQ(pass.FindNext("ab")->card->Index(), "m");
    EXPECT_EQ(pass.FindNext("b")->offset, 4) << "a new text goes on after the hits passed";
    EXPECT_FALSE(pass.FindNext("b") || pass.FindNext("a")) << "an ended pass stays ended";
    deck.BringToFront(1);
    pass.Start(deck);
    deck.ClearDeck();
    deck.CreateCard("a").SetBody("x");
    EXPECT_FALSE(pass.FindNext("x")) << "the cards of the pass are gone";

    // A long way through a deck built backwards is read in memory order: the hits still come
    // in the pass's order, and a card that took a deleted card's slot is not in the pass.
    deck.ClearDeck();
    for (int k = 199; k >= 0; --k) {
        deck.CreateCard("c" + std::to_string(1000 + k))
            .SetBody(k == 10 || k % 90 == 80 ? "x" : "-");
    }
    deck.SortCards();
    deck.BringToFront(100);
    pass.Start(deck);
    deck.BringToFront(70);  // c1170, then deleted
    deck.RemoveFrontCard();
    deck.CreateCard("c1171").SetBody("x");
    deck.SortCards();
    std::string hits;
    while (const auto hit = pass.FindNext("X")) {
        hits += std::string(hit->card->Index()) + " ";
    }
    EXPECT_EQ(hits, "c1010 c1080 ");
    deck.SetRemovalObserver({});
}

}  // namespace
}  // namespace tabula::test
