#include "output/print_layouts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_device.h"

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

// A deck of these cards, "*" after an index tagging it, "=" before its body; the front card
// is the one at `front`.
std::unique_ptr<Deck> Make(const std::vector<S>& cards, int front = 0) {
    auto deck = std::make_unique<Deck>();
    for (const S& card : cards) {
        const std::size_t body = card.find('=');
        const S index = card.substr(0, body);
        deck->CreateCard(index.substr(0, index.find('*')),
                         body == S::npos ? "" : card.substr(body + 1))
            .SetTagged(index.ends_with('*'));
    }
    deck->SortCards();
    deck->BringToFront(front);
    return deck;
}

TEST(PrintLayouts, PlaceEachLineFromTheFrontCardOnWholeCardsToAPage) {
    const S big = "big*=1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n0\r\n1\r\n2";  // never fits
    const auto ring = Make({"ant*", "bee", "cat*", "dog"}, 2);
    const auto untagged = Make({"a", "b*"});
    std::vector<S> indexes;
    S list = "printed begin:d.tbx ";
    for (int k = 0; k < 25; ++k) {
        indexes.push_back("card " + std::to_string(100 + k));
        list += (k % 10 == 0
                     ? (k > 0 ? "] [" : "[") + S("25,60 d.tbx - page ") + std::to_string(k / 10 + 1)
                     : S()) +
                " | 25," + std::to_string(80 + 10 * (k % 10)) + " Index: " + indexes.back();
    }
    EXPECT_EQ(Print(PrintList, *Make(indexes), "d.tbx", kListPage), list + "] end");
    EXPECT_EQ(
        Print(PrintCard, *Make({"Smith=" + S(30, 'x') + "\r\nTel"}), "/home/u/work.tbx"),
        "printed begin:/home/u/work.tbx [30,30 /home/u/work.tbx | 30,50 Index: Smith | 30,60 " +
            S(26, 'x') + " | 30,70 xxxx | 30,80 Tel] end");
    EXPECT_EQ(Print(PrintTagged, *Make({"a*=body a", "b*=body b", "c*=body c", "d*=body d", "e"}),
                    "t.tbx"),
              "printed begin:t.tbx [30,30 t.tbx - page 1 | 30,50 Index: a | 30,60 body a | 30,80 "
              "Index: b | 30,90 body b | 30,110 Index: c | 30,120 body c] [30,30 t.tbx - page 2 | "
              "30,50 Index: d | 30,60 body d] end");
    EXPECT_EQ(Print(PrintTagged, *Make({"a*=short", big, "z*"}), "t"),
              "printed begin:t [30,30 t - page 1 | 30,50 Index: a | 30,60 short] [30,30 t - page 2 "
              "| 30,50 Index: big | 30,60 1 | 30,70 2 | 30,80 3 | 30,90 4 | 30,100 5 | 30,110 6 | "
              "30,120 7 | 30,130 8 | 30,140 9 | 30,150 0 | 30,160 1 | 30,170 2] [30,30 t - page 3 "
              "| 30,50 Index: z] end");
    EXPECT_EQ(Print(PrintList, *ring, "", kListPage),
              "printed begin: [25,60  - page 1 | 25,80 Index: cat | 25,90 Index: dog | 25,100 "
              "Index: ant | 25,110 Index: bee] end");
    EXPECT_EQ(Print(PrintTagged, *ring, ""),
              "printed begin: [30,30  - page 1 | 30,50 Index: cat | 30,80 Index: ant] end");
    EXPECT_EQ(Print(PrintCard, *ring, ""), "printed begin: [30,30  | 30,50 Index: cat] end");
    EXPECT_EQ(Print(PrintList, Deck(), "x") + Print(PrintCard, Deck(), "x") +
                  Print(PrintTagged, *Make({"a", "b"}), "x"),
              "no pages no pages no pages ");
    for (const Layout layout : {PrintList, PrintTagged, PrintCard}) {
        EXPECT_EQ(Print(layout, *untagged, "x", kListPage, true), "refused begin:x ");
    }
    const PageMetrics m = PageMetricsFor({186, 19, 223}, 9000, 12000);
    EXPECT_EQ(std::to_string(m.line_height) + " " + std::to_string(m.char_width) + " " +
                  std::to_string(m.page_width) + " " + std::to_string(m.page_height),
              "205 223 9000 12000");
}

}  // namespace
}  // namespace tabula
