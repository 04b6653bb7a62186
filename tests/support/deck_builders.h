#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "deck/deck.h"

namespace tabula::test {

// Files and decks built in memory, byte for byte as the formats lay them out, so tests and
// benchmarks need no fixture files.
struct CardSpec {
    std::string index, body;
    std::int32_t tagged = 0;
};
std::string U16Bytes(std::uint16_t value);
std::string U32Bytes(std::uint32_t value);
// A deck file: magic, count (as given, or the number of cards) and the records.
std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic = 0xAAAB,
                          std::optional<std::int32_t> count = {});

struct CardfileCard {
    std::string index, text, picture = {};  // the bytes of a picture; empty for none
};
// An "MGC" Cardfile file: header, index entries, then each card's data in entry order.
std::string MgcFileBytes(const std::vector<CardfileCard>& cards);

// OLE 1.0 objects as the later Cardfile keeps them on its cards.
// Pictures (presentation objects): none (format 0); METAFILEPICT, BITMAP or DIB with width and
// height; any other class with a standard clipboard format, or with format 0 and its name.
// clang-format off
std::string OleNoPicture();
std::string OleStandardPicture(const std::string& kind, const std::string& data);
std::string OleClipboardPicture(const std::string& class_name, std::uint32_t clipboard_format, const std::string& data);
std::string OleRegisteredPicture(const std::string& class_name, const std::string& format_name, const std::string& data);
// Whole objects: format 2 (embedded, native data kept), 1 (linked to a file) and 3 (static).
std::string OleEmbeddedObject(const std::string& class_name, const std::string& native, const std::string& picture);
std::string OleLinkedObject(const std::string& class_name, const std::string& path, const std::string& item,
                            const std::string& picture);
std::string OleStaticObject(const std::string& kind, const std::string& data);
// clang-format on

struct RrgCard {
    std::string index, text;
    std::string object = {};        // a whole OLE object; empty for a card without one
    std::uint16_t object_type = 0;  // as the card notes it: 0 embedded, 1 linked, 2 static
};
// An "RRG" Cardfile file: header (signature, last object id, count), index entries, then each
// card's data in entry order: object flag; for a card with an object its id, the object and
// seven 16-bit values (character size, rectangle, type); then the text.
std::string RrgFileBytes(const std::vector<RrgCard>& cards);

// Fills an empty deck with cards of these indexes (sorted, front = smallest).
void FillDeck(Deck& deck, const std::vector<std::string>& indexes);
// The cards from the front card on, "|" between them: the index, "*" when tagged, and
// "=body" when the body is not empty.
std::string Ring(const Deck& deck);
// The indexes read from the front card on.
std::vector<std::string> RingIndexes(const Deck& deck);

}  // namespace tabula::test
