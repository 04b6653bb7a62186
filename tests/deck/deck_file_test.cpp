#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "deck/deck_file.h"
#include "support/deck_builders.h"
#include "support/temp_dir.h"

namespace tabula {
using namespace std::string_literals;
namespace {

using Status = DeckReadResult::Status;
using test::CardSpec;
using test::DeckFileBytes;
using test::RingIndexes;
using Ring = std::vector<std::string>;

std::string Saved(const Deck& deck) {
    std::ostringstream out;
    EXPECT_TRUE(WriteDeckFile(out, deck));
    return out.str();
}

DeckReadResult ReadBytes(const std::string& bytes, Deck& deck) {
    std::istringstream in(bytes);
    return ReadDeckFile(in, deck);
}

TEST(DeckFile, ThreeCardsSaveAs1682BytesFromTheFrontCard) {
    Deck deck;
    test::FillDeck(deck, {"apple", "fig", "pear"});
    deck.SetBody(0, "red\r\ngreen");
    deck.SetTagged(1, true);
    deck.BringToFront(1);  // fig, pear, apple
    const std::string bytes = Saved(deck);
    ASSERT_EQ(bytes.size(), 1682u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\xAB\xAA\x00\x00\x03\x00\x00\x00", 8));
    EXPECT_EQ(bytes.substr(8, 4), "fig\0"s);
    EXPECT_EQ(bytes.substr(8 + 554, 4), "\x01\x00\x00\x00"s);  // fig is tagged
    EXPECT_EQ(bytes.substr(8 + 558, 5), "pear\0"s);
    EXPECT_EQ(bytes.substr(8 + 558 + 554, 4), "\x00\x00\x00\x00"s);  // pear is not
    EXPECT_EQ(bytes.substr(8 + 2 * 558 + 42, 11), "red\r\ngreen\0"s);
    // Nothing but zeros after each terminator.
    for (std::size_t i = 8 + 2 * 558 + 6; i < 8 + 2 * 558 + 42; ++i) {
        EXPECT_EQ(bytes[i], '\0') << i;
    }
    for (std::size_t i = 8 + 2 * 558 + 42 + 10; i < 8 + 2 * 558 + 554; ++i) {
        EXPECT_EQ(bytes[i], '\0') << i;
    }
}

TEST(DeckFile, FullFieldsKeepTheirTerminatorInTheLastByte) {
    Deck deck;
    deck.CreateCard(std::string(41, 'i')).SetBody(std::string(600, 'b'));
    deck.SortCards();
    const std::string bytes = Saved(deck);
    EXPECT_EQ(bytes.substr(8, 42), std::string(41, 'i') + '\0');
    EXPECT_EQ(bytes.substr(50, 512), std::string(511, 'b') + '\0');
}

TEST(DeckFile, ReadingSortsAndAppends) {
    Deck deck;
    const auto result =
        ReadBytes(DeckFileBytes({{"pear", "p"}, {"apple", "a", 1}, {"fig", "f"}}), deck);
    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.cards_read, 3);
    EXPECT_EQ(RingIndexes(deck), (Ring{"apple", "fig", "pear"}));
    EXPECT_TRUE(deck.Front().Tagged());
    EXPECT_EQ(deck.Front().Body(), "a");

    // A merge: the deck's own apple stays before the file's.
    deck.SetBody(0, "mine");
    ReadBytes(DeckFileBytes({{"apple", "theirs"}}), deck);
    EXPECT_EQ(RingIndexes(deck), (Ring{"apple", "apple", "fig", "pear"}));
    EXPECT_EQ(deck.At(0).Body(), "mine");
    EXPECT_EQ(deck.At(1).Body(), "theirs");
}

TEST(DeckFile, OlderLayoutReadsUntaggedAndSavesInTheNewOne) {
    Deck deck;
    const std::string old = DeckFileBytes({{"b", "two"}, {"a", "one"}}, 0xAAAA);
    ASSERT_EQ(old.size(), 8u + 2 * 554);
    const auto result = ReadBytes(old, deck);
    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.magic, kDeckMagicUntagged);
    EXPECT_EQ(RingIndexes(deck), (Ring{"a", "b"}));
    EXPECT_FALSE(deck.At(0).Tagged());
    EXPECT_EQ(Saved(deck), DeckFileBytes({{"a", "one"}, {"b", "two"}}));
}

TEST(DeckFile, RoundTripsAreByteIdentical) {
    std::vector<CardSpec> cards;
    for (int i = 0; i < 200; ++i) {
        cards.push_back(
            {"card " + std::to_string(i % 37), std::string(i % 511, 'x') + "\r\n", i % 3 == 0});
    }
    cards.push_back({std::string(42, 'z'), std::string(511, 'q'), 1});  // index without terminator
    Deck first;
    ReadBytes(DeckFileBytes(cards), first);
    const std::string once = Saved(first);
    Deck second;
    ReadBytes(once, second);
    EXPECT_EQ(Saved(second), once);
    EXPECT_EQ(second.At(second.Count() - 1).Index(), std::string(42, 'z'));
}

// Enough cards that reading takes many blocks and the deck's memory more than one chunk.
TEST(DeckFile, LargeFilesReadWholeInBothLayouts) {
    std::vector<CardSpec> cards;
    std::vector<CardSpec> untagged;
    for (int i = 0; i < 33'000; ++i) {
        const std::string index = "card " + std::to_string(100'000 + i);
        cards.push_back({index, std::string(i % 512, 'x'), i % 7 == 0});
        untagged.push_back({index, std::string(i % 512, 'x'), 0});
    }
    Deck deck;
    EXPECT_EQ(ReadBytes(DeckFileBytes(cards), deck).status, Status::kOk);
    EXPECT_EQ(Saved(deck), DeckFileBytes(cards));
    Deck old;
    EXPECT_EQ(ReadBytes(DeckFileBytes(cards, 0xAAAA), old).status, Status::kOk);
    EXPECT_EQ(Saved(old), DeckFileBytes(untagged));
}

TEST(DeckFile, ForeignBytesAfterTerminatorsAreNotCarriedOver) {
    std::string bytes = DeckFileBytes({{"a", "b"}});
    bytes[8 + 5] = 'G';         // after the index's terminator
    bytes[8 + 42 + 300] = 'G';  // after the body's
    Deck deck;
    ReadBytes(bytes, deck);
    EXPECT_EQ(Saved(deck), DeckFileBytes({{"a", "b"}}));
}

TEST(DeckFile, UnknownMagicAddsNothing) {
    for (const std::string& bytes :
         {std::string("\xAC\xAA\x00\x00\x01\x00\x00\x00", 8) + std::string(558, 'a'),
          std::string("Dear Sir,\r\nthis is a letter.\r\n"), std::string("\xAB\xAA\x00"),
          std::string()}) {
        Deck deck;
        const auto result = ReadBytes(bytes, deck);
        EXPECT_EQ(result.status, Status::kIncompatible);
        EXPECT_EQ(deck.Count(), 0);
        EXPECT_EQ(DeckReadMessage(result, "x.tbx"), "File Error - Incompable File");
    }
}

TEST(DeckFile, CutAnywhereKeepsTheCompleteCardsAndSaysSo) {
    const std::string whole = DeckFileBytes({{"c", "3"}, {"a", "1"}, {"b", "2"}});
    for (std::size_t length = 4; length < whole.size(); ++length) {
        Deck deck;
        const auto result = ReadBytes(whole.substr(0, length), deck);
        const int complete = length < 8 ? 0 : static_cast<int>((length - 8) / 558);
        ASSERT_EQ(result.status, Status::kTruncated) << length;
        ASSERT_EQ(result.cards_read, complete) << length;
        ASSERT_EQ(deck.Count(), complete) << length;
    }
    Deck deck;
    const auto result = ReadBytes(whole.substr(0, 8 + 558 * 2 + 100), deck);
    EXPECT_EQ(RingIndexes(deck), (Ring{"a", "c"}));  // sorted
    EXPECT_EQ(DeckReadMessage(result, "/tmp/d.tbx"),
              "File Error - \"/tmp/d.tbx\" is cut short: 2 complete cards were read.");
    Deck one;
    EXPECT_EQ(DeckReadMessage(ReadBytes(whole.substr(0, 8 + 558 + 1), one), "d.tbx"),
              "File Error - \"d.tbx\" is cut short: 1 complete card was read.");
}

TEST(DeckFile, CountsThatLie) {
    const std::vector<CardSpec> two = {{"a", "1"}, {"b", "2"}};
    struct Case {
        std::int32_t count;
        Status status;
        int cards;
    };
    for (const Case& c : {Case{0, Status::kOk, 0}, Case{-1, Status::kOk, 0},
                          Case{INT_MIN, Status::kOk, 0}, Case{1, Status::kOk, 1},
                          Case{3, Status::kTruncated, 2}, Case{INT_MAX, Status::kTruncated, 2}}) {
        Deck deck;
        const auto result = ReadBytes(DeckFileBytes(two, 0xAAAB, c.count), deck);
        EXPECT_EQ(result.status, c.status) << c.count;
        EXPECT_EQ(deck.Count(), c.cards) << c.count;
        EXPECT_EQ(result.announced, c.count);
    }
}

TEST(DeckFile, PathsThatCannotBeRead) {
    test::TempDir dir;
    Deck deck;
    for (const auto& path : {dir / "missing.tbx", dir.path()}) {
        const auto result = ReadDeckFile(path, deck);
        EXPECT_EQ(result.status, Status::kCannotOpen);
        EXPECT_EQ(DeckReadMessage(result, path.string()), "File Error - \"" + path.string() + "\"");
    }
    EXPECT_EQ(deck.Count(), 0);
}

TEST(DeckFile, SavingReplacesTheFileWholeOrLeavesItAsItWas) {
    test::TempDir dir;
    Deck deck;
    test::FillDeck(deck, {"a", "b"});
    const auto path = dir / "deck.tbx";
    ASSERT_TRUE(WriteDeckFile(path, deck).ok());
    EXPECT_EQ(test::ReadFileBytes(path), Saved(deck));

    // A folder that does not exist, a folder in the file's place.
    for (const auto& bad : {dir / "no" / "deck.tbx", dir.path()}) {
        const ReplaceResult result = WriteDeckFile(bad, deck);
        EXPECT_EQ(result.status, ReplaceResult::Status::kCannotCreate) << bad;
        EXPECT_EQ(DeckWriteMessage(result, bad.string()), "File Error - \"" + bad.string() + "\"");
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(DeckWriteMessage(WriteDeckFile(path, Deck()), "d.tbx"),
              "File Error - \"d.tbx\" is write-protected.");
    EXPECT_EQ(test::ReadFileBytes(path), Saved(deck));
    const auto no_space = std::make_error_code(std::errc::no_space_on_device);
    EXPECT_EQ(DeckWriteMessage({ReplaceResult::Status::kPartlyWritten, no_space}, "d.tbx"),
              "File Error - \"d.tbx\" was not saved: " + no_space.message() +
                  "; the file was being written in place and is now incomplete. The deck is "
                  "still open: save it again, or under another name.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tabula
