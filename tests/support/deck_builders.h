#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "deck/deck.h"

namespace tabula::test {

// Files and decks built in memory, byte for byte as the formats lay them out, so tests and
// benchmarks need no fixture files.
struct CardSpec {
    std::string index;
    std::string body;
    std::int32_t tagged = 0;
};

std::string U16Bytes(std::uint16_t value);
std::string U32Bytes(std::uint32_t value);

// A deck file: magic, count (as given, or the number of cards) and the records.
std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic = 0xAAAB);
std::string DeckFileBytes(const std::vector<CardSpec>& cards, std::uint32_t magic,
                          std::int32_t count);

struct CardfileCard {
    std::string index;
    std::string text;
    std::string picture;  // bytes of a picture; empty for none
};
// An "MGC" Cardfile file: header, index entries, then each card's data in entry order.
std::string MgcFileBytes(const std::vector<CardfileCard>& cards);

// Fills an empty deck with cards of these indexes (sorted, front = smallest).
void FillDeck(Deck& deck, const std::vector<std::string>& indexes);
// The indexes read from the front card on.
std::vector<std::string> RingIndexes(const Deck& deck);

}  // namespace tabula::test
