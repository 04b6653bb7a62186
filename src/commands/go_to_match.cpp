#include "commands/go_to_match.h"

#include <array>
#include <string>

#include "deck/ansi.h"
#include "deck/deck.h"

namespace tabula {

int FindGoToMatch(const Deck& deck, std::string_view text) {
    if (text.empty() || deck.Count() < 2) {
        return -1;
    }
    const std::string upper = UpperAnsi(text);
    const unsigned char first = static_cast<unsigned char>(upper.front());
    auto accept = [&upper, first](const Card& card) {
        const std::string index = UpperAnsi(card.Index());
        return !index.empty() && static_cast<unsigned char>(index.front()) == first &&
               index.find(upper) != std::string::npos;
    };
    // Every byte whose capital is `first` may begin a matching index; the deck groups cards by
    // their first byte with only A-Z folded, so there may be more than one group to look at.
    std::array<bool, 256> seen{};
    int best = -1;
    for (int b = 1; b < 256; ++b) {
        if (UpperAnsi(static_cast<unsigned char>(b)) != first) {
            continue;
        }
        const unsigned char group = FoldAscii(static_cast<unsigned char>(b));
        if (seen[group]) {
            continue;
        }
        seen[group] = true;
        const int found = deck.FindByFirstByte(group, 1, accept);
        if (found > 0 && (best < 0 || found < best)) {
            best = found;
        }
    }
    return best;
}

}  // namespace tabula
