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
using Status = DeckReadResult::Status;

S Saved(const Deck& deck) {
    std::ostringstream out;
    EXPECT_TRUE(WriteDeckFile(out, deck));
    return out.str();
}

DeckReadResult Read(const S& bytes, Deck& deck) {
    std::istringstream in(bytes);
    return ReadDeckFile(in, deck);
}

TEST(DeckFile, SavesEveryFieldWholeFromTheFrontCardAndReadsItBack) {
    Deck deck;
    // Only a file gives 42 bytes without a terminator; a shorter index zero-fills the rest.
    deck.CreateCard(S(50, 'y')).SetIndex(S("ab\0cd", 5));
    deck.CreateCard(S(41, 'i')).SetBody(S(600, 'b'));
    FillDeck(deck, {"apple", "fig", "pear"});  // ab, apple, fig, iii, pear
    deck.SetBody(1, "red\r\ngreen");
    deck.SetTagged(2, true);
    deck.BringToFront(2);
    const S bytes = Saved(deck);
    EXPECT_EQ(bytes, DeckFileBytes({{"fig", "", 1},
                                    {S(41, 'i'), S(511, 'b')},
                                    {"pear", ""},
                                    {"ab", ""},
                                    {"apple", "red\r\ngreen"}}));
    EXPECT_EQ(bytes.size(), 8u + 5 * 558);

    Deck mine;
    FillDeck(mine, {"apple"});
    mine.SetBody(0, "mine");
    EXPECT_EQ(
        Read(DeckFileBytes({{"pear", "p", 2}, {"apple", "a"}, {"fig", "f"}}), mine).cards_read, 3);
    EXPECT_EQ(Ring(mine), "apple=mine|apple=a|fig=f|pear*=p");  // a merge: the deck's own first
    Deck old;
    const DeckReadResult result = Read(DeckFileBytes({{"b", "two"}, {"a", "one"}}, 0xAAAA), old);
    EXPECT_EQ(result.magic, kDeckMagicUntagged);
    EXPECT_EQ(Saved(old), DeckFileBytes({{"a", "one"}, {"b", "two"}}));
    S foreign = DeckFileBytes({{"a", "b"}});
    foreign[8 + 5] = foreign[8 + 42 + 300] = 'G';  // after the terminators: not carried over
    Deck cleaned;
    Read(foreign, cleaned);
    EXPECT_EQ(Saved(cleaned), DeckFileBytes({{"a", "b"}}));
}

// Enough cards that reading takes many blocks and the deck's memory more than one chunk.
TEST(DeckFile, LargeFilesReadAndSaveByteForByteInBothLayouts) {
    std::vector<CardSpec> cards, untagged;
    for (int i = 0; i < 33'000; ++i) {
        const S index = "card " + std::to_string(100'000 + i);
        cards.push_back({index, S(i % 510, 'x') + "\r\n", i % 7 == 0});
        untagged.push_back({index, cards.back().body});
    }
    cards.push_back({S(42, 'z'), S(511, 'q'), 1});
    untagged.push_back({S(42, 'z'), S(511, 'q')});
    Deck deck;
    EXPECT_EQ(Read(DeckFileBytes(cards), deck).status, Status::kOk);
    EXPECT_TRUE(Saved(deck) == DeckFileBytes(cards));  // EXPECT_EQ would print it all
    Deck old;
    EXPECT_EQ(Read(DeckFileBytes(cards, 0xAAAA), old).status, Status::kOk);
    EXPECT_TRUE(Saved(old) == DeckFileBytes(untagged));
}

TEST(DeckFile, ForeignCutAndLyingFilesSayWhatTheyGave) {
    for (const S& bytes : {S("\xAC\xAA\0\0\x01\0\0\0", 8) + S(558, 'a'), S("Dear Sir,\r\n"),
                           S("\xAB\xAA\0", 3), S()}) {
        Deck deck;
        const DeckReadResult r = Read(bytes, deck);
        EXPECT_TRUE(r.status == Status::kIncompatible && deck.Count() == 0);
        EXPECT_EQ(DeckReadMessage(r, "x.tbx"), "File Error - Incompable File");
    }
    const S whole = DeckFileBytes({{"c", "3"}, {"a", "1"}, {"b", "2"}});
    for (std::size_t length = 4; length < whole.size(); ++length) {
        Deck deck;
        const DeckReadResult r = Read(whole.substr(0, length), deck);
        const int complete = length < 8 ? 0 : static_cast<int>((length - 8) / 558);
        ASSERT_TRUE(r.status == Status::kTruncated && r.cards_read == complete &&
                    deck.Count() == complete)
            << length;
    }
    Deck two, one;
    EXPECT_EQ(DeckReadMessage(Read(whole.substr(0, 8 + 558 * 2 + 100), two), "/tmp/d.tbx"),
              "File Error - \"/tmp/d.tbx\" is cut short: 2 complete cards were read.");
    EXPECT_EQ(Ring(two), "a=1|c=3");
    EXPECT_EQ(DeckReadMessage(Read(whole.substr(0, 8 + 558 + 1), one), "d.tbx"),
              "File Error - \"d.tbx\" is cut short: 1 complete card was read.");
    // The count in the header against the two cards the file holds: status and cards read.
    for (const auto& [count, facts] : std::vector<std::pair<std::int32_t, int>>{
             {0, 0}, {-1, 0}, {INT_MIN, 0}, {1, 1}, {3, 32}, {INT_MAX, 32}}) {
        Deck deck;
        const DeckReadResult r = Read(DeckFileBytes({{"a", "1"}, {"b", "2"}}, 0xAAAB, count), deck);
        EXPECT_EQ(10 * static_cast<int>(r.status) + deck.Count() + 0 * (r.announced - count),
                  facts);
        EXPECT_EQ(r.announced, count);
    }
}

TEST(DeckFile, PathsThatCannotBeReadOrWrittenLeaveTheOldFile) {
    TempDir dir;
    Deck deck;
    FillDeck(deck, {"a", "b"});
    for (const auto& path : {dir / "missing.tbx", dir.path()}) {
        const DeckReadResult r = ReadDeckFile(path, deck);
        EXPECT_EQ(DeckReadMessage(r, path.string()) + std::to_string(static_cast<int>(r.status)),
                  "File Error - \"" + path.string() + "\"1");
    }
    const auto path = dir / "deck.tbx";
    ASSERT_TRUE(WriteDeckFile(path, deck).ok());
    EXPECT_EQ(ReadFileBytes(path), Saved(deck));
    for (const auto& bad : {dir / "no" / "deck.tbx", dir.path()}) {
        const ReplaceResult r = WriteDeckFile(bad, deck);
        EXPECT_TRUE(r.status == ReplaceResult::Status::kCannotCreate) << bad;
        EXPECT_EQ(DeckWriteMessage(r, bad.string()), "File Error - \"" + bad.string() + "\"");
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(DeckWriteMessage(WriteDeckFile(path, Deck()), "d.tbx"),
              "File Error - \"d.tbx\" is write-protected.");
    EXPECT_EQ(ReadFileBytes(path), Saved(deck));
    const auto no_space = std::make_error_code(std::errc::no_space_on_device);
    EXPECT_EQ(DeckWriteMessage({ReplaceResult::Status::kPartlyWritten, no_space}, "d.tbx"),
              "File Error - \"d.tbx\" was not saved: " + no_space.message() +
                  "; the file was being written in place and is now incomplete. The deck is "
                  "still open: save it again, or under another name.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace tabula
