#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace tabula {

// Every integer in Tabula's files and in Cardfile files is little-endian, whatever the host.
inline std::uint16_t ReadU16(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

inline std::uint32_t ReadU32(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

// Eight bytes as one word, the first in the lowest bits: for looking at bytes eight at a time.
inline std::uint64_t ReadU64(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i) {
            swapped = (swapped << 8) | ((word >> (8 * i)) & 0xFF);
        }
        word = swapped;
    }
    return word;
}

inline void WriteU64(char* at, std::uint64_t value) {
    if constexpr (std::endian::native == std::endian::big) {
        for (int i = 0; i < 8; ++i) {
            at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    } else {
        std::memcpy(at, &value, sizeof value);
    }
}

inline void WriteU32(char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace tabula
