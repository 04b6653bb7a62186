#include "deck/index_pairs.h"

#include "deck/ansi.h"
#include "deck/card.h"

namespace tabula {

namespace {

// Multiplicative hashing of the pair to its bit: the top 6 bits of the product spread the
// pairs of letters, digits and punctuation evenly over the 64 bits.
std::uint64_t PairBit(unsigned char first, unsigned char second) {
    const std::uint32_t pair = (std::uint32_t{first} << 8) | second;
    return std::uint64_t{1} << ((pair * 0x9E3779B1u) >> 26);
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
    const auto& table = UpperAnsiTable();
    const auto& field = card.IndexField();
    std::uint64_t sketch = 0;
    unsigned char previous = table[static_cast<unsigned char>(field[0])];
    for (std::size_t i = 1; i < field.size() && previous != 0; ++i) {
        const unsigned char next = table[static_cast<unsigned char>(field[i])];
        if (next == 0) {
            break;
        }
        sketch |= PairBit(previous, next);
        previous = next;
    }
    return sketch;
}

}  // namespace tabula
