#include "deck/index_pairs.h"

#include <array>
#include <cstddef>

#include "deck/ansi.h"
#include "deck/card.h"

namespace tabula {

namespace {

// A pair's bit is kBits[kFirst[a] ^ kSecond[b]] (tabulation hashing): two random 6-bit
// numbers per byte, looked up and combined, spread any set of pairs evenly over the 64 bits.
// Each table is indexed by the byte as it stands and already holds its upper-case form's
// number, so an index needs no upper-casing of its own; upper-case bytes map to themselves,
// so an upper-cased text gives the same pairs. Every card of a file read has its pairs taken,
// which makes the few steps a pair costs here count.
struct PairTables {
    std::array<unsigned char, 256> first;
    std::array<unsigned char, 256> second;
    std::array<std::uint64_t, 64> bits;
};

const PairTables& Tables() {
    static const PairTables tables = [] {
        PairTables t{};
        // splitmix64: fixed numbers, the same in every run.
        std::uint64_t state = 0x7461627563617264;
        const auto next = [&state] {
            state += 0x9E3779B97F4A7C15;
            std::uint64_t z = state;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
            return z ^ (z >> 31);
        };
        std::array<unsigned char, 256> first{};
        std::array<unsigned char, 256> second{};
        for (std::size_t b = 0; b < 256; ++b) {
            first[b] = static_cast<unsigned char>(next() >> 58);
            second[b] = static_cast<unsigned char>(next() >> 58);
        }
        const auto& upper = UpperAnsiTable();
        for (std::size_t b = 0; b < 256; ++b) {
            t.first[b] = first[upper[b]];
            t.second[b] = second[upper[b]];
        }
        for (std::size_t i = 0; i < t.bits.size(); ++i) {
            t.bits[i] = std::uint64_t{1} << i;
        }
        return t;
    }();
    return tables;
}

std::uint64_t Pairs(std::string_view text) {
    const PairTables& t = Tables();
    std::uint64_t sketch = 0;
    if (text.size() < 2) {
        return sketch;
    }
    unsigned char first = t.first[static_cast<unsigned char>(text[0])];
    for (std::size_t i = 1; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        sketch |= t.bits[first ^ t.second[byte]];
        first = t.first[byte];
    }
    return sketch;
}

}  // namespace

std::uint64_t TextPairs(std::string_view upper) {
    return upper.find('\0') != std::string_view::npos ? 0 : Pairs(upper);
}

std::uint64_t IndexPairs(const Card& card) {
    return IndexPairs(card.Index());
}

std::uint64_t IndexPairs(std::string_view index) {
    return Pairs(index);
}

}  // namespace tabula
