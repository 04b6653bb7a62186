// The deck file reader, from memory. Whatever it reads must also save and read back to the
// same cards, byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "deck/deck.h"
#include "deck/deck_file.h"
#include "fuzz_check.h"

namespace {

using tabula::DeckReadResult;
using Status = DeckReadResult::Status;

std::string Saved(const tabula::Deck& deck) {
    std::ostringstream out(std::ios::binary);
    TABULA_FUZZ_CHECK(tabula::WriteDeckFile(out, deck));
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size), std::ios::binary);
    tabula::Deck deck;
    const DeckReadResult result = tabula::ReadDeckFile(in, deck);

    TABULA_FUZZ_CHECK(result.cards_read == deck.Count());
    TABULA_FUZZ_CHECK(result.status != Status::kReadError);
    if (result.status == Status::kOk) {
        TABULA_FUZZ_CHECK(result.cards_read == std::max<std::int64_t>(result.announced, 0));
    }
    if (!result.Usable()) {
        TABULA_FUZZ_CHECK(deck.Empty());
        return 0;
    }

    // Saved and read back, every field comes back byte for byte and in the same order.
    const std::string saved = Saved(deck);
    TABULA_FUZZ_CHECK(saved.size() ==
                      tabula::kDeckHeaderSize +
                          tabula::kDeckRecordSize * static_cast<std::size_t>(deck.Count()));
    std::istringstream again_in(saved, std::ios::binary);
    tabula::Deck again;
    const DeckReadResult reread = tabula::ReadDeckFile(again_in, again);
    TABULA_FUZZ_CHECK(reread.status == Status::kOk && again.Count() == deck.Count());
    for (int k = 0; k < deck.Count(); ++k) {
        TABULA_FUZZ_CHECK(again.At(k).IndexField() == deck.At(k).IndexField());
        TABULA_FUZZ_CHECK(again.At(k).Body() == deck.At(k).Body());
        TABULA_FUZZ_CHECK(again.At(k).TaggedField() == deck.At(k).TaggedField());
    }
    TABULA_FUZZ_CHECK(Saved(again) == saved);
    return 0;
}
