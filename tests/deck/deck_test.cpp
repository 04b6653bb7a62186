#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "deck/deck.h"
#include "deck/index_pairs.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using test::FillDeck;
using test::RingIndexes;
using Ring = std::vector<std::string>;

TEST(Deck, KeepsIndexOrderIgnoringAsciiCase) {
    Deck deck;
    FillDeck(deck, {"cherry", "Banana", "apple", "abc", "ab"});
    EXPECT_EQ(RingIndexes(deck), (Ring{"ab", "abc", "apple", "Banana", "cherry"}));
}

TEST(Deck, EmptyDeckOperationsDoNothing) {
    Deck deck;
    deck.JumpToLetter('a');
    deck.BringExactToFront("a");
    deck.BringMatchToFront("a");
    deck.RemoveFrontCard();
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_FALSE(deck.Modified());
}

TEST(Deck, TurnsLikeARingAndWraps) {
    Deck deck;
    FillDeck(deck, {"a", "b", "c", "d"});
    deck.BringToFront(2);
    EXPECT_EQ(RingIndexes(deck), (Ring{"c", "d", "a", "b"}));
    deck.BringToFront(1);  // Next
    EXPECT_EQ(deck.Front().Index(), "d");
    deck.BringToFront(deck.Count() - 1);  // Previous
    EXPECT_EQ(deck.Front().Index(), "c");
    deck.BringToFront(deck.Count() - 1);
    EXPECT_EQ(deck.Front().Index(), "b");

    Deck one;
    FillDeck(one, {"only"});
    one.BringToFront(0);
    EXPECT_EQ(one.Front().Index(), "only");
}

TEST(Deck, AddingAnEqualIndexBringsTheOlderCardToTheFront) {
    Deck deck;
    FillDeck(deck, {"apple", "fig"});
    deck.SetBody(0, "old");
    deck.CreateCard("Apple");
    deck.SortCards();
    deck.BringMatchToFront("Apple");
    EXPECT_EQ(RingIndexes(deck), (Ring{"apple", "Apple", "fig"}));
    EXPECT_EQ(deck.Front().Body(), "old");
}

TEST(Deck, ReindexedFrontCardMovesToItsPlaceAndStaysInFront) {
    Deck deck;
    FillDeck(deck, {"a", "m", "x"});
    deck.BringToFront(1);  // m, x, a
    deck.SetFrontIndex("b");
    deck.SortCards();
    deck.BringExactToFront("b");
    EXPECT_EQ(RingIndexes(deck), (Ring{"b", "x", "a"}));

    // Sorting first puts it at the front although the search skips position 0.
    deck.BringToFront(1);  // x, a, b
    deck.SetFrontIndex("0first");
    deck.SortCards();
    deck.BringExactToFront("0first");
    EXPECT_EQ(RingIndexes(deck), (Ring{"0first", "a", "b"}));
}

TEST(Deck, ReindexedToTheSmallestIndexAnotherCardHoldsBringsThatCard) {
    Deck deck;
    FillDeck(deck, {"a", "q", "z"});
    deck.SetBody(0, "the old a");
    deck.BringToFront(2);  // z, a, q
    deck.SetFrontIndex("a");
    deck.SortCards();  // the re-indexed card first: a(new), a(old), q
    deck.BringExactToFront("a");
    EXPECT_EQ(deck.Front().Body(), "the old a");
    EXPECT_EQ(RingIndexes(deck), (Ring{"a", "q", "a"}));
}

TEST(Deck, CtrlLetterStepsThroughTheCardsOfThatLetter) {
    Deck deck;
    FillDeck(deck, {"apple", "ant", "bank", "Bird", "cat"});
    ASSERT_EQ(RingIndexes(deck), (Ring{"ant", "apple", "bank", "Bird", "cat"}));
    deck.JumpToLetter('b');
    EXPECT_EQ(deck.Front().Index(), "bank");
    deck.JumpToLetter('b');
    EXPECT_EQ(deck.Front().Index(), "Bird");
    deck.JumpToLetter('b');
    EXPECT_EQ(deck.Front().Index(), "bank");
    deck.JumpToLetter('c');
    deck.JumpToLetter('c');  // cat is the only c: nothing moves
    EXPECT_EQ(deck.Front().Index(), "cat");
    deck.JumpToLetter('q');
    EXPECT_EQ(deck.Front().Index(), "cat");
}

TEST(Deck, RemovingTheFrontCardBringsItsSuccessor) {
    Deck deck;
    FillDeck(deck, {"a", "b", "c"});
    deck.RemoveFrontCard();
    EXPECT_EQ(RingIndexes(deck), (Ring{"b", "c"}));
    EXPECT_TRUE(deck.Modified());
    deck.BringToFront(1);
    deck.RemoveFrontCard();  // the last card of the sorted order: wraps to b
    EXPECT_EQ(RingIndexes(deck), (Ring{"b"}));
    deck.RemoveFrontCard();
    EXPECT_EQ(deck.Count(), 0);
}

TEST(Deck, ClearLeavesTheModifiedFlagAndStoreKeeps511Bytes) {
    Deck deck;
    FillDeck(deck, {"a"});
    deck.StoreFrontBody(std::string(512, 'x'));
    EXPECT_EQ(deck.Front().Body().size(), 511u);
    deck.SetModified();
    deck.ClearDeck();
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_TRUE(deck.Modified());
}

// The ring exactly as the operations are defined on a plain sequence: a stable bubble sort
// and scans from the front. The deck keeps a cleverer structure; both must agree on every
// card's place after every operation.
class ModelRing {
  public:
    struct Entry {
        std::string index;
        int id;
    };
    std::vector<Entry> cards;

    void Create(const std::string& index, int id) { cards.push_back({Field(index), id}); }
    void Sort() {
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            for (std::size_t i = 1; i < cards.size(); ++i) {
                if (CompareIndex(cards[i].index, cards[i - 1].index) < 0) {
                    std::swap(cards[i], cards[i - 1]);
                    exchanged = true;
                }
            }
        }
    }
    void Bring(std::size_t k) {
        std::rotate(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(k), cards.end());
    }
    void Match(const std::string& text) {
        for (std::size_t k = 0; k < cards.size(); ++k) {
            if (CompareIndex(cards[k].index, Field(text)) == 0) {
                return Bring(k);
            }
        }
    }
    void Exact(const std::string& text) {
        for (std::size_t k = 1; k < cards.size(); ++k) {
            if (cards[k].index == Field(text)) {
                return Bring(k);
            }
        }
    }
    void Jump(char ch) {
        if (cards.size() < 2) {
            return;
        }
        for (std::size_t k = 1; k < cards.size(); ++k) {
            const int c = cards[k].index.empty() ? 0 : static_cast<signed char>(cards[k].index[0]);
            if (c == ch || c + 32 == ch) {
                return Bring(k);
            }
        }
    }
    void Remove() {
        if (cards.size() > 1) {
            Bring(1);
        }
        cards.pop_back();
    }
    static std::string Field(const std::string& text) { return Card(text).Index().data(); }
};

TEST(Deck, AgreesWithThePlainRingUnderRandomOperations) {
    std::mt19937 random(20261206);
    const std::vector<std::string> words = {"a",  "A",  "ab", "Ab", "b",   "B",    "ba",
                                            "c",  "",   "_x", "z",  "Zz",  "\xE9", "\xC9",
                                            "bb", "BB", "c1", "C1", "cat", "Cat"};
    for (int round = 0; round < 40; ++round) {
        Deck deck;
        ModelRing model;
        int next_id = 0;
        // Each card's body carries its id, so the comparison checks which card stands where,
        // not only which text.
        for (int step = 0; step < 300; ++step) {
            const std::string& word = words[random() % words.size()];
            const int count = deck.Count();
            switch (random() % 8) {
                case 0:
                case 1: {  // Add Card, or a batch as a file read gives
                    const int batch = random() % 5 == 0 ? 1 + static_cast<int>(random() % 30) : 1;
                    for (int i = 0; i < batch; ++i) {
                        const std::string& w = i == 0 ? word : words[random() % words.size()];
                        deck.CreateCard(w).SetBody(std::to_string(next_id));
                        model.Create(w, next_id++);
                    }
                    deck.SortCards();
                    model.Sort();
                    if (batch == 1) {
                        deck.BringMatchToFront(word);
                        model.Match(word);
                    }
                    break;
                }
                case 2:
                    if (count > 0) {
                        const int k = static_cast<int>(random() % static_cast<unsigned>(count));
                        deck.BringToFront(k);
                        model.Bring(static_cast<std::size_t>(k));
                    }
                    break;
                case 3:
                    deck.BringExactToFront(word);
                    model.Exact(word);
                    break;
                case 4: {
                    const char ch = static_cast<char>('a' + random() % 4);
                    deck.JumpToLetter(ch);
                    model.Jump(ch);
                    break;
                }
                case 5:
                    if (count > 0 && random() % 3 == 0) {
                        deck.RemoveFrontCard();
                        model.Remove();
                    }
                    break;
                case 6:
                    if (count > 0) {  // Edit Index
                        deck.SetFrontIndex(word);
                        deck.SortCards();
                        deck.BringExactToFront(word);
                        model.cards[0].index = ModelRing::Field(word);
                        model.Sort();
                        model.Exact(word);
                    }
                    break;
                case 7:
                    deck.BringMatchToFront(word);
                    model.Match(word);
                    break;
            }
            ASSERT_EQ(deck.Count(), static_cast<int>(model.cards.size()));
            for (int k = 0; k < deck.Count(); ++k) {
                ASSERT_EQ(deck.At(k).Body(), std::to_string(model.cards[k].id))
                    << "round " << round << " step " << step << " position " << k;
                ASSERT_EQ(deck.At(k).Index(), model.cards[k].index);
                // The card's sketch is up to date: a search for its own pairs reaches it.
                const Card& card = deck.At(k);
                ASSERT_EQ(deck.FindByFirstByte(
                              FoldAscii(static_cast<unsigned char>(card.IndexField()[0])), k,
                              IndexPairs(card), [&card](const Card& c) { return &c == &card; }),
                          k);
            }
        }
    }
}

TEST(Deck, FindByFirstByteLooksInRingOrderFromAPosition) {
    Deck deck;
    FillDeck(deck, {"Axab", "Cab", "apple", "Arles", "bob"});
    deck.BringToFront(3);
    ASSERT_EQ(RingIndexes(deck), (Ring{"bob", "Cab", "apple", "Arles", "Axab"}));
    const int found = deck.FindByFirstByte(
        'a', 1, [](const Card& card) { return card.Index().find("ab") != std::string_view::npos; });
    EXPECT_EQ(found, 4);
    EXPECT_EQ(deck.FindByFirstByte('c', 2, [](const Card&) { return true; }), -1);
    EXPECT_EQ(deck.FindByFirstByte('b', 0, [](const Card&) { return true; }), 0);
}

TEST(Deck, ATurnedRingReadBackKeepsEqualIndexesInFileOrder) {
    // As a deck saved with its second "a" in front reads back: two runs, equal at the junction.
    Deck deck;
    for (const auto& [index, body] : std::vector<std::pair<std::string, std::string>>{
             {"A", "2"}, {"b", "3"}, {"c", "4"}, {"a", "1"}, {"a", "0"}}) {
        deck.CreateCard(index).SetBody(body);
    }
    deck.SortCards();
    std::vector<std::string> bodies;
    for (int k = 0; k < deck.Count(); ++k) {
        bodies.emplace_back(deck.At(k).Body());
    }
    EXPECT_EQ(bodies, (Ring{"2", "1", "0", "3", "4"}));
}

TEST(Deck, FindsACardsPositionAndReportsCardsLeaving) {
    Deck deck;
    test::FillDeck(deck, {"a", "b", "b", "B", "c"});
    const Card& third = deck.At(2);  // the second b
    deck.BringToFront(3);
    EXPECT_EQ(deck.PositionOf(third), 4);
    Card outsider("b");
    EXPECT_EQ(deck.PositionOf(outsider), -1);

    std::vector<std::string> left;
    deck.SetRemovalObserver([&left](const Card& card) { left.emplace_back(card.Index()); });
    deck.BringToFront(deck.PositionOf(third));
    deck.RemoveFrontCard();
    EXPECT_EQ(left, (Ring{"b"}));
    EXPECT_EQ(deck.Count(), 4);
    deck.ClearDeck();
    EXPECT_EQ(left.size(), 5u);
}

}  // namespace
}  // namespace tabula
