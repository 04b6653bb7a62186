// The search rules of one pass, on a deck without windows. The Find command's own tests cover
// the order of the pass, its end and the cards deleted or added while the Find window is open.
#include "commands/find_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "deck/card.h"
#include "deck/deck.h"

namespace tabula::test {
namespace {

using Hits = std::vector<std::pair<std::string, int>>;

void Fill(Deck& deck, const std::vector<std::pair<std::string, std::string>>& cards) {
    for (const auto& [index, body] : cards) {
        deck.CreateCard(index).SetBody(body);
    }
    deck.SortCards();
}

// Find Next to the end of a new pass: each hit's card and offset, the card brought to the
// front as the command does.
Hits AllHits(FindPass& pass, Deck& deck, std::string_view text, bool start = true) {
    if (start) {
        pass.Start(deck);
    }
    Hits hits;
    while (const auto hit = pass.FindNext(text)) {
        hits.emplace_back(hit->card->Index(), hit->offset);
        deck.BringToFront(deck.PositionOf(*hit->card));
        if (hits.size() > 100) {
            ADD_FAILURE() << "the pass does not end";
            break;
        }
    }
    EXPECT_EQ(pass.SearchPosition(), -1);
    return hits;
}

TEST(FindUpperTest, ComparesUpperCasedBytesAtTheirOwnPlaces) {
    EXPECT_EQ(FindUpper("The Cat sat", "CAT"), 4);
    EXPECT_EQ(FindUpper("aaaa", "AA", 1), 1);
    EXPECT_EQ(FindUpper("aaaa", "AA", 3), -1);
    EXPECT_EQ(FindUpper("abc", "ABCD"), -1);
    EXPECT_EQ(FindUpper("abc", ""), -1);
    EXPECT_EQ(FindUpper("cCcCcCcCcat", "CAT"), 8) << "many false starts in both cases";
    EXPECT_EQ(FindUpper(std::string(30, 'c') + "cAt", "CAT"), 30) << "beyond the first 16";
    // Windows-1252 letters: é (E9) under É (C9), š (9A) under Š (8A), ÿ (FF) under Ÿ (9F).
    EXPECT_EQ(FindUpper("caf\xE9 cr\xE8me", "CAF\xC9"), 0);
    EXPECT_EQ(FindUpper("x \x9A\xFF", "\x8A\x9F"), 2);
    // ß has no capital of one byte and matches only itself.
    EXPECT_EQ(FindUpper("STRASSE stra\xDF"
                        "e",
                        "STRA\xDF"),
              8);
}

TEST(FindPassTest, HitsNeverOverlapCaseIsIgnoredAndOnlyBodiesCount) {
    Deck deck;
    Fill(deck, {{"k", "aaaa"}});
    FindPass pass;
    EXPECT_EQ(AllHits(pass, deck, "aa"), (Hits{{"k", 0}, {"k", 2}}));

    Deck cats;
    Fill(cats, {{"1", "Cat"}, {"2", "a CAT"}, {"3", "cAt and cat"}, {"cat", "dog"}});
    EXPECT_EQ(AllHits(pass, cats, "cat"), (Hits{{"1", 0}, {"2", 2}, {"3", 0}, {"3", 8}}));
    EXPECT_EQ(AllHits(pass, cats, "\xC9t\xE9"), Hits{});
    EXPECT_EQ(AllHits(pass, cats, ""), Hits{}) << "an empty text occurs nowhere";
}

TEST(FindPassTest, NoPassBeforeTheFirstStartAndAnEndedPassStaysEnded) {
    Deck deck;
    Fill(deck, {{"a", "x"}});
    FindPass pass;
    EXPECT_FALSE(pass.FindNext("x"));
    EXPECT_EQ(AllHits(pass, deck, "x"), (Hits{{"a", 0}}));
    EXPECT_FALSE(pass.FindNext("x"));
}

TEST(FindPassTest, ClearingTheDeckEndsThePass) {
    FindPass pass;
    Deck deck;
    deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    // Cleared with the front card first in index order or not: both end the pass.
    for (const int front : {0, 1}) {
        Fill(deck, {{"a", "x"}, {"b", "x"}, {"c", "x"}});
        deck.BringToFront(front);
        pass.Start(deck);
        deck.ClearDeck();
        Fill(deck, {{"a", "x"}, {"b", "x"}});
        EXPECT_EQ(AllHits(pass, deck, "x", false), Hits{}) << "the cards of the pass are gone";
        EXPECT_EQ(pass.Size(), 0);
        deck.ClearDeck();
    }
    deck.SetRemovalObserver({});
}

TEST(FindPassTest, BodyAndTextAreReadAsTheyAreAtEachFindNext) {
    Deck deck;
    Fill(deck, {{"a", "x1 x2 x3"}, {"b", "x"}});
    FindPass pass;
    pass.Start(deck);
    ASSERT_TRUE(pass.FindNext("x"));
    ASSERT_EQ(pass.FindNext("x")->offset, 3);
    // The card now holds one x: the two hits already shown cannot be passed again, so the
    // pass goes on with the next card.
    deck.SetBody(0, "x");
    EXPECT_EQ(AllHits(pass, deck, "x", false), (Hits{{"b", 0}}));

    // A new text after one hit: that hit is passed with the new text.
    Deck ab;
    Fill(ab, {{"a", "ab ab"}});
    pass.Start(ab);
    ASSERT_TRUE(pass.FindNext("ab"));
    EXPECT_EQ(pass.FindNext("b")->offset, 4);
}

}  // namespace
}  // namespace tabula::test
