#include "commands/go_to_match.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "deck/card.h"
#include "deck/deck.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

TEST(GoToMatchTest, AccentedCapitalsMatchTheirSmallLetters) {
    Deck deck;
    test::FillDeck(deck, {"a",
                          "\xc9"
                          "clair",
                          "\xe9t\xe9"});  // Éclair, été
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "\xe9t")).Index(), "\xe9t\xe9");
    EXPECT_EQ(deck.At(FindGoToMatch(deck,
                                    "\xe9"
                                    "CL"))
                  .Index(),
              "\xc9"
              "clair");
    EXPECT_EQ(FindGoToMatch(deck, "cl"), -1);
}

TEST(GoToMatchTest, TheFirstMatchInRingOrderFromBehindTheFront) {
    Deck deck;
    test::FillDeck(deck, {"ab1", "ab2", "ab3", "b"});
    deck.BringToFront(2);  // ab3, b, ab1, ab2
    EXPECT_EQ(FindGoToMatch(deck, "AB"), 2);
    EXPECT_EQ(FindGoToMatch(deck, "ab3"), -1);  // only at the front
}

TEST(GoToMatchTest, TheTextMayStandAnywhereUpToTheIndexsLastByte) {
    Deck deck;
    const std::string full(41, 'q');
    test::FillDeck(deck, {"a", "qqqab", full.substr(0, 39) + "xy", "qxy"});
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "QQAB")).Index(), "qqqab");  // after a false start
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "q" + std::string(37, 'q') + "XY")).Index(),
              full.substr(0, 39) + "xy");
    EXPECT_EQ(FindGoToMatch(deck, full.substr(0, 39) + "xyz"), -1);  // longer than any index
    // A 42-byte index from a file, with no terminator, is matched up to its last byte.
    const std::string field = std::string(40, 'q') + "zw";
    const std::string body(kBodyFieldSize, '\0');
    deck.CreateCard(std::make_unique<Card>(field.data(), body.data(), 0));
    deck.SortCards();
    EXPECT_EQ(deck.At(FindGoToMatch(deck, "qZW")).Index(), field);
}

}  // namespace
}  // namespace tabula
