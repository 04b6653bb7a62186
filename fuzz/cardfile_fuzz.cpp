// Cardfile files of both layouts, read as the program reads them ("RRG" refused) and as
// tabula-cli does ("RRG" accepted).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "deck/card.h"
#include "deck/cardfile.h"
#include "deck/deck.h"
#include "fuzz_check.h"

namespace {

using tabula::CardfileResult;
using Status = CardfileResult::Status;

CardfileResult ReadAndCheck(std::string_view bytes, bool accept_rrg) {
    tabula::Deck deck;
    const CardfileResult result = tabula::ReadCardfile(bytes, deck, {.accept_rrg = accept_rrg});

    // Read from a stream a few bytes at a time, the file gives the same.
    tabula::Deck streamed;
    std::istringstream in{std::string(bytes)};
    const CardfileResult parts = tabula::ReadCardfile(
        in, bytes.size(), streamed, {.accept_rrg = accept_rrg, .window_bytes = 16});
    TABULA_FUZZ_CHECK(parts.status == result.status && parts.cards_read == result.cards_read &&
                      parts.damaged_card == result.damaged_card &&
                      parts.problem == result.problem && streamed.Count() == deck.Count());
    for (int k = 0; k < deck.Count(); ++k) {
        TABULA_FUZZ_CHECK(streamed.At(k).Index() == deck.At(k).Index() &&
                          streamed.At(k).Body() == deck.At(k).Body());
    }

    TABULA_FUZZ_CHECK(result.cards_read == deck.Count());
    TABULA_FUZZ_CHECK(result.objects_dropped >= 0 && result.objects_dropped <= result.cards_read);
    TABULA_FUZZ_CHECK(result.cards_read <= result.announced);
    TABULA_FUZZ_CHECK(tabula::CardfileMessage(result).empty() == (result.status == Status::kOk));
    switch (result.status) {
        case Status::kOk:
            TABULA_FUZZ_CHECK(result.cards_read == result.announced);
            break;
        case Status::kDamaged:
            // Only the cards before the damaged one are kept.
            TABULA_FUZZ_CHECK(result.damaged_card == result.cards_read ||
                              (result.damaged_card == -1 && result.cards_read == 0));
            TABULA_FUZZ_CHECK(!result.problem.empty());
            break;
        case Status::kNotCompatible:
        case Status::kCannotOpen:
        case Status::kCancelled:  // never, without a progress callback
            TABULA_FUZZ_CHECK(result.cards_read == 0);
            break;
    }
    for (int k = 0; k < deck.Count(); ++k) {
        const tabula::Card& card = deck.At(k);
        TABULA_FUZZ_CHECK(card.Index().size() <= 40);
        TABULA_FUZZ_CHECK(card.Body().size() <= tabula::kMaxBodyLength);
        TABULA_FUZZ_CHECK(!card.Tagged());
        if (k + 1 < deck.Count()) {
            TABULA_FUZZ_CHECK(tabula::CompareIndex(card.Index(), deck.At(k + 1).Index()) <= 0);
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CardfileResult program = ReadAndCheck(bytes, false);
    const CardfileResult cli = ReadAndCheck(bytes, true);
    if (bytes.starts_with("RRG")) {
        TABULA_FUZZ_CHECK(program.status == Status::kNotCompatible);
    } else {
        // Accepting "RRG" changes nothing for any other file.
        TABULA_FUZZ_CHECK(program.status == cli.status && program.cards_read == cli.cards_read &&
                          program.objects_dropped == cli.objects_dropped &&
                          program.problem == cli.problem);
    }
    return 0;
}
