#include "deck/cardfile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "deck/little_endian.h"
#include "support/deck_builders.h"

namespace tabula {
namespace {

using namespace test;
using S = std::string;

// The import in one line: status, pictures dropped, the ring, " / " and the message. Read from
// a stream a few bytes at a time, it must give the same as from memory.
S Import(std::string_view bytes, bool rrg = true, const std::vector<S>& kept = {}) {
    S line[2];
    for (const bool stream : {false, true}) {
        Deck deck;
        FillDeck(deck, kept);
        std::istringstream in{S(bytes)};
        const CardfileOptions options{.accept_rrg = rrg, .window_bytes = 7};
        const CardfileResult r = stream ? ReadCardfile(in, bytes.size(), deck, options)
                                        : ReadCardfile(bytes, deck, options);
        line[stream] = S(std::vector{"ok", "open", "nc", "dmg"}[static_cast<int>(r.status)]) + " " +
                       std::to_string(r.objects_dropped) + " " + Ring(deck) + " / " +
                       CardfileMessage(r);
    }
    EXPECT_EQ(line[1], line[0]) << "read from a stream";
    return line[0];
}

// Writes `with` over the file from `at` bytes into card k's data (header: 5 MGC, 9 RRG).
S Patch(S bytes, std::size_t header, int k, std::size_t at, const S& with) {
    return bytes.replace(ReadU32(bytes.data() + header + 52 * k + 6) + at, with.size(), with);
}
S Damage(const S& what) {
    return "dmg 0 a=alpha / File damaged at card 2 \"b\": " + what +
           ". The 1 card before it was read.";
}
S Long(const S& part, const S& size = "4294967295") {
    return Damage("its object's " + part + " (" + size + " bytes) runs past the end of the file");
}

TEST(Cardfile, ReadsBothLayoutsAndNamesTheFirstDamagedCard) {
    const S n = "native", pic = OleStandardPicture("METAFILEPICT", S(64, '\x01')), forty(40, '4');
    const S mgc = MgcFileBytes({{"a", "alpha"}, {"b", "bravo"}, {"c", "charlie"}});
    // Card b's object: version at 6 (not checked), format 10, class name length 14, topic 25,
    // item 30, data 35; its picture's format 343, class name length 347, data length 372.
    // clang-format off
    const S abc = RrgFileBytes({{"a", "alpha"}, {"b", "bravo", OleEmbeddedObject("PBrush", S(300, '\xCD'), pic)}, {"c", "charlie"}});
    const auto P = [&](std::size_t at, std::uint32_t value) { return Patch(abc, 9, 1, at, U32Bytes(value)); };
    const S head = "dmg 0  / File damaged: the file ends inside its header. No cards were read.";
    const S rrg1 = RrgFileBytes({{"a", "alpha"}});
    const struct { S bytes; bool rrg; S expected; } rows[] = {
        {MgcFileBytes({{"Zebra", "stripes"}, {"pear", "1st"}, {"apple", "red"}, {"Caf\xE9", "au"}, {"pear", "2nd"},
                       {"Mango", ""}}), false, "ok 0 apple=red|Caf\xE9=au|Mango|pear=1st|pear=2nd|Zebra=stripes / "},
        {MgcFileBytes({{"bird", "Tweet\r\ntweet", S(300, 'U')}, {"cat", "Meow"}, {"dog", "", "\x7F"}}),
         false, "ok 2 bird=Tweet\r\ntweet|cat=Meow|dog / "},
        {MgcFileBytes({{"a", S(500, 'x') + S(100, 'y')}, {"b", S("abc\0def", 7)}, {forty, ""}}), false,
         "ok 0 " + forty + "|a=" + S(500, 'x') + S(11, 'y') + "|b=abc / "},
        {S(mgc).replace(5 + 6, 4, mgc.substr(5 + 52 + 6, 4)).replace(5 + 52 + 6, 4, mgc.substr(5 + 6, 4)), false,
         "ok 0 a=bravo|b=alpha|c=charlie / "},  // the data out of order
        {MgcFileBytes({}), false, "ok 0  / "}, {rrg1, false, "nc 0  / File not compatible"},
        {RrgFileBytes({{"Zebra", "stripes"}, {"apple", "red\r\napple"}, {"Mango", ""}}), true,
         "ok 0 apple=red\r\napple|Mango|Zebra=stripes / "},
        {RrgFileBytes({{"a", "none", OleEmbeddedObject("Package", n, OleNoPicture())},
                       {"b", "bmp", OleEmbeddedObject("P", n, OleStandardPicture("BITMAP", "b"))},
                       {"c", "dib", OleEmbeddedObject("P", n, OleStandardPicture("DIB", "d"))},
                       {"d", "text", OleEmbeddedObject("N", n, OleClipboardPicture("N", 1, "H"))},
                       {"e", "named", OleEmbeddedObject("S", n, OleRegisteredPicture("S", "W", "~"))},
                       {"f", "", OleEmbeddedObject("PBrush", n, pic)},
                       {"g", "boat", OleLinkedObject("PBrush", "C:\\BOAT.BMP", "", pic), 1},
                       {"h", "still", OleStaticObject("DIB", S(99, '\x02')), 2}, {"i", "after"}}),
         true, "ok 8 a=none|b=bmp|c=dib|d=text|e=named|f|g=boat|h=still|i=after / "},
        {P(6, ~0u), true, "ok 1 a=alpha|b=bravo|c=charlie / "}, {P(6, 1), true, "ok 1 a=alpha|b=bravo|c=charlie / "},
        {P(35, 0x7FFFFFF0), true, Long("data", "2147483632")}, {P(14, ~0u), true, Long("class name")},
        {P(25, ~0u), true, Long("topic")}, {P(30, ~0u), true, Long("item")}, {P(372, ~0u), true, Long("picture")},
        {P(347, ~0u), true, Long("picture's class name")},
        {P(10, 7), true, Damage("its object is of an unknown kind (format 7)")},
        {P(343, 9), true, Damage("its object's picture is of an unknown kind (format 9)")},
        {RrgFileBytes({{"a", "alpha"}, {"b", "bravo"}}).substr(0, 9 + 104 + 9 + 1), true,
         Damage("the file ends inside its data")},
        {"MGC\x01", false, head}, {rrg1.substr(0, 3), true, head}, {rrg1.substr(0, 6), true, head},
        {rrg1.substr(0, 7), true, head}, {rrg1.substr(0, 8), true, head},
        {S(mgc).replace(5 + 52 + 6, 4, U32Bytes(~0u)), false, Damage("its data lies outside the file")},
        {S(mgc).replace(5 + 52 + 6, 4, U32Bytes(mgc.size())), false, Damage("its data lies outside the file")},
        {Patch(MgcFileBytes({{"a", "alpha"}, {"b", "bravo", "pic"}}), 5, 1, 0, U16Bytes(0xFFFF)), false,
         Damage("the file ends inside its picture")},
        {Patch(mgc, 5, 2, 2, U16Bytes(0xFFFF)), false, "dmg 0 a=alpha|b=bravo / File damaged at card 3 "
         "\"c\": the file ends inside its text. The 2 cards before it were read."},
        {S(MgcFileBytes({{"a", "x"}})).replace(3, 2, U16Bytes(0xFFFF)), false, "dmg 0 a=x / File damaged at "
         "card 2: the file ends inside the list of index lines. The 1 card before it was read."},
        {S(RrgFileBytes({{"Caf\xE9", "", OleStaticObject("DIB", "d")}})).erase(109), true, "dmg 0  / File "
         "damaged at card 1 \"Caf\xC3\xA9\": the file ends inside its object's placement. No cards were read."},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(Import(row.bytes, row.rrg), row.expected) << testing::PrintToString(row.bytes);
    }
    // Anything else adds nothing to the deck, nor does a card cut short.
    for (const S& other : {S(""), S("MG"), S("mgc\0\0", 5), S("MGc\0\0", 5), S("DKO\0\0", 5),
                           DeckFileBytes({{"apple", "red"}}), S("Hello, world\r\n")}) {
        EXPECT_EQ(Import(other, true, {"kept"}), "nc 0 kept / File not compatible");
    }
    EXPECT_EQ(Import(MgcFileBytes({{"b", "bravo"}}).substr(0, 5 + 52 + 8), false, {"a"}),
              "dmg 0 a / File damaged at card 1 \"b\": the file ends inside its text. No cards "
              "were read.");
    // Cut anywhere, the cards read whole stay and nothing of the card cut short.
    const S cut = MgcFileBytes({{"a", "alpha"}, {"b", "bravo", S(40, '\x11')}, {"c", ""}});
    const S read[] = {"dmg 0 ", "dmg 0 a=alpha", "dmg 1 a=alpha|b=bravo"};
    for (std::size_t at = 0; at < cut.size(); ++at) {
        const int whole = (at >= 5 + 3 * 52 + 9) + (at >= 5 + 3 * 52 + 9 + 57);
        EXPECT_TRUE(Import(cut.substr(0, at), false)
                        .starts_with(at < 3   ? "nc 0  / "
                                     : at < 5 ? head
                                              : read[whole] + " / File damaged at card " +
                                                    std::to_string(whole + 1)))
            << at;
    }
    // A file shorter than it was when measured (cut while the second card is read) gives no card.
    const S longer = MgcFileBytes({{"a", S(100, 'x')}, {"b", "bravo"}});
    std::istringstream shorter{longer};
    Deck none;
    const CardfileResult unread =
        ReadCardfile(shorter, longer.size() + 99, none, {.window_bytes = 32});
    EXPECT_EQ(CardfileMessage(unread) + Ring(none), "File error - 25");
}

}  // namespace
}  // namespace tabula
