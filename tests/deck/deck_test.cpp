#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "deck/ansi.h"
#include "deck/deck.h"
#include "deck/index_pairs.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using test::FillDeck;
using test::Ring;
using S = std::string;

TEST(Deck, SortsFoldingOnlyAsciiLettersAndKeepsTheChangedFlag) {
    Deck deck;
    FillDeck(deck, {"cherry", "Banana", "apple", "abc", "ab", "\xE9", "z", "_", "A", "\xC9"});
    EXPECT_EQ(Ring(deck), "_|A|ab|abc|apple|Banana|cherry|z|\xC9|\xE9");
    EXPECT_EQ(CompareIndex("apple", "APPLE"), 0);
    deck.ClearModified(), deck.RemoveFrontCard();
    EXPECT_EQ(S(deck.Front().Index()) + (deck.Modified() ? "*" : ""), "A*");
    deck.ClearDeck();  // the deck was changed: it still is
    EXPECT_TRUE(deck.Modified());
    deck.ClearModified(), deck.RemoveFrontCard(), deck.JumpToLetter('a');  // of an empty deck
    EXPECT_FALSE(deck.Modified());
}

TEST(Ansi, ConvertsWindows1252ToUtf8AndCapitalisesByteForByte) {
    // clang-format off
    for (const auto& [in, utf8, upper] : std::vector<std::array<std::string, 3>>{
             {"Caf\xE9 1,2;", "Caf\xC3\xA9 1,2;", "CAF\xC9 1,2;"}, {"\xDF\xB5\xF7", "\xC3\x9F\xC2\xB5\xC3\xB7", "\xDF\xB5\xF7"},
             {"\x80\x9F\x81\xA0", "\xE2\x82\xAC\xC5\xB8\xC2\x81\xC2\xA0", "\x80\x9F\x81\xA0"},
             {"\x9A\x9C\x9E\xFF", "\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF", "\x8A\x8C\x8E\x9F"}}) {
        // clang-format on
        EXPECT_EQ(AnsiToUtf8(in) + "|" + UpperAnsi(in), utf8 + "|" + upper);
    }
}

// The ring as the operations are defined on a plain sequence: a stable bubble sort and scans
// from the front. The deck keeps a cleverer structure; both must agree on every card's place.
struct ModelRing {
    std::vector<std::pair<std::string, int>> cards;  // index field, the card's id

    static std::string Field(const std::string& text) { return Card(text).Index().data(); }
    void Sort() {
        std::stable_sort(cards.begin(), cards.end(),
                         [](auto& a, auto& b) { return CompareIndex(a.first, b.first) < 0; });
    }
    void Bring(std::size_t k) { std::rotate(cards.begin(), cards.begin() + k, cards.end()); }
    void BringFirst(std::size_t from, const std::function<bool(const std::string&)>& take) {
        for (std::size_t k = from; k < cards.size(); ++k) {
            if (take(cards[k].first)) {
                return Bring(k);
            }
        }
    }
    void Match(const S& t) {
        BringFirst(0, [&](auto& i) { return CompareIndex(i, Field(t)) == 0; });
    }
    void Exact(const S& t) {
        BringFirst(1, [&](auto& i) { return i == Field(t); });
    }
};

TEST(Deck, AgreesWithThePlainRingUnderRandomOperations) {
    std::mt19937 random(20261206);
    const std::vector<S> words = {"a", "A",  "ab",   "Ab",   "b",  "B",  "ba", "c",  "",    "_x",
                                  "z", "Zz", "\xE9", "\xC9", "bb", "BB", "c1", "C1", "cat", "Cat"};
    const auto any = [&] { return words[random() % words.size()]; };
    for (int round = 0; round < 40; ++round) {
        Deck deck;
        ModelRing model;
        int id = 0;
        for (int step = 0; step < 300; ++step) {
            const std::string word = any();
            const auto count = static_cast<unsigned>(deck.Count());
            const unsigned op = random() % 8, k = count > 0 ? random() % count : 0;
            const int batch = op < 2 && random() % 5 == 0 ? 1 + static_cast<int>(random() % 30) : 1;
            if (op < 2) {  // Add Card, or a batch as a file read gives
                for (int i = 0; i < batch; ++i, ++id) {
                    const std::string w = i == 0 ? word : any();
                    deck.CreateCard(w).SetBody(std::to_string(id));
                    model.cards.emplace_back(ModelRing::Field(w), id);
                }
                deck.SortCards(), model.Sort();
            } else if (op == 2 && count > 0) {
                deck.BringToFront(static_cast<int>(k)), model.Bring(k);
            } else if (op == 3) {
                deck.BringExactToFront(word), model.Exact(word);
            } else if (op == 4) {
                const char ch = "abcd\xE9\x7F"[k % 6];  // other bytes too
                model.BringFirst(1, [ch](auto& i) {
                    const int c = i.empty() ? 0 : static_cast<signed char>(i[0]);
                    return c == ch || c + 32 == ch;
                });
                deck.JumpToLetter(ch);
            } else if (op == 5 && count > 0 && k % 3 == 0) {
                deck.RemoveFrontCard(), model.Bring(1 % count), model.cards.pop_back();
            } else if (op == 6 && count > 0) {  // Edit Index
                deck.SetFrontIndex(word), deck.SortCards(), deck.BringExactToFront(word);
                model.cards[0].first = ModelRing::Field(word);
                model.Sort(), model.Exact(word);
            }
            if ((op < 2 && batch == 1) || op == 7) {
                deck.BringMatchToFront(word), model.Match(word);
            }
            std::string want;
            for (const auto& [index, card_id] : model.cards) {
                want += (want.empty() ? "" : "|") + index + "=" + std::to_string(card_id);
            }
            ASSERT_EQ(Ring(deck), want) << "round " << round << " step " << step;
            // Go To's sketch of each card is up to date: a search for its own pairs finds it.
            for (int p = 0; p < deck.Count(); ++p) {
                const Card& card = deck.At(p);
                ASSERT_EQ(deck.FindByFirstByte(
                              FoldAscii(static_cast<unsigned char>(card.IndexField()[0])), p,
                              IndexPairs(card), [&card](const Card& c) { return &c == &card; }),
                          p);
            }
        }
    }
}

}  // namespace
}  // namespace tabula
