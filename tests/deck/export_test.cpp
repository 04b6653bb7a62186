#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deck/export.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

using S = std::string;
using Lines = std::vector<S>;
const S kRule(60, '-');

TEST(Export, BodiesBreakAtLineEndsAndAtTheFirstSpaceFromColumn60) {
    const S w59(59, 'w');
    for (const auto& [body, lines] : std::vector<std::pair<S, Lines>>{
             {"one\r\ntwo", {"one\n", "two"}},
             {"", {""}},
             {"end\r\n", {"end\n", ""}},
             {S(70, 'a') + " more words", {S(70, 'a') + " \n", "more words"}},
             {w59 + " next", {w59 + " \n", "next"}},                  // the 60th character breaks
             {S(58, 'w') + " ab cd", {S(58, 'w') + " ab \n", "cd"}},  // column 59 does not
             {w59 + " " + w59 + " z", {w59 + " \n", w59 + " \n", "z"}},
             {"a\rbc", {"a\n", "c"}},  // the byte after a CR is passed over whatever it is
         }) {
        EXPECT_EQ(SplitBodyLines(body), lines) << body;
    }
    Card card("Name");
    card.SetBody(w59 + " " + S(58, 'v') + " a b");
    S block;
    AppendCardTextBlock(block, card, "\r\n");
    EXPECT_EQ(block, "Name\r\n" + w59 + " \r\n" + S(58, 'v') + " a \r\nb\r\n" + kRule + "\r\n\r\n");
}

TEST(Export, BothFormsListTheCardsFromTheFrontCard) {
    Deck deck;
    test::FillDeck(deck, {"a", "b", "m", "Smith, John"});
    deck.SetBody(0, "Tel 1\r\nFax 2");
    deck.SetBody(1, "x\r\n");
    deck.SetBody(3, "\na,\"b\"\tc\nd\ne");  // a lone LF takes the byte before it along
    deck.BringToFront(2);
    std::ostringstream text, csv;
    ASSERT_TRUE(WriteTextExport(text, deck));
    EXPECT_EQ(text.str(), "m\r\n\r\n" + kRule +
                              "\r\n\r\nSmith, John\r\n\r\na,\"b\"\tc\r\nd\r\ne\r\n" + kRule +
                              "\r\n\r\na\r\nTel 1\r\nFax 2\r\n" + kRule + "\r\n\r\nb\r\nx\r\n\r\n" +
                              kRule + "\r\n\r\n");
    ASSERT_TRUE(WriteCommaDelimitedExport(csv, deck));
    EXPECT_EQ(csv.str(), "m,\nSmith, John, a \"b\"\t    e\na,Tel 1  Fax 2\nb,x  \n");

    test::TempDir dir;
    ASSERT_TRUE(WriteCommaDelimitedExport(dir / "out.txt", deck).ok());
    EXPECT_EQ(test::ReadFileBytes(dir / "out.txt"), csv.str());
    const auto bad = dir / "missing" / "out.txt";
    const ReplaceResult result = WriteTextExport(bad, deck);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(
        ExportMessage(result, bad.string()).starts_with("File Error - \"" + bad.string() + "\": "));
}

}  // namespace
}  // namespace tabula
