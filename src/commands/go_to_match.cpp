#include "commands/go_to_match.h"

#include <array>
#include <string>

#include "deck/ansi.h"
#include "deck/deck.h"

namespace tabula {

namespace {

unsigned char FoldedFirstByte(const Card& card) {
    const std::string_view index = card.Index();
    return index.empty() ? 0 : FoldAscii(static_cast<unsigned char>(index.front()));
}

// The upper-cased index begins with `first` and holds `upper`.
bool Matches(const Card& card, const std::string& upper, unsigned char first) {
    const auto& table = UpperAnsiTable();
    const std::string_view index = card.Index();
    if (index.empty() || table[static_cast<unsigned char>(index.front())] != first) {
        return false;
    }
    std::array<char, kIndexFieldSize> buffer;  // no allocation per card
    for (std::size_t i = 0; i < index.size(); ++i) {
        buffer[i] = static_cast<char>(table[static_cast<unsigned char>(index[i])]);
    }
    return std::string_view(buffer.data(), index.size()).find(upper) != std::string_view::npos;
}

// The first match among the cards whose first byte folds to `group`, from position 1 on.
// The group stands in at most two runs of the ring (two when it holds the front card); each
// run is walked with the cards a few places ahead already requested from memory, since in a
// large deck every card is a miss of its own.
int FirstMatchInGroup(const Deck& deck, unsigned char group, const std::string& upper,
                      unsigned char first) {
    constexpr int kAhead = 8;
    const int count = deck.Count();
    const auto any = [](const Card&) { return true; };
    int p = deck.FindByFirstByte(group, 1, any);
    while (p > 0) {
        int q = p;
        for (; q < count && FoldedFirstByte(deck.At(q)) == group; ++q) {
            if (q + kAhead < count) {
                __builtin_prefetch(&deck.At(q + kAhead));
            }
            if (Matches(deck.At(q), upper, first)) {
                return q;
            }
        }
        p = q < count ? deck.FindByFirstByte(group, q, any) : -1;
    }
    return -1;
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
