#include "deck/cardfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck/little_endian.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using test::CardfileCard;
using test::MgcFileBytes;
using test::RingIndexes;
using test::RrgCard;
using test::RrgFileBytes;
using Status = CardfileResult::Status;

constexpr CardfileOptions kAcceptRrg{.accept_rrg = true};

std::vector<std::string> Bodies(const Deck& deck) {
    std::vector<std::string> bodies;
    for (int k = 0; k < deck.Count(); ++k) {
        bodies.emplace_back(deck.At(k).Body());
    }
    return bodies;
}

void PatchU16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes.replace(at, 2, test::U16Bytes(value));
}

void PatchU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    bytes.replace(at, 4, test::U32Bytes(value));
}

// Where card k's data starts, read back from its index entry.
std::size_t DataOffset(const std::string& bytes, std::size_t header, int k) {
    return ReadU32(bytes.data() + header + 52 * static_cast<std::size_t>(k) + 6);
}
std::size_t MgcData(const std::string& bytes, int k) {
    return DataOffset(bytes, 5, k);
}
std::size_t RrgData(const std::string& bytes, int k) {
    return DataOffset(bytes, 9, k);
}

// --- "MGC" ---------------------------------------------------------------------------------

TEST(CardfileMgc, ImportsEveryCardWithTheSmallestIndexInFront) {
    const std::string bytes =
        MgcFileBytes({{"Zebra", "stripes", ""}, {"apple", "red", ""}, {"Mango", "", ""}});
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.layout, CardfileLayout::kMgc);
    EXPECT_EQ(result.announced, 3);
    EXPECT_EQ(result.cards_read, 3);
    EXPECT_EQ(result.objects_dropped, 0);
    EXPECT_EQ(CardfileMessage(result), "");
    EXPECT_EQ(RingIndexes(deck), (std::vector<std::string>{"apple", "Mango", "Zebra"}));
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"red", "", "stripes"}));
    for (int k = 0; k < deck.Count(); ++k) {
        EXPECT_FALSE(deck.At(k).Tagged());
    }
}

TEST(CardfileMgc, DropsPicturesAndKeepsTheirCardsText) {
    const std::string bytes = MgcFileBytes({{"bird", "Tweet\r\ntweet", std::string(300, '\x55')},
                                            {"cat", "Meow", ""},
                                            {"dog", "", std::string(1, '\x7F')}});
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.objects_dropped, 2);
    EXPECT_EQ(RingIndexes(deck), (std::vector<std::string>{"bird", "cat", "dog"}));
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"Tweet\r\ntweet", "Meow", ""}));
}

TEST(CardfileMgc, CutsTextsAsEveryBodyIsCut) {
    const std::string long_text = std::string(500, 'x') + std::string(100, 'y');
    const std::string bytes = MgcFileBytes({{"a long", long_text, ""},
                                            {"b zero", std::string("abc\0def", 7), ""},
                                            {"c empty", "", ""}});
    Deck deck;
    ReadCardfile(bytes, deck);

    ASSERT_EQ(deck.Count(), 3);
    EXPECT_EQ(deck.At(0).Body(), long_text.substr(0, 511));
    EXPECT_EQ(deck.At(1).Body(), "abc");
    EXPECT_EQ(deck.At(2).Body(), "");
}

TEST(CardfileMgc, KeepsAFortyCharacterIndexWholeAndItsBytesAsTheyAre) {
    const std::string forty = "0123456789012345678901234567890123456789";
    const std::string bytes = MgcFileBytes({{forty, "full", ""}, {"Caf\xE9", "accent", ""}});
    Deck deck;
    ReadCardfile(bytes, deck);

    EXPECT_EQ(RingIndexes(deck), (std::vector<std::string>{forty, "Caf\xE9"}));
}

TEST(CardfileMgc, CountZeroGivesNoCards) {
    Deck deck;
    const CardfileResult result = ReadCardfile(MgcFileBytes({}), deck);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.announced, 0);
    EXPECT_TRUE(deck.Empty());
}

TEST(CardfileMgc, CardsWithEqualIndexesAllBecomeCardsInFileOrder) {
    const std::string bytes =
        MgcFileBytes({{"pear", "first", ""}, {"apple", "fruit", ""}, {"pear", "second", ""}});
    Deck deck;
    ReadCardfile(bytes, deck);

    EXPECT_EQ(RingIndexes(deck), (std::vector<std::string>{"apple", "pear", "pear"}));
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"fruit", "first", "second"}));
}

// --- Signatures ----------------------------------------------------------------------------

TEST(CardfileSignature, AnyOtherFileIsNotCompatibleAndAddsNothing) {
    const std::vector<std::string> others = {
        "",
        "M",
        "MG",
        std::string("mgc\0\0", 5),
        std::string("MGc\0\0", 5),
        std::string("DKO\0\0", 5),
        test::DeckFileBytes({{"apple", "red"}}),
        "Hello, world\r\n",
    };
    for (const std::string& bytes : others) {
        Deck deck;
        deck.CreateCard("kept");
        const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

        EXPECT_EQ(result.status, Status::kNotCompatible) << testing::PrintToString(bytes);
        EXPECT_EQ(CardfileMessage(result), "File not compatible");
        EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"kept"});
    }
}

TEST(CardfileSignature, RrgIsRefusedUnlessTheCallerAcceptsIt) {
    const std::string bytes = RrgFileBytes({{"apple", "red"}});
    Deck refused;
    const CardfileResult no = ReadCardfile(bytes, refused);
    EXPECT_EQ(no.status, Status::kNotCompatible);
    EXPECT_EQ(no.layout, CardfileLayout::kRrg);
    EXPECT_EQ(CardfileMessage(no), "File not compatible");
    EXPECT_TRUE(refused.Empty());

    Deck accepted;
    const CardfileResult yes = ReadCardfile(bytes, accepted, kAcceptRrg);
    EXPECT_EQ(yes.status, Status::kOk);
    EXPECT_EQ(RingIndexes(accepted), std::vector<std::string>{"apple"});
}

TEST(CardfileSignature, AFileThatCannotBeOpenedGivesTheOpenError) {
    CardfileResult result;
    result.status = Status::kCannotOpen;
    EXPECT_EQ(CardfileMessage(result), "File error - 25");
    EXPECT_FALSE(ReadWholeFile(TABULA_TEST_DATA "/no such file.crd").has_value());
}

// --- "MGC" damage --------------------------------------------------------------------------
// A card that cannot be read whole ends the import: the cards before it are kept, nothing of
// that card or of those after it.

TEST(CardfileMgcDamage, AFileCutAnywhereKeepsExactlyTheCardsReadWhole) {
    const std::vector<CardfileCard> cards = {
        {"a", "alpha", ""}, {"b", "bravo", std::string(40, '\x11')}, {"c", "", ""}};
    const std::string bytes = MgcFileBytes(cards);
    std::vector<std::size_t> ends;  // where each card's data ends, in file order
    std::size_t at = 5 + 52 * cards.size();
    for (const CardfileCard& card : cards) {
        at += 2 + (card.picture.empty() ? 0 : 8 + card.picture.size()) + 2 + card.text.size();
        ends.push_back(at);
    }
    ASSERT_EQ(ends.back(), bytes.size());

    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes.substr(0, cut), deck);
        if (cut < 3) {
            EXPECT_EQ(result.status, Status::kNotCompatible);
            continue;
        }
        int whole = 0;
        while (whole < 3 && ends[static_cast<std::size_t>(whole)] <= cut) {
            ++whole;
        }
        EXPECT_EQ(result.status, Status::kDamaged);
        EXPECT_EQ(result.cards_read, whole);
        EXPECT_EQ(result.damaged_card, cut < 5 ? -1 : whole);
        EXPECT_FALSE(result.problem.empty());
        const std::vector<std::string> all_bodies = {"alpha", "bravo", ""};
        EXPECT_EQ(Bodies(deck),
                  std::vector<std::string>(all_bodies.begin(), all_bodies.begin() + whole));
    }
}

TEST(CardfileMgcDamage, AHeaderCutShortReadsNoCard) {
    Deck deck;
    const CardfileResult result = ReadCardfile(std::string("MGC\x01", 4), deck);

    EXPECT_EQ(result.status, Status::kDamaged);
    EXPECT_EQ(result.damaged_card, -1);
    EXPECT_EQ(CardfileMessage(result),
              "File damaged: the file ends inside its header. No cards were read.");
}

TEST(CardfileMgcDamage, ADataOffsetOutsideTheFileNamesItsCard) {
    for (const bool at_the_very_end : {false, true}) {
        std::string bytes =
            MgcFileBytes({{"a", "alpha", ""}, {"b", "bravo", ""}, {"c", "charlie", ""}});
        PatchU32(bytes, 5 + 52 + 6,
                 at_the_very_end ? static_cast<std::uint32_t>(bytes.size()) : 0xFFFFFFFFu);
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes, deck);

        EXPECT_EQ(result.status, Status::kDamaged);
        EXPECT_EQ(result.damaged_card, 1);
        EXPECT_EQ(result.damaged_index, "b");
        EXPECT_EQ(CardfileMessage(result),
                  "File damaged at card 2 \"b\": its data lies outside the file. The 1 card "
                  "before it was read.");
        EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
    }
}

TEST(CardfileMgcDamage, APictureOrTextLongerThanTheFileEndsTheImport) {
    std::string picture =
        MgcFileBytes({{"a", "alpha", ""}, {"b", "bravo", "pic"}, {"c", "charlie", ""}});
    PatchU16(picture, MgcData(picture, 1), 0xFFFF);
    std::string text = MgcFileBytes({{"a", "alpha", ""}, {"b", "bravo", ""}, {"c", "charlie", ""}});
    PatchU16(text, MgcData(text, 2) + 2, 0xFFFF);  // after a picture length of 0

    Deck first;
    const CardfileResult in_picture = ReadCardfile(picture, first);
    EXPECT_EQ(CardfileMessage(in_picture),
              "File damaged at card 2 \"b\": the file ends inside its picture. The 1 card "
              "before it was read.");
    EXPECT_EQ(in_picture.objects_dropped, 0);

    Deck second;
    const CardfileResult in_text = ReadCardfile(text, second);
    EXPECT_EQ(CardfileMessage(in_text),
              "File damaged at card 3 \"c\": the file ends inside its text. The 2 cards "
              "before it were read.");
    EXPECT_EQ(RingIndexes(second), (std::vector<std::string>{"a", "b"}));
}

TEST(CardfileMgcDamage, ACountLargerThanTheIndexListStopsAtTheListsEnd) {
    std::string bytes = MgcFileBytes({{"a", "x", ""}});
    PatchU16(bytes, 3, 0xFFFF);
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck);

    EXPECT_EQ(result.announced, 65535);
    EXPECT_EQ(CardfileMessage(result),
              "File damaged at card 2: the file ends inside the list of index lines. The 1 "
              "card before it was read.");
    EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
}

TEST(CardfileMgcDamage, CardsAlreadyInTheDeckSurviveADamagedFile) {
    std::string bytes = MgcFileBytes({{"b", "bravo", ""}});
    bytes.pop_back();
    Deck deck;
    deck.CreateCard("a");
    const CardfileResult result = ReadCardfile(bytes, deck);

    EXPECT_EQ(result.status, Status::kDamaged);
    EXPECT_EQ(CardfileMessage(result),
              "File damaged at card 1 \"b\": the file ends inside its text. No cards were read.");
    EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
}

// --- "RRG" ---------------------------------------------------------------------------------

const std::string kMetafile = test::OleStandardPicture("METAFILEPICT", std::string(64, '\x01'));

TEST(CardfileRrg, ReadsCardsWithoutObjects) {
    const std::string bytes =
        RrgFileBytes({{"Zebra", "stripes"}, {"apple", "red\r\napple"}, {"Mango", ""}});
    // A card with neither object nor text is four zero bytes.
    EXPECT_EQ(bytes.substr(RrgData(bytes, 2)), std::string(4, '\0'));
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.layout, CardfileLayout::kRrg);
    EXPECT_EQ(result.announced, 3);
    EXPECT_EQ(result.objects_dropped, 0);
    EXPECT_EQ(RingIndexes(deck), (std::vector<std::string>{"apple", "Mango", "Zebra"}));
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"red\r\napple", "", "stripes"}));
}

TEST(CardfileRrg, PassesOverAnEmbeddedObjectToItsCardsText) {
    const std::string object =
        test::OleEmbeddedObject("PBrush", std::string(500, '\xAB'), kMetafile);
    const std::string bytes = RrgFileBytes({{"apple", "red", object}, {"banana", "yellow"}});
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(result.objects_dropped, 1);
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"red", "yellow"}));
}

TEST(CardfileRrg, PassesOverEveryKindOfPicture) {
    const std::string native = "native";
    const std::vector<RrgCard> cards = {
        {"a", "no picture", test::OleEmbeddedObject("Package", native, test::OleNoPicture())},
        {"b", "metafile", test::OleEmbeddedObject("PBrush", native, kMetafile)},
        {"c", "bitmap",
         test::OleEmbeddedObject("PBrush", native, test::OleStandardPicture("BITMAP", "bits"))},
        {"d", "dib",
         test::OleEmbeddedObject("PBrush", native, test::OleStandardPicture("DIB", "dib"))},
        {"e", "text format",
         test::OleEmbeddedObject("Note", native, test::OleClipboardPicture("Note", 1, "Hi"))},
        {"f", "named format",
         test::OleEmbeddedObject("Sound", native,
                                 test::OleRegisteredPicture("Sound", "Wave Picture", "~~"))},
    };
    Deck deck;
    const CardfileResult result = ReadCardfile(RrgFileBytes(cards), deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kOk) << CardfileMessage(result);
    EXPECT_EQ(result.objects_dropped, 6);
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"no picture", "metafile", "bitmap", "dib",
                                                      "text format", "named format"}));
}

TEST(CardfileRrg, PassesOverLinkedAndStaticObjects) {
    const std::vector<RrgCard> cards = {
        {"linked", "boat", test::OleLinkedObject("PBrush", "C:\\DATA\\BOAT.BMP", "", kMetafile), 1},
        {"static", "still", test::OleStaticObject("DIB", std::string(99, '\x02')), 2},
        {"zz", "after"},
    };
    Deck deck;
    const CardfileResult result = ReadCardfile(RrgFileBytes(cards), deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kOk) << CardfileMessage(result);
    EXPECT_EQ(result.objects_dropped, 2);
    EXPECT_EQ(Bodies(deck), (std::vector<std::string>{"boat", "still", "after"}));
}

TEST(CardfileRrg, ACardWithAnObjectAndNoTextHasAnEmptyBody) {
    const std::string bytes =
        RrgFileBytes({{"picture only", "", test::OleEmbeddedObject("PBrush", "n", kMetafile)}});
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kOk);
    EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"picture only"});
    EXPECT_EQ(deck.At(0).Body(), "");
}

// The published description of the layout only walks objects whose version reads as 1.0,
// but objects carry other versions (01 05 00 00 is the usual one): the version is not checked.
TEST(CardfileRrg, TheObjectsVersionIsNotChecked) {
    for (const std::uint32_t version : {0x0501u, 0x0001u, 0x0100u, 0xFFFFFFFFu}) {
        std::string bytes =
            RrgFileBytes({{"a", "alpha", test::OleEmbeddedObject("PBrush", "n", kMetafile)}});
        PatchU32(bytes, RrgData(bytes, 0) + 6, version);
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

        EXPECT_EQ(result.status, Status::kOk) << version;
        EXPECT_EQ(Bodies(deck), std::vector<std::string>{"alpha"});
    }
}

// --- "RRG" damage --------------------------------------------------------------------------

// Card "b" holds an embedded object: its fields, from the card's data offset on.
struct EmbeddedLayout {
    std::string class_name = "PBrush";
    std::string native = std::string(300, '\xCD');
    std::string picture_data = std::string(64, '\x01');

    std::string Object() const {
        return test::OleEmbeddedObject(class_name, native,
                                       test::OleStandardPicture("METAFILEPICT", picture_data));
    }
    std::string File() const {
        return RrgFileBytes({{"a", "alpha"}, {"b", "bravo", Object()}, {"c", "charlie"}});
    }
    // Offsets within card b's data: flag 2, object id 4, then the object.
    static constexpr std::size_t kObject = 6;
    std::size_t ClassLength() const { return kObject + 8; }
    std::size_t TopicLength() const { return ClassLength() + 4 + class_name.size() + 1; }
    std::size_t ItemLength() const { return TopicLength() + 5; }
    std::size_t NativeLength() const { return ItemLength() + 5; }
    std::size_t Picture() const { return NativeLength() + 4 + native.size(); }
    std::size_t PictureClassLength() const { return Picture() + 8; }
    std::size_t PictureDataLength() const { return PictureClassLength() + 4 + 13 + 8; }
};

TEST(CardfileRrgDamage, ADamagedObjectLengthEndsTheImportAtItsCard) {
    const EmbeddedLayout layout;
    std::string bytes = layout.File();
    PatchU32(bytes, RrgData(bytes, 1) + layout.NativeLength(), 0x7FFFFFF0);
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

    EXPECT_EQ(result.status, Status::kDamaged);
    EXPECT_EQ(result.damaged_card, 1);
    EXPECT_EQ(result.cards_read, 1);
    EXPECT_EQ(result.objects_dropped, 0);
    EXPECT_EQ(CardfileMessage(result),
              "File damaged at card 2 \"b\": its object's data (2147483632 bytes) runs past the "
              "end of the file. The 1 card before it was read.");
    // Card "c" is whole, but the import ends at the first damaged card.
    EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
}

TEST(CardfileRrgDamage, EveryLengthInsideTheObjectIsChecked) {
    const EmbeddedLayout layout;
    const struct {
        std::size_t at;
        std::string part;
    } lengths[] = {
        {layout.ClassLength(), "class name"},
        {layout.TopicLength(), "topic"},
        {layout.ItemLength(), "item"},
        {layout.NativeLength(), "data"},
        {layout.PictureClassLength(), "picture's class name"},
        {layout.PictureDataLength(), "picture"},
    };
    for (const auto& length : lengths) {
        std::string bytes = layout.File();
        PatchU32(bytes, RrgData(bytes, 1) + length.at, 0xFFFFFFFFu);
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

        EXPECT_EQ(result.status, Status::kDamaged) << length.part;
        EXPECT_EQ(result.damaged_card, 1) << length.part;
        EXPECT_EQ(result.problem.Text(), "its object's " + length.part +
                                             " (4294967295 bytes) runs past the end of the file");
        EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
    }
}

TEST(CardfileRrgDamage, AnUnknownObjectOrPictureKindEndsTheImport) {
    const EmbeddedLayout layout;
    std::string object_kind = layout.File();
    PatchU32(object_kind, RrgData(object_kind, 1) + EmbeddedLayout::kObject + 4, 7);
    std::string picture_kind = layout.File();
    PatchU32(picture_kind, RrgData(picture_kind, 1) + layout.Picture() + 4, 9);

    Deck first;
    const CardfileResult bad_object = ReadCardfile(object_kind, first, kAcceptRrg);
    EXPECT_EQ(CardfileMessage(bad_object),
              "File damaged at card 2 \"b\": its object is of an unknown kind (format 7). The 1 "
              "card before it was read.");

    Deck second;
    const CardfileResult bad_picture = ReadCardfile(picture_kind, second, kAcceptRrg);
    EXPECT_EQ(bad_picture.problem.Text(), "its object's picture is of an unknown kind (format 9)");
    EXPECT_EQ(RingIndexes(second), std::vector<std::string>{"a"});
}

TEST(CardfileRrgDamage, AFileThatEndsInsideAnObjectKeepsOnlyTheCardsBeforeIt) {
    const std::string linked = test::OleLinkedObject("PBrush", "C:\\BOAT.BMP", "1", kMetafile);
    const std::string bytes = RrgFileBytes({{"a", "alpha"}, {"b", "bravo", linked, 1}});
    const std::size_t start = RrgData(bytes, 1);
    const std::size_t object_end = start + 6 + linked.size();

    for (std::size_t cut = start; cut < bytes.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes.substr(0, cut), deck, kAcceptRrg);

        EXPECT_EQ(result.status, Status::kDamaged);
        EXPECT_EQ(result.damaged_card, 1);
        EXPECT_EQ(result.damaged_index, "b");
        EXPECT_EQ(RingIndexes(deck), std::vector<std::string>{"a"});
        EXPECT_EQ(Bodies(deck), std::vector<std::string>{"alpha"});
        if (cut == start) {
            EXPECT_EQ(result.problem.Text(), "its data lies outside the file");
        } else if (cut < start + 2) {
            EXPECT_EQ(result.problem.Text(), "the file ends inside its data");
        } else if (cut > start + 6 && cut < object_end) {
            const bool in_object = result.problem.Text() == "the file ends inside its object" ||
                                   result.problem.Text().ends_with("runs past the end of the file");
            EXPECT_TRUE(in_object) << result.problem.Text();
        } else if (cut >= object_end && cut < object_end + 14) {
            EXPECT_EQ(result.problem.Text(), "the file ends inside its object's placement");
        }
    }
}

TEST(CardfileRrgDamage, AHeaderCutShortReadsNoCard) {
    for (const std::size_t size : {3u, 6u, 7u, 8u}) {
        const std::string bytes = RrgFileBytes({{"a", "alpha"}}).substr(0, size);
        Deck deck;
        const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

        EXPECT_EQ(result.status, Status::kDamaged) << size;
        EXPECT_EQ(result.damaged_card, -1);
        EXPECT_EQ(result.problem.Text(), "the file ends inside its header");
        EXPECT_TRUE(deck.Empty());
    }
}

TEST(CardfileRrgDamage, TheMessageShowsTheCardsIndexInUtf8) {
    std::string bytes = RrgFileBytes({{"Caf\xE9", "", test::OleStaticObject("DIB", "d")}});
    bytes.resize(bytes.size() - 3);
    Deck deck;
    const CardfileResult result = ReadCardfile(bytes, deck, kAcceptRrg);

    EXPECT_EQ(result.damaged_index, "Caf\xE9");
    EXPECT_EQ(CardfileMessage(result),
              "File damaged at card 1 \"Caf\xC3\xA9\": the file ends inside its object's "
              "placement. No cards were read.");
}

}  // namespace
}  // namespace tabula
