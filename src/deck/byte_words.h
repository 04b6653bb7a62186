#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace tabula {

// Eight bytes of a text handled at once (see ReadU64), for the work done on every card of a
// large file.

// The high bit of each zero byte. The lowest one flagged is exact; a 0x01 byte right above a
// zero byte may be flagged too.
inline std::uint64_t ZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    return (word - kOnes) & ~word & kHigh;
}

// Where the lowest flagged byte stands (0-7).
inline std::size_t FirstFlaggedByte(std::uint64_t flags) {
    return static_cast<std::size_t>(std::countr_zero(flags)) / 8;
}

// FoldAscii on each byte: A-Z to a-z, nothing else.
inline std::uint64_t FoldAsciiWord(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    // Each byte's low seven bits plus an offset sets the byte's high bit from 'A' and from
    // past 'Z' on, without carrying into the next byte.
    const std::uint64_t low = word & ~kHigh;
    const std::uint64_t from_a = low + kOnes * (0x80 - 'A');
    const std::uint64_t past_z = low + kOnes * (0x80 - 'Z' - 1);
    const std::uint64_t capitals = from_a & ~past_z & ~word & kHigh;
    return word | (capitals >> 2);  // 0x80 >> 2 is the case bit
}

}  // namespace tabula
