#include "output/print_layouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_device.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using S = std::string;
using Layout = PrintResult (*)(PrintDevice&, const Deck&, std::string_view, const PrintWords&);

// L = W = 10. Print > List: the bottom limit PH - 50 - 3L is 2L + 60 + 10L, ten lines a page.
constexpr PageMetrics kListPage{10, 10, 330, 260};
// Print > Tag: margin 30, body box 30..300 (a line holds 26 characters), bottom limit
// 200 - 60 = 140 and the first card planned at 50: three one-line cards fit on a page.
constexpr PageMetrics kTagPage{10, 10, 330, 200};

S Print(Layout layout, const Deck& deck, const S& name, PageMetrics page = kTagPage,
        bool refuse = false) {
    test::RecordingDevice printer(page);
    printer.refuse_document = refuse;
    const char* results[] = {"printed ", "no pages ", "refused "};
    return results[static_cast<int>(layout(printer, deck, name, {}))] + printer.log;
}

Card& Tagged(Deck& deck, const S& index, const S& body) {
    Card& card = deck.CreateCard(index, body);
    card.SetTagged(true);
    return card;
}

TEST(PrintLayouts, PlaceEachLineFromTheFrontCardOnWholeCardsToAPage) {
    Deck deck;
    test::FillDeck(deck, {"Smith"});
    deck.StoreFrontBody(S(30, 'x') + "\r\nTel");
    EXPECT_EQ(
        Print(PrintCard, deck, "/home/u/work.tbx"),
        "printed begin:/home/u/work.tbx [30,30 /home/u/work.tbx | 30,50 Index: Smith | 30,60 " +
            S(26, 'x') + " | 30,70 xxxx | 30,80 Tel] end");

    Deck four;
    for (const char* index : {"a", "b", "c", "d"}) {
        Tagged(four, index, S("body ") + index);
    }
    four.CreateCard("e");  // untagged cards are passed over
    four.SortCards();
    EXPECT_EQ(Print(PrintTagged, four, "t.tbx"),
              "printed begin:t.tbx [30,30 t.tbx - page 1 | 30,50 Index: a | 30,60 body a | 30,80 "
              "Index: b | 30,90 body b | 30,110 Index: c | 30,120 body c] [30,30 t.tbx - page 2 | "
              "30,50 Index: d | 30,60 body d] end");

    Deck big;  // a card that can never fit is printed alone, below the printable part too
    Tagged(big, "a", "short");
    Tagged(big, "big", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n0\r\n1\r\n2");
    Tagged(big, "z", "");
    big.SortCards();
    EXPECT_EQ(
        Print(PrintTagged, big, "t"),
        "printed begin:t [30,30 t - page 1 | 30,50 Index: a | 30,60 short] [30,30 t - page 2 | "
        "30,50 Index: big | 30,60 1 | 30,70 2 | 30,80 3 | 30,90 4 | 30,100 5 | 30,110 6 | "
        "30,120 7 | 30,130 8 | 30,140 9 | 30,150 0 | 30,160 1 | 30,170 2] [30,30 t - page 3 | "
        "30,50 Index: z] end");

    Deck ring;
    test::FillDeck(ring, {"ant", "bee", "cat", "dog"});
    ring.SetTagged(0, true);
    ring.SetTagged(2, true);
    ring.BringToFront(2);
    EXPECT_EQ(Print(PrintList, ring, "", kListPage),
              "printed begin: [25,60  - page 1 | 25,80 Index: cat | 25,90 Index: dog | 25,100 "
              "Index: ant | 25,110 Index: bee] end");
    EXPECT_EQ(Print(PrintTagged, ring, ""),
              "printed begin: [30,30  - page 1 | 30,50 Index: cat | 30,80 Index: ant] end");
    EXPECT_EQ(Print(PrintCard, ring, ""), "printed begin: [30,30  | 30,50 Index: cat] end");
}

TEST(PrintLayouts, ListsTenIndexesToAPage) {
    Deck deck;
    std::vector<S> indexes;
    S expected = "printed begin:d.tbx ";
    for (int k = 0; k < 25; ++k) {
        indexes.push_back("card " + std::to_string(100 + k));
        expected += (k % 10 == 0 ? (k > 0 ? "] [" : "[") + S("25,60 d.tbx - page ") +
                                       std::to_string(k / 10 + 1)
                                 : S()) +
                    " | 25," + std::to_string(80 + 10 * (k % 10)) + " Index: " + indexes.back();
    }
    test::FillDeck(deck, indexes);
    EXPECT_EQ(Print(PrintList, deck, "d.tbx", kListPage), expected + "] end");

    Deck empty, untagged;
    test::FillDeck(untagged, {"a", "b"});
    EXPECT_EQ(Print(PrintList, empty, "x"), "no pages ");
    EXPECT_EQ(Print(PrintCard, empty, "x"), "no pages ");
    EXPECT_EQ(Print(PrintTagged, untagged, "x"), "no pages ");
    untagged.SetTagged(1, true);
    for (const Layout layout : {PrintList, PrintTagged, PrintCard}) {
        EXPECT_EQ(Print(layout, untagged, "x", kListPage, true), "refused begin:x ");
    }
    const PageMetrics m = PageMetricsFor({186, 19, 223}, 9000, 12000);
    EXPECT_EQ(S() + std::to_string(m.line_height) + " " + std::to_string(m.char_width) + " " +
                  std::to_string(m.page_width) + " " + std::to_string(m.page_height),
              "205 223 9000 12000");
}

}  // namespace
}  // namespace tabula
