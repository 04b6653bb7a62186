#include "deck/cardfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deck/little_endian.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using namespace test;
using S = std::string;

// The import in one line: status, pictures dropped, the ring, " / " and the message.
S Import(std::string_view bytes, bool rrg = true, const char* kept = nullptr) {
    Deck deck;
    if (kept != nullptr) {
        deck.CreateCard(kept);
    }
    const CardfileResult r = ReadCardfile(bytes, deck, {.accept_rrg = rrg});
    const char* status[] = {"ok", "open", "nc", "dmg"};
    return S(status[static_cast<int>(r.status)]) + " " + std::to_string(r.objects_dropped) + " " +
           Ring(deck) + " / " + CardfileMessage(r);
}

// Writes `with` over the file from `at` bytes into card k's data (header: 5 MGC, 9 RRG).
S Patch(S bytes, std::size_t header, int k, std::size_t at, const S& with) {
    return bytes.replace(ReadU32(bytes.data() + header + 52 * k + 6) + at, with.size(), with);
}

const S kPic = OleStandardPicture("METAFILEPICT", S(64, '\x01'));
const S kNative(300, '\xCD');
// Card b's object: class name length at 14, topic 25, item 30, data 35, picture 339 (its
// class name length 347, its data length 372).
const S kAbc = RrgFileBytes(
    {{"a", "alpha"}, {"b", "bravo", OleEmbeddedObject("PBrush", kNative, kPic)}, {"c", "charlie"}});
const S kMgc = MgcFileBytes({{"a", "alpha"}, {"b", "bravo"}, {"c", "charlie"}});
S Damage(const S& what) {
    return "dmg 0 a=alpha / File damaged at card 2 \"b\": " + what +
           ". The 1 card before it was read.";
}
S Long(const S& part, const S& size = "4294967295") {
    return Damage("its object's " + part + " (" + size + " bytes) runs past the end of the file");
}

TEST(Cardfile, ReadsBothLayoutsAndNamesTheFirstDamagedCard) {
    const S forty = "0123456789012345678901234567890123456789";
    const S native = "native";
    const struct {
        S bytes;
        bool rrg;
        S expected;
    } rows[] = {
        {MgcFileBytes({{"Zebra", "stripes"}, {"apple", "red"}, {"Mango", ""}}), false,
         "ok 0 apple=red|Mango|Zebra=stripes / "},
        {MgcFileBytes(
             {{"bird", "Tweet\r\ntweet", S(300, 'U')}, {"cat", "Meow"}, {"dog", "", "\x7F"}}),
         false, "ok 2 bird=Tweet\r\ntweet|cat=Meow|dog / "},
        {MgcFileBytes({{"a", S(500, 'x') + S(100, 'y')}, {"b", S("abc\0def", 7)}, {forty, ""}}),
         false, "ok 0 " + forty + "|a=" + S(500, 'x') + S(11, 'y') + "|b=abc / "},
        {MgcFileBytes({{"pear", "1st"}, {"Caf\xE9", "au"}, {"pear", "2nd"}}), false,
         "ok 0 Caf\xE9=au|pear=1st|pear=2nd / "},
        {MgcFileBytes({}), false, "ok 0  / "},
        {RrgFileBytes({{"apple", "red"}}), false, "nc 0  / File not compatible"},
        {RrgFileBytes({{"Zebra", "stripes"}, {"apple", "red\r\napple"}, {"Mango", ""}}), true,
         "ok 0 apple=red\r\napple|Mango|Zebra=stripes / "},
        {RrgFileBytes(
             {{"a", "none", OleEmbeddedObject("Package", native, OleNoPicture())},
              {"b", "bmp", OleEmbeddedObject("P", native, OleStandardPicture("BITMAP", "b"))},
              {"c", "dib", OleEmbeddedObject("P", native, OleStandardPicture("DIB", "d"))},
              {"d", "text", OleEmbeddedObject("N", native, OleClipboardPicture("N", 1, "H"))},
              {"e", "named", OleEmbeddedObject("S", native, OleRegisteredPicture("S", "W", "~"))},
              {"f", "", OleEmbeddedObject("PBrush", native, kPic)},
              {"g", "boat", OleLinkedObject("PBrush", "C:\\BOAT.BMP", "", kPic), 1},
              {"h", "still", OleStaticObject("DIB", S(99, '\x02')), 2},
              {"i", "after"}}),
         true, "ok 8 a=none|b=bmp|c=dib|d=text|e=named|f|g=boat|h=still|i=after / "},
        // Objects carry other versions than 1.0 (01 05 00 00 is the usual one): it is not checked.
        {Patch(kAbc, 9, 1, 6, U32Bytes(0xFFFFFFFF)), true, "ok 1 a=alpha|b=bravo|c=charlie / "},
        {Patch(kAbc, 9, 1, 6, U32Bytes(1)), true, "ok 1 a=alpha|b=bravo|c=charlie / "},
        {RrgFileBytes({{"a", "alpha"}, {"b", "bravo"}}).substr(0, 9 + 104 + 9 + 1), true,
         Damage("the file ends inside its data")},
        {"MGC\x01", false,
         "dmg 0  / File damaged: the file ends inside its header. No cards were read."},
        {S(kMgc).replace(5 + 52 + 6, 4, U32Bytes(0xFFFFFFFF)), false,
         Damage("its data lies outside the file")},
        {S(kMgc).replace(5 + 52 + 6, 4, U32Bytes(kMgc.size())), false,
         Damage("its data lies outside the file")},
        {Patch(MgcFileBytes({{"a", "alpha"}, {"b", "bravo", "pic"}}), 5, 1, 0, U16Bytes(0xFFFF)),
         false, Damage("the file ends inside its picture")},
        {Patch(kMgc, 5, 2, 2, U16Bytes(0xFFFF)), false,
         "dmg 0 a=alpha|b=bravo / File damaged at card 3 \"c\": the file ends inside its text. The "
         "2 cards before it were read."},
        {S(MgcFileBytes({{"a", "x"}})).replace(3, 2, U16Bytes(0xFFFF)), false,
         "dmg 0 a=x / File damaged at card 2: the file ends inside the list of index lines. The 1 "
         "card before it was read."},
        {Patch(kAbc, 9, 1, 35, U32Bytes(0x7FFFFFF0)), true, Long("data", "2147483632")},
        {Patch(kAbc, 9, 1, 14, U32Bytes(0xFFFFFFFF)), true, Long("class name")},
        {Patch(kAbc, 9, 1, 25, U32Bytes(0xFFFFFFFF)), true, Long("topic")},
        {Patch(kAbc, 9, 1, 30, U32Bytes(0xFFFFFFFF)), true, Long("item")},
        {Patch(kAbc, 9, 1, 347, U32Bytes(0xFFFFFFFF)), true, Long("picture's class name")},
        {Patch(kAbc, 9, 1, 372, U32Bytes(0xFFFFFFFF)), true, Long("picture")},
        {Patch(kAbc, 9, 1, 10, U32Bytes(7)), true,
         Damage("its object is of an unknown kind (format 7)")},
        {Patch(kAbc, 9, 1, 343, U32Bytes(9)), true,
         Damage("its object's picture is of an unknown kind (format 9)")},
        {S(RrgFileBytes({{"Caf\xE9", "", OleStaticObject("DIB", "d")}})).erase(109), true,
         "dmg 0  / File damaged at card 1 \"Caf\xC3\xA9\": the file ends inside its object's "
         "placement. No cards were read."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Import(row.bytes, row.rrg), row.expected) << testing::PrintToString(row.bytes);
    }
    for (const std::size_t size : {3u, 6u, 7u, 8u}) {
        EXPECT_EQ(Import(RrgFileBytes({{"a", "alpha"}}).substr(0, size)),
                  "dmg 0  / File damaged: the file ends inside its header. No cards were read.");
    }
    // Anything else adds nothing to the deck, nor does a card cut short.
    for (const S& other : {S(""), S("MG"), S("mgc\0\0", 5), S("MGc\0\0", 5), S("DKO\0\0", 5),
                           DeckFileBytes({{"apple", "red"}}), S("Hello, world\r\n")}) {
        EXPECT_EQ(Import(other, true, "kept"), "nc 0 kept / File not compatible");
    }
    EXPECT_EQ(Import(MgcFileBytes({{"b", "bravo"}}).substr(0, 5 + 52 + 8), false, "a"),
              "dmg 0 a / File damaged at card 1 \"b\": the file ends inside its text. No cards "
              "were read.");
    Deck refused;
    EXPECT_EQ(ReadCardfile(RrgFileBytes({}), refused).layout, CardfileLayout::kRrg);
    CardfileResult cannot_open;
    cannot_open.status = CardfileResult::Status::kCannotOpen;
    EXPECT_EQ(CardfileMessage(cannot_open), "File error - 25");
    EXPECT_FALSE(ReadWholeFile("/nonexistent/no such file.crd").has_value());
}

// A card cut short anywhere ends the import: the cards before it stay, nothing of it.
TEST(Cardfile, AFileCutAnywhereKeepsExactlyTheCardsReadWhole) {
    const S mgc = MgcFileBytes({{"a", "alpha"}, {"b", "bravo", S(40, '\x11')}, {"c", ""}});
    for (std::size_t cut = 0; cut < mgc.size(); ++cut) {
        const int whole = (cut >= 5 + 3 * 52 + 9) + (cut >= 5 + 3 * 52 + 9 + 57);
        Deck deck;
        const CardfileResult r = ReadCardfile(mgc.substr(0, cut), deck);
        EXPECT_EQ(Ring(deck) + " " + std::to_string(static_cast<int>(r.status)) + " " +
                      std::to_string(r.damaged_card),
                  S(whole == 0   ? ""
                    : whole == 1 ? "a=alpha"
                                 : "a=alpha|b=bravo") +
                      (cut < 3   ? " 2 -1"
                       : cut < 5 ? " 3 -1"
                                 : " 3 " + std::to_string(whole)))
            << cut;
    }
}

}  // namespace
}  // namespace tabula
