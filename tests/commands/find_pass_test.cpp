#include "commands/find_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "deck/card.h"
#include "deck/deck.h"
#include "support/deck_builders.h"

namespace tabula::test {
namespace {

// Cards with these indexes and bodies (front = smallest index).
void Fill(Deck& deck, const std::vector<std::pair<std::string, std::string>>& cards) {
    for (const auto& [index, body] : cards) {
        deck.CreateCard(index).SetBody(body);
    }
    deck.SortCards();
}

// What Find Next does with a hit: the card comes to the front.
struct Shown {
    std::string index;
    int offset;
};
std::optional<Shown> Next(FindPass& pass, Deck& deck, std::string_view text) {
    const auto hit = pass.FindNext(text);
    if (!hit) {
        return std::nullopt;
    }
    const int position = deck.PositionOf(*hit->card);
    EXPECT_GE(position, 0) << "a hit on a card that is not in the deck";
    if (position >= 0) {
        deck.BringToFront(position);
    }
    return Shown{std::string(hit->card->Index()), hit->offset};
}

// Find Next until the end of the pass; the cards and offsets shown, in order.
std::vector<std::pair<std::string, int>> AllHits(FindPass& pass, Deck& deck,
                                                 std::string_view text) {
    std::vector<std::pair<std::string, int>> hits;
    while (const auto shown = Next(pass, deck, text)) {
        hits.emplace_back(shown->index, shown->offset);
        if (hits.size() > 100) {
            ADD_FAILURE() << "the pass does not end";
            break;
        }
    }
    return hits;
}

using Hits = std::vector<std::pair<std::string, int>>;

TEST(FindUpperTest, ComparesUpperCasedBytesAtTheirOwnPlaces) {
    EXPECT_EQ(FindUpper("The Cat sat", "CAT"), 4);
    EXPECT_EQ(FindUpper("aaaa", "AA", 1), 1);
    EXPECT_EQ(FindUpper("aaaa", "AA", 3), -1);
    EXPECT_EQ(FindUpper("abc", "ABCD"), -1);
    EXPECT_EQ(FindUpper("abc", ""), -1);
    EXPECT_EQ(FindUpper("xxcAt", "CAT"), 2);
    // Windows-1252 letters: é (E9) under É (C9), š (9A) under Š (8A), ÿ (FF) under Ÿ (9F).
    EXPECT_EQ(FindUpper("caf\xE9 cr\xE8me", "CAF\xC9"), 0);
    EXPECT_EQ(FindUpper("x \x9A\xFF", "\x8A\x9F"), 2);
    // ß and µ have no capital of one byte and match only themselves.
    EXPECT_EQ(FindUpper("STRASSE stra\xDF"
                        "e",
                        "STRA\xDF"),
              8);
    // A first byte that appears often before the real hit, in both cases.
    EXPECT_EQ(FindUpper("cCcCcCcCcat", "CAT"), 8);
}

TEST(FindPassTest, TwoHitsInTheFrontCardThenOneInTheThirdThenTheEnd) {
    Deck deck;
    Fill(deck, {{"a", "fox and fox"}, {"b", "dog"}, {"c", "a fox"}, {"d", ""}});
    FindPass pass;
    pass.Start(deck);
    auto shown = Next(pass, deck, "fox");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->index, "a");
    EXPECT_EQ(shown->offset, 0);
    EXPECT_EQ(pass.SearchPosition(), 0);
    EXPECT_EQ(pass.HitsInCard(), 1);
    shown = Next(pass, deck, "fox");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->index, "a");
    EXPECT_EQ(shown->offset, 8);
    EXPECT_EQ(pass.HitOffset(), 8);
    shown = Next(pass, deck, "fox");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->index, "c");
    EXPECT_EQ(shown->offset, 2);
    EXPECT_EQ(pass.SearchPosition(), 2);
    EXPECT_EQ(deck.Front().Index(), "c");
    EXPECT_FALSE(Next(pass, deck, "fox"));
    EXPECT_EQ(pass.SearchPosition(), -1);
    // Ended: it stays ended until the next Start, which begins at the current front card.
    EXPECT_FALSE(Next(pass, deck, "fox"));
    pass.Start(deck);
    EXPECT_EQ(AllHits(pass, deck, "fox"), (Hits{{"c", 2}, {"a", 0}, {"a", 8}}));
}

TEST(FindPassTest, HitsNeverOverlapAndCaseIsIgnored) {
    Deck deck;
    Fill(deck, {{"k", "aaaa"}});
    FindPass pass;
    pass.Start(deck);
    EXPECT_EQ(AllHits(pass, deck, "aa"), (Hits{{"k", 0}, {"k", 2}}));

    Deck cats;
    Fill(cats, {{"1", "Cat"}, {"2", "a CAT"}, {"3", "cAt and cat"}});
    pass.Start(cats);
    EXPECT_EQ(AllHits(pass, cats, "cat"), (Hits{{"1", 0}, {"2", 2}, {"3", 0}, {"3", 8}}));
    pass.Start(cats);
    EXPECT_EQ(AllHits(pass, cats, "CaT").size(), 4u);
    pass.Start(cats);
    EXPECT_EQ(AllHits(pass, cats, "\xC9t\xE9"), Hits{});
}

TEST(FindPassTest, OnlyBodiesAreSearched) {
    Deck deck;
    Fill(deck, {{"fox", "nothing"}, {"hound", "the fox"}});
    FindPass pass;
    pass.Start(deck);
    EXPECT_EQ(AllHits(pass, deck, "FOX"), (Hits{{"hound", 4}}));
}

TEST(FindPassTest, ThePassKeepsTheRingOfItsStartAndEndsWithThePredecessor) {
    Deck deck;
    Fill(deck, {{"a", "x"}, {"b", "x"}, {"c", "x"}, {"d", "x"}, {"e", "x"}});
    deck.BringToFront(2);  // c d e a b: b is c's predecessor
    FindPass pass;
    pass.Start(deck);
    ASSERT_EQ(pass.Size(), 5);
    // Every hit turns the ring, yet the pass goes on in its own order.
    EXPECT_EQ(AllHits(pass, deck, "x"), (Hits{{"c", 0}, {"d", 0}, {"e", 0}, {"a", 0}, {"b", 0}}));
}

TEST(FindPassTest, ATextFoundNowhereEndsThePassAtOnce) {
    Deck deck;
    Fill(deck, {{"a", "one"}, {"b", "two"}});
    FindPass pass;
    pass.Start(deck);
    EXPECT_FALSE(pass.FindNext("three"));
    EXPECT_EQ(pass.SearchPosition(), -1);
    pass.Start(deck);
    EXPECT_FALSE(pass.FindNext("")) << "an empty text occurs nowhere";
}

TEST(FindPassTest, OneCardWithOneHit) {
    Deck deck;
    Fill(deck, {{"solo", "needle in hay"}});
    FindPass pass;
    pass.Start(deck);
    EXPECT_EQ(AllHits(pass, deck, "needle"), (Hits{{"solo", 0}}));
}

TEST(FindPassTest, NoPassBeforeTheFirstStart) {
    FindPass pass;
    EXPECT_FALSE(pass.FindNext("x"));
    EXPECT_EQ(pass.SearchPosition(), -1);
}

TEST(FindPassTest, ADeletedCardIsSkippedAndAnAddedCardIsNotSearched) {
    Deck deck;
    Fill(deck, {{"a", "x"}, {"b", "x x"}, {"c", "x"}, {"d", "x"}});
    FindPass pass;
    deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    pass.Start(deck);
    ASSERT_TRUE(Next(pass, deck, "x"));  // a
    ASSERT_TRUE(Next(pass, deck, "x"));  // b at 0, now the front card
    // b is deleted between two presses, while the pass is inside it; a card added now is
    // not part of the pass, even when its memory is what b's was.
    deck.RemoveFrontCard();
    deck.CreateCard("bb").SetBody("x");
    deck.SortCards();
    EXPECT_EQ(AllHits(pass, deck, "x"), (Hits{{"c", 0}, {"d", 0}}));
}

TEST(FindPassTest, DeletingTheCardsAheadOfThePassSkipsThem) {
    Deck deck;
    Fill(deck, {{"a", "x"}, {"b", "x"}, {"c", "x"}, {"d", "x"}});
    FindPass pass;
    deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    pass.Start(deck);
    deck.BringToFront(1);
    deck.RemoveFrontCard();  // b
    deck.RemoveFrontCard();  // c
    EXPECT_EQ(AllHits(pass, deck, "x"), (Hits{{"a", 0}, {"d", 0}}));
}

TEST(FindPassTest, ClearingTheDeckEndsThePass) {
    Deck deck;
    Fill(deck, {{"a", "x"}, {"b", "x"}, {"c", "x"}});
    deck.BringToFront(1);  // the front card is not the first in index order
    FindPass pass;
    deck.SetRemovalObserver([&pass](const Card& card) { pass.CardLeaving(card); });
    pass.Start(deck);
    deck.ClearDeck();
    Fill(deck, {{"a", "x"}, {"b", "x"}});
    EXPECT_FALSE(pass.FindNext("x")) << "the cards of the pass are gone";
    EXPECT_EQ(pass.Size(), 0);

    // Cleared from a ring whose front card is also the first in index order.
    deck.ClearDeck();
    Fill(deck, {{"a", "x"}, {"b", "x"}});
    pass.Start(deck);
    deck.ClearDeck();
    Fill(deck, {{"p", "x"}});
    EXPECT_FALSE(pass.FindNext("x"));
    deck.SetRemovalObserver({});
}

TEST(FindPassTest, ABodyEditedBetweenPressesIsSearchedAsItIsNow) {
    Deck deck;
    Fill(deck, {{"a", "x1 x2 x3"}, {"b", "x"}});
    FindPass pass;
    pass.Start(deck);
    ASSERT_TRUE(Next(pass, deck, "x"));
    ASSERT_TRUE(Next(pass, deck, "x"));  // x2 at 3
    // Now the card holds a single x: the two hits shown cannot be passed again, so the
    // pass goes on with the next card.
    deck.SetBody(0, "x");
    EXPECT_EQ(AllHits(pass, deck, "x"), (Hits{{"b", 0}}));
}

TEST(FindPassTest, TheTextMayChangeBetweenPresses) {
    Deck deck;
    Fill(deck, {{"a", "ab ab"}});
    FindPass pass;
    pass.Start(deck);
    ASSERT_TRUE(Next(pass, deck, "ab"));
    // The hit already shown is passed with the new text.
    const auto shown = Next(pass, deck, "b");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->offset, 4);
}

}  // namespace
}  // namespace tabula::test
