#pragma once

#include <cstdint>
#include <string_view>

namespace tabula {

class Card;

// A 64-bit sketch of the pairs of adjacent bytes in an upper-cased text: each pair sets one
// bit. A text that holds another holds all of its pairs, so when a sketch lacks a bit of the
// other's, the text cannot hold it; the converse does not follow, which is why a match is
// still checked on the text itself.

// The pairs of `upper`, taken as it stands (already upper-cased). A text with a zero byte
// gives 0, which every sketch covers: the index's terminator is not in its sketch.
std::uint64_t TextPairs(std::string_view upper);
// The pairs of the card's index upper-cased byte by byte (UpperAnsiTable), read from the
// field as it stands up to its terminator or the field's end.
std::uint64_t IndexPairs(const Card& card);
// The same for an index text as it stands, not upper-cased.
std::uint64_t IndexPairs(std::string_view index);

inline bool CoversPairs(std::uint64_t sketch, std::uint64_t wanted) {
    return (sketch & wanted) == wanted;
}

}  // namespace tabula
