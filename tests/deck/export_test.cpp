#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "deck/export.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

using Lines = std::vector<std::string>;

Card WithBody(std::string index, std::string body) {
    Card card(index);
    card.SetBody(body);
    return card;
}

TEST(SplitBodyLines, BreaksAtCrLfAndAtTheFirstSpaceFromColumn60) {
    EXPECT_EQ(SplitBodyLines("one\r\ntwo"), (Lines{"one\n", "two"}));
    EXPECT_EQ(SplitBodyLines(""), (Lines{""}));
    EXPECT_EQ(SplitBodyLines("end\r\n"), (Lines{"end\n", ""}));

    const std::string seventy(70, 'a');
    EXPECT_EQ(SplitBodyLines(seventy + " more words"), (Lines{seventy + " \n", "more words"}));

    // The 60th character is a space: the line holds 60 characters.
    const std::string words = std::string(59, 'w') + " next";
    EXPECT_EQ(SplitBodyLines(words), (Lines{std::string(59, 'w') + " \n", "next"}));
    // A space in column 59 does not break; the next one (column 62) does.
    const std::string early = std::string(58, 'w') + " ab cd";
    EXPECT_EQ(SplitBodyLines(early), (Lines{std::string(58, 'w') + " ab \n", "cd"}));
    // Columns count again from 1 after a break.
    const std::string two = std::string(59, 'x') + " " + std::string(59, 'y') + " z";
    EXPECT_EQ(SplitBodyLines(two),
              (Lines{std::string(59, 'x') + " \n", std::string(59, 'y') + " \n", "z"}));
    // The byte after a CR is passed over whatever it is.
    EXPECT_EQ(SplitBodyLines("a\rbc"), (Lines{"a\n", "c"}));
}

std::string CardTextBlock(const Card& card) {
    std::string block;
    AppendCardTextBlock(block, card, "\n");
    return block;
}

TEST(CardTextBlock, IsIndexBodyRuleAndEmptyLine) {
    const std::string rule(60, '-');
    EXPECT_EQ(CardTextBlock(WithBody("Name", "one\r\ntwo")), "Name\none\ntwo\n" + rule + "\n\n");
    EXPECT_EQ(CardTextBlock(WithBody("Empty", "")), "Empty\n\n" + rule + "\n\n");
    EXPECT_EQ(CardTextBlock(WithBody("Ends", "x\r\n")), "Ends\nx\n\n" + rule + "\n\n");
}

TEST(CardTextBlock, HoldsTheBodyLinesOfSplitBodyLinesForAnyBody) {
    std::mt19937 random(7);
    const std::string alphabet = "ab \r\n,";
    for (int round = 0; round < 2000; ++round) {
        std::string body;
        const std::size_t length = random() % 200;
        for (std::size_t i = 0; i < length; ++i) {
            body += alphabet[random() % alphabet.size()];
        }
        const Card card = WithBody("i", body);
        std::string expected = "i\n";
        for (const std::string& line : SplitBodyLines(card.Body())) {
            expected += line;
        }
        expected += "\n" + std::string(60, '-') + "\n\n";
        ASSERT_EQ(CardTextBlock(card), expected) << round;
        std::string crlf;
        for (const char c : expected) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        std::string appended;
        AppendCardTextBlock(appended, card, "\r\n");
        ASSERT_EQ(appended, crlf) << round;
    }
}

TEST(CommaDelimitedLine, TurnsBreaksAndCommasIntoSpaces) {
    EXPECT_EQ(CommaDelimitedLine(WithBody("Smith, John", "Tel 1\r\nFax 2")),
              "Smith, John,Tel 1  Fax 2\n");
    EXPECT_EQ(CommaDelimitedLine(WithBody("q", "a,\"b\"\tc")), "q,a \"b\"\tc\n");
    // A lone LF takes the byte before it along; at the very start there is none.
    EXPECT_EQ(CommaDelimitedLine(WithBody("l", "\nab\ncd")), "l, a  cd\n");
}

TEST(Export, BothFormsListTheCardsFromTheFrontCardWithTheirOwnLineEnds) {
    Deck deck;
    test::FillDeck(deck, {"a", "b", "m", "z"});
    deck.BringToFront(2);
    deck.StoreFrontBody("one\r\ntwo");

    std::ostringstream text;
    ASSERT_TRUE(WriteTextExport(text, deck));
    const std::string rule(60, '-');
    EXPECT_EQ(text.str(), "m\r\none\r\ntwo\r\n" + rule + "\r\n\r\n" + "z\r\n\r\n" + rule +
                              "\r\n\r\n" + "a\r\n\r\n" + rule + "\r\n\r\n" + "b\r\n\r\n" + rule +
                              "\r\n\r\n");

    std::ostringstream csv;
    ASSERT_TRUE(WriteCommaDelimitedExport(csv, deck));
    EXPECT_EQ(csv.str(), "m,one  two\nz,\na,\nb,\n");
}

TEST(Export, WritesFilesAndReportsAPathThatCannotBeWritten) {
    test::TempDir dir;
    Deck deck;
    test::FillDeck(deck, {"x"});
    ASSERT_TRUE(WriteCommaDelimitedExport(dir / "out.txt", deck).ok());
    EXPECT_EQ(test::ReadFileBytes(dir / "out.txt"), "x,\n");

    const auto bad = dir / "missing" / "out.txt";
    const ReplaceResult result = WriteTextExport(bad, deck);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(
        ExportMessage(result, bad.string()).rfind("File Error - \"" + bad.string() + "\": ", 0),
        0u);
}

}  // namespace
}  // namespace tabula
