#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "deck/deck.h"
#include "deck/read_problem.h"

namespace tabula {

// Cardfile files (.crd). The program imports the "MGC" layout only; tabula-cli also reads the
// later "RRG" layout, whose cards may carry embedded or linked objects that are dropped.
enum class CardfileLayout { kUnknown, kMgc, kRrg };

struct CardfileOptions {
    bool accept_rrg = false;
    // Told of the cards read so far and the count in the header every few hundred cards;
    // false stops the import and takes the cards it read out of the deck again.
    std::function<bool(int cards_read, int announced)> progress = {};
    // How much of a file read from a stream is in memory at once (FileWindow).
    std::size_t window_bytes = std::size_t{64} << 10;
};

struct CardfileResult {
    enum class Status {
        kOk,
        kCannotOpen,     // the file could not be opened or read
        kNotCompatible,  // not a Cardfile layout this reader takes
        kDamaged,        // a card could not be read whole; the cards before it were kept
        kCancelled,      // the progress callback stopped it; no card was kept
    };
    Status status = Status::kOk;
    CardfileLayout layout = CardfileLayout::kUnknown;  // also set when "RRG" is refused
    int announced = 0;                                 // the card count in the header
    int cards_read = 0;                                // cards added to the deck
    int objects_dropped = 0;                           // pictures and objects passed over
    // Where the file is damaged: the card's number in the file's index order (0-based; -1 for
    // the header, before any card), its index text as far as it could be read (Windows-1252),
    // and what was wrong.
    int damaged_card = -1;
    std::string damaged_index;
    ReadProblem problem;

    bool Usable() const { return status == Status::kOk || status == Status::kDamaged; }
};

// Appends the file's cards to the deck and sorts it. Every entry, offset and length is
// checked against the file; a card that cannot be read whole (its data, picture, object or
// text) ends the import, keeping the cards read before it and nothing of that card.
CardfileResult ReadCardfile(std::string_view bytes, Deck& deck, CardfileOptions options = {});
// The same for a file of `size` bytes read from the stream's start a part at a time, so that
// only a little of it is in memory at once. A read that fails or comes short (the file was
// cut meanwhile) gives kCannotOpen and adds no card.
CardfileResult ReadCardfile(std::istream& in, std::size_t size, Deck& deck,
                            CardfileOptions options = {});
// The same for a file on disk; kCannotOpen when it cannot be opened (a folder, no
// permission).
CardfileResult ReadCardfileFile(const std::filesystem::path& path, Deck& deck,
                                CardfileOptions options = {});

// The import's messages (UTF-8): "File error - 25", "File not compatible", and the damage
// report naming the card.
inline constexpr std::string_view kCardfileOpenError = "File error - 25";
inline constexpr std::string_view kCardfileNotCompatible = "File not compatible";
std::string CardfileMessage(const CardfileResult& result);

}  // namespace tabula
