#pragma once

#include <string_view>

namespace tabula {

class Deck;

// Go To's search: the first position from 1 on whose index, upper-cased, holds the upper-cased
// text and begins with the same character; -1 when none. Only the cards whose first byte can
// match are examined (they stand together in the deck's order).
int FindGoToMatch(const Deck& deck, std::string_view text);

}  // namespace tabula
