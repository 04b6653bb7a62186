#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "deck/deck_file.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

using namespace test;
using S = std::string;

S Saved(const Deck& deck) {
    std::ostringstream out;
    EXPECT_TRUE(WriteDeckFile(out, deck));
    return out.str();
}
DeckReadResult Read(const S& bytes, Deck& deck) {
    std::istringstream in(bytes);
    return ReadDeckFile(in, deck);
}
// A read into an empty deck: status, cards read, the count announced, the ring and the message.
S Outcome(const S& bytes) {
    Deck deck;
    const DeckReadResult r = Read(bytes, deck);
    return std::to_string(static_cast<int>(r.status)) + " " + std::to_string(r.cards_read) + " " +
           std::to_string(r.announced) + " " + Ring(deck) + " / " + DeckReadMessage(r, "d.tbx");
}

TEST(DeckFile, SavesEveryFieldWholeFromTheFrontCardAndReadsLargeFilesBack) {
    Deck deck;
    // Only a file gives 42 bytes without a terminator; a shorter index zero-fills the rest.
    deck.CreateCard(S(50, 'y')).SetIndex(S("ab\0cd", 5));
    deck.CreateCard(S(41, 'i')).SetBody(S(600, 'b'));
    FillDeck(deck, {"apple", "fig", "pear"});  // ab, apple, fig, iii, pear
    deck.SetBody(1, "red\r\ngreen");
    deck.SetTagged(2, true);
    deck.BringToFront(2);
    // clang-format off
    EXPECT_EQ(Saved(deck), DeckFileBytes({{"fig", "", 1}, {S(41, 'i'), S(511, 'b')}, {"pear", ""}, {"ab", ""},
                                          {"apple", "red\r\ngreen"}}));
    // clang-format on
    Deck cleaned;
    S foreign = DeckFileBytes({{"a", "b"}});
    foreign[8 + 5] = foreign[8 + 16] = foreign[8 + 42 + 300] =
        'G';  // after the terminators: not kept
    Read(foreign, cleaned);
    EXPECT_EQ(Saved(cleaned), DeckFileBytes({{"a", "b"}}));
    // Enough cards that reading takes many blocks and the deck's memory more than one chunk.
    std::vector<CardSpec> cards;
    for (int i = 0; i < 33'000; ++i) {
        cards.push_back({"c" + std::to_string(100'000 + i), S(i % 510, 'x') + "\r\n", i % 7 == 0});
    }
    cards.push_back({S(42, 'z'), S(511, 'q'), 1});
    Deck large;
    EXPECT_EQ(Read(DeckFileBytes(cards), large).status, DeckReadResult::Status::kOk);
    EXPECT_TRUE(Saved(large) == DeckFileBytes(cards));  // EXPECT_EQ would print it all
}

TEST(DeckFile, ForeignCutAndLyingFilesAndBadPathsSayWhatTheyGave) {
    const S whole = DeckFileBytes({{"c", "3"}, {"a", "1"}, {"b", "2"}}),
            two = whole.substr(0, 8 + 2 * 558);
    const S foreign = "2 0 0  / File Error - Incompable File";
    const S cut2 = "a=1|c=3 / File Error - \"d.tbx\" is cut short: 2 complete cards were read.";
    // clang-format off
    for (const auto& [bytes, expected] : std::vector<std::pair<S, S>>{
             {S("\xAC\xAA\0\0\x01\0\0\0", 8) + S(558, 'a'), foreign}, {"Dear Sir,\r\n", foreign},
             {S("\xAB\xAA\0", 3), foreign}, {"", foreign}, {DeckFileBytes({{"pear", "p", 2}}), "0 1 1 pear*=p / "},
             {DeckFileBytes({{"b", "two"}, {"a", "one"}}, 0xAAAA), "0 2 2 a=one|b=two / "},
             {whole.substr(0, 8 + 558 * 2 + 100), "3 2 3 " + cut2},
             {whole.substr(0, 8 + 558 + 1), "3 1 3 c=3 / File Error - \"d.tbx\" is cut short: 1 complete card was read."},
             {S(two).replace(4, 4, U32Bytes(0)), "0 0 0  / "}, {S(two).replace(4, 4, U32Bytes(-1)), "0 0 -1  / "},
             {S(two).replace(4, 4, U32Bytes(INT_MIN)), "0 0 -2147483648  / "}, {S(two).replace(4, 4, U32Bytes(1)), "0 1 1 c=3 / "},
             {S(two).replace(4, 4, U32Bytes(3)), "3 2 3 " + cut2}, {S(two).replace(4, 4, U32Bytes(INT_MAX)), "3 2 2147483647 " + cut2}}) {
        EXPECT_EQ(Outcome(bytes), expected);
    }
    // clang-format on
    const S rings[] = {"", "c=3", "a=1|c=3"};
    for (std::size_t length = 4; length < whole.size(); ++length) {
        const std::size_t complete = length < 8 ? 0 : (length - 8) / 558;
        ASSERT_TRUE(Outcome(whole.substr(0, length))
                        .starts_with("3 " + std::to_string(complete) +
                                     (length < 8 ? " 0 " : " 3 ") + rings[complete] + " / "))
            << length;
    }
    TempDir dir;
    Deck deck;
    EXPECT_EQ(DeckReadMessage(ReadDeckFile(dir / "d.tbx", deck), "d.tbx") + " / " +
                  DeckWriteMessage(WriteDeckFile(dir / "no" / "d.tbx", deck), "d.tbx"),
              "File Error - \"d.tbx\" / File Error - \"d.tbx\"");
    ASSERT_TRUE(WriteDeckFile(dir / "d.tbx", deck).ok());
    std::filesystem::permissions(dir / "d.tbx", std::filesystem::perms::owner_read);
    EXPECT_EQ(DeckWriteMessage(WriteDeckFile(dir / "d.tbx", deck), "d.tbx"),
              "File Error - \"d.tbx\" is write-protected.");
    const auto no_space = std::make_error_code(std::errc::no_space_on_device);
    EXPECT_EQ(DeckWriteMessage({ReplaceResult::Status::kPartlyWritten, no_space}, "d.tbx"),
              "File Error - \"d.tbx\" was not saved: " + no_space.message() +
                  "; the file was being written in place and is now incomplete. The deck is "
                  "still open: save it again, or under another name.");
}

}  // namespace
}  // namespace tabula
