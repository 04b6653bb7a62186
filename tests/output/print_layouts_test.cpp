#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/print_layouts.h"
#include "recording_device.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using test::PrintedLine;
using Page = std::vector<PrintedLine>;
using Calls = std::vector<std::string>;

// L = W = 10. Print > List: the bottom limit PH - 50 - 3L is 2L + 60 + 10L, ten lines a page.
constexpr PageMetrics kListPage{10, 10, 330, 260};
// Print > Tag: margin 30, body box 30..300 (a line holds 26 characters), bottom limit
// 200 - 60 = 140 and the first card planned at 50: three one-line cards fit on a page.
constexpr PageMetrics kTagPage{10, 10, 330, 200};

Card& Tagged(Deck& deck, const std::string& index, const std::string& body) {
    Card& card = deck.CreateCard(index);
    card.SetBody(body);
    card.SetTagged(true);
    return card;
}

std::string NumberedLines(int count) {
    std::string body;
    for (int k = 1; k <= count; ++k) {
        body += std::to_string(k % 10) + (k < count ? "\r\n" : "");
    }
    return body;
}

TEST(PrintCard, HeaderIndexAndBodyOnOnePage) {
    Deck deck;
    test::FillDeck(deck, {"Smith"});
    deck.StoreFrontBody(std::string(30, 'x') + "\r\nTel");
    test::RecordingDevice printer(kTagPage);
    EXPECT_EQ(PrintCard(printer, deck, "/home/u/work.tbx"), PrintResult::kPrinted);
    EXPECT_EQ(printer.calls, (Calls{"begin:/home/u/work.tbx", "start", "end page", "end"}));
    EXPECT_EQ(printer.pages, (std::vector<Page>{{{30, 30, "/home/u/work.tbx"},
                                                 {30, 50, "Index: Smith"},
                                                 {30, 60, std::string(26, 'x')},
                                                 {30, 70, "xxxx"},
                                                 {30, 80, "Tel"}}}));
}

TEST(PrintList, TwentyFiveCardsOnTenLinePages) {
    Deck deck;
    std::vector<std::string> indexes;
    for (int k = 0; k < 25; ++k) {
        indexes.push_back("card " + std::to_string(100 + k));
    }
    test::FillDeck(deck, indexes);
    test::RecordingDevice printer(kListPage);
    EXPECT_EQ(PrintList(printer, deck, "d.tbx"), PrintResult::kPrinted);

    ASSERT_EQ(printer.pages.size(), 3u);
    int card = 0;
    for (int n = 0; n < 3; ++n) {
        const Page& page = printer.pages[n];
        ASSERT_EQ(page.size(), n < 2 ? 11u : 6u);
        EXPECT_EQ(page[0], (PrintedLine{25, 60, "d.tbx - page " + std::to_string(n + 1)}));
        for (std::size_t k = 1; k < page.size(); ++k) {
            EXPECT_EQ(page[k], (PrintedLine{25, 80 + 10 * static_cast<int>(k - 1),
                                            "Index: " + indexes[card++]}));
        }
    }
    EXPECT_EQ(printer.calls.front(), "begin:d.tbx");
    EXPECT_EQ(printer.calls.back(), "end");
}

TEST(PrintTagged, ACardThatDoesNotFitStartsTheNextPage) {
    Deck deck;
    for (const char* index : {"a", "b", "c", "d"}) {
        Tagged(deck, index, std::string("body ") + index);
    }
    deck.CreateCard("e");  // untagged cards are passed over
    deck.SortCards();
    test::RecordingDevice printer(kTagPage);
    EXPECT_EQ(PrintTagged(printer, deck, "t.tbx"), PrintResult::kPrinted);
    EXPECT_EQ(printer.pages,
              (std::vector<Page>{
                  {{30, 30, "t.tbx - page 1"},
                   {30, 50, "Index: a"},
                   {30, 60, "body a"},
                   {30, 80, "Index: b"},
                   {30, 90, "body b"},
                   {30, 110, "Index: c"},
                   {30, 120, "body c"}},
                  {{30, 30, "t.tbx - page 2"}, {30, 50, "Index: d"}, {30, 60, "body d"}}}));
    EXPECT_EQ(printer.calls,
              (Calls{"begin:t.tbx", "start", "end page", "start", "end page", "end"}));
}

TEST(PrintTagged, ACardThatCanNeverFitIsPrintedAloneAndTheCommandEnds) {
    Deck deck;
    Tagged(deck, "a", "short");
    Tagged(deck, "big", NumberedLines(12));  // planned from 50 it ends at 160, past 140
    Tagged(deck, "z", "");
    deck.SortCards();
    test::RecordingDevice printer(kTagPage);
    EXPECT_EQ(PrintTagged(printer, deck, "t"), PrintResult::kPrinted);

    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(printer.pages[0].size(), 3u);
    const Page& alone = printer.pages[1];
    ASSERT_EQ(alone.size(), 14u);
    EXPECT_EQ(alone[0].text, "t - page 2");
    EXPECT_EQ(alone[1], (PrintedLine{30, 50, "Index: big"}));
    EXPECT_EQ(alone[13], (PrintedLine{30, 170, "2"}));  // below the printable part
    // An empty body prints as its index line alone.
    EXPECT_EQ(printer.pages[2], (Page{{30, 30, "t - page 3"}, {30, 50, "Index: z"}}));
}

TEST(PrintLayouts, FollowTheRingFromTheFrontCard) {
    Deck deck;
    test::FillDeck(deck, {"ant", "bee", "cat", "dog"});
    deck.SetTagged(0, true);  // ant
    deck.SetTagged(2, true);  // cat
    deck.BringToFront(2);

    test::RecordingDevice list(kListPage);
    PrintList(list, deck, "");
    ASSERT_EQ(list.pages.size(), 1u);
    EXPECT_EQ(list.pages[0], (Page{{25, 60, " - page 1"},
                                   {25, 80, "Index: cat"},
                                   {25, 90, "Index: dog"},
                                   {25, 100, "Index: ant"},
                                   {25, 110, "Index: bee"}}));

    test::RecordingDevice tagged(kTagPage);
    PrintTagged(tagged, deck, "");
    ASSERT_EQ(tagged.pages.size(), 1u);
    EXPECT_EQ(tagged.pages[0],
              (Page{{30, 30, " - page 1"}, {30, 50, "Index: cat"}, {30, 80, "Index: ant"}}));

    // An untitled deck: no document name, an empty header.
    test::RecordingDevice card(kTagPage);
    PrintCard(card, deck, "");
    EXPECT_EQ(card.calls.front(), "begin:");
    EXPECT_EQ(card.pages[0], (Page{{30, 30, ""}, {30, 50, "Index: cat"}}));
}

TEST(PrintLayouts, NoPagesBeginNoJobAndARefusedJobPrintsNothing) {
    Deck empty;
    test::RecordingDevice printer(kListPage);
    EXPECT_EQ(PrintList(printer, empty, "x"), PrintResult::kNoPages);
    EXPECT_EQ(PrintCard(printer, empty, "x"), PrintResult::kNoPages);
    Deck untagged;
    test::FillDeck(untagged, {"a", "b"});
    EXPECT_EQ(PrintTagged(printer, untagged, "x"), PrintResult::kNoPages);
    EXPECT_TRUE(printer.calls.empty());

    printer.refuse_document = true;
    untagged.SetTagged(1, true);
    EXPECT_EQ(PrintList(printer, untagged, "x"), PrintResult::kRefused);
    EXPECT_EQ(PrintTagged(printer, untagged, "x"), PrintResult::kRefused);
    EXPECT_EQ(PrintCard(printer, untagged, "x"), PrintResult::kRefused);
    EXPECT_EQ(printer.calls, (Calls{"begin:x", "begin:x", "begin:x"}));
}

TEST(PrintDevice, PageMetrics) {
    const PageMetrics m = PageMetricsFor({186, 19, 223}, 9000, 12000);
    EXPECT_EQ(m.line_height, 205);
    EXPECT_EQ(m.char_width, 223);
    EXPECT_EQ(m.page_width, 9000);
    EXPECT_EQ(m.page_height, 12000);
}

}  // namespace
}  // namespace tabula
