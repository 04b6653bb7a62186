#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deck/export.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using S = std::string;

TEST(Export, BodiesBreakAtLineEndsAndAtTheFirstSpaceFromColumn60) {
    const S w59(59, 'w');
    // clang-format off
    for (const auto& [body, lines] : std::vector<std::pair<S, std::vector<S>>>{
             {"one\r\ntwo", {"one\n", "two"}}, {"", {""}}, {"end\r\n", {"end\n", ""}},
             {S(70, 'a') + " more words", {S(70, 'a') + " \n", "more words"}},
             {w59 + " next", {w59 + " \n", "next"}},                  // the 60th character breaks
             {S(58, 'w') + " ab cd", {S(58, 'w') + " ab \n", "cd"}},  // column 59 does not
             {w59 + " " + w59 + " z", {w59 + " \n", w59 + " \n", "z"}},
             {"a\rbc", {"a\n", "c"}}}) {  // the byte after a CR is passed over whatever it is
        // clang-format on
        EXPECT_EQ(SplitBodyLines(body), lines) << body;
    }
    Deck deck;
    test::FillDeck(deck, {"m", "Smith, John"});
    deck.SetBody(0, "x\r\n");
    deck.SetBody(1, "\na,\"b\"\tc\nd\ne");  // a lone LF takes the byte before it along
    std::ostringstream csv;
    ASSERT_TRUE(WriteCommaDelimitedExport(csv, deck));
    EXPECT_EQ(csv.str(), "m,x  \nSmith, John, a \"b\"\t    e\n");
}

}  // namespace
}  // namespace tabula
