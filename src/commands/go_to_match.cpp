#include "commands/go_to_match.h"

#include <array>
#include <string>

#include "deck/ansi.h"
#include "deck/deck.h"
#include "deck/index_pairs.h"

namespace tabula {

namespace {

// The upper-cased index begins with `first` and holds `upper`, compared in place through the
// upper-case table. A zero byte never equals a byte of `upper`, so no match runs past the
// index's end.
bool Matches(const Card& card, const std::string& upper, unsigned char first) {
    const auto& table = UpperAnsiTable();
    const auto& index = card.IndexField();
    if (index[0] == 0 || table[static_cast<unsigned char>(index[0])] != first) {
        return false;
    }
    const std::size_t m = upper.size();
    const auto head = static_cast<unsigned char>(upper.front());
    for (std::size_t i = 0; i + m <= index.size() && index[i] != 0; ++i) {
        if (table[static_cast<unsigned char>(index[i])] != head) {
            continue;
        }
        std::size_t j = 1;
        while (j < m && table[static_cast<unsigned char>(index[i + j])] ==
                            static_cast<unsigned char>(upper[j])) {
            ++j;
        }
        if (j == m) {
            return true;
        }
    }
    return false;
}

// The first match among the cards whose first byte folds to `group`, from position 1 on. Most
// cards of a large group are ruled out by their index sketch alone, without being read.
int FirstMatchInGroup(const Deck& deck, unsigned char group, const std::string& upper,
                      unsigned char first) {
    return deck.FindByFirstByte(group, 1, TextPairs(upper),
                                [&](const Card& card) { return Matches(card, upper, first); });
}

}  // namespace

int FindGoToMatch(const Deck& deck, std::string_view text) {
    if (text.empty() || deck.Count() < 2) {
        return -1;
    }
    const std::string upper = UpperAnsi(text);
    const unsigned char first = static_cast<unsigned char>(upper.front());
    // Every byte whose capital is `first` may begin a matching index; the deck groups cards by
    // their first byte with only A-Z folded, so there may be more than one group to look at.
    std::array<bool, 256> seen{};
    int best = -1;
    for (int b = 1; b < 256; ++b) {
        if (UpperAnsiTable()[static_cast<std::size_t>(b)] != first) {
            continue;
        }
        const unsigned char group = FoldAscii(static_cast<unsigned char>(b));
        if (seen[group]) {
            continue;
        }
        seen[group] = true;
        const int found = FirstMatchInGroup(deck, group, upper, first);
        if (found > 0 && (best < 0 || found < best)) {
            best = found;
        }
    }
    return best;
}

}  // namespace tabula
