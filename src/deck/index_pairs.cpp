#include "deck/index_pairs.h"

#include <array>

#include "deck/ansi.h"
#include "deck/card.h"

namespace tabula {

namespace {

// Multiplicative hashing of the pair to its bit: the top 6 bits of the product spread the
// pairs of letters, digits and punctuation evenly over the 64 bits. The bit comes from a
// table, as a shift by a variable amount costs several steps on common processors and every
// card of a file read has its index's pairs taken.
constexpr auto kBits = [] {
    std::array<std::uint64_t, 64> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        bits[i] = std::uint64_t{1} << i;
    }
    return bits;
}();

std::uint64_t PairBit(unsigned char first, unsigned char second) {
    const std::uint32_t pair = (std::uint32_t{first} << 8) | second;
    return kBits[(pair * 0x9E3779B1u) >> 26];
}

}  // namespace

std::uint64_t TextPairs(std::string_view upper) {
    if (upper.find('\0') != std::string_view::npos) {
        return 0;
    }
    std::uint64_t sketch = 0;
    for (std::size_t i = 1; i < upper.size(); ++i) {
        sketch |=
            PairBit(static_cast<unsigned char>(upper[i - 1]), static_cast<unsigned char>(upper[i]));
    }
    return sketch;
}

std::uint64_t IndexPairs(const Card& card) {
    return IndexPairs(card.Index());
}

std::uint64_t IndexPairs(std::string_view index) {
    const auto& table = UpperAnsiTable();
    if (index.empty()) {
        return 0;
    }
    std::uint64_t sketch = 0;
    unsigned char previous = table[static_cast<unsigned char>(index[0])];
    for (std::size_t i = 1; i < index.size(); ++i) {
        const unsigned char next = table[static_cast<unsigned char>(index[i])];
        sketch |= PairBit(previous, next);
        previous = next;
    }
    return sketch;
}

}  // namespace tabula
