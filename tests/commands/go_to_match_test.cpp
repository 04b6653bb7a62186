#include "commands/go_to_match.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tabula
