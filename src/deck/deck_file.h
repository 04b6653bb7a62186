#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "deck/deck.h"
#include "deck/replace_file.h"

namespace tabula {

// The deck file: a 4-byte magic, a 4-byte count N and N fixed-size card records, all
// little-endian. Records are 558 bytes (index 42, body 512, tag 4) under kDeckMagic and
// 554 bytes, without the tag, under the older kDeckMagicUntagged.
inline constexpr std::uint32_t kDeckMagic = 0xAAAB;
inline constexpr std::uint32_t kDeckMagicUntagged = 0xAAAA;
inline constexpr std::size_t kDeckHeaderSize = 8;
inline constexpr std::size_t kDeckRecordSize = kIndexFieldSize + kBodyFieldSize + 4;
inline constexpr std::size_t kDeckRecordSizeUntagged = kIndexFieldSize + kBodyFieldSize;

struct DeckReadResult {
    enum class Status {
        kOk,
        kCannotOpen,    // no such file, not a file, no permission
        kIncompatible,  // the first four bytes are no deck file magic
        kTruncated,     // the file ends before its header or its last record
        kReadError,     // the system failed in the middle of reading
        kCancelled,     // the progress callback said stop; the cards read so far are added
    };
    Status status = Status::kOk;
    std::uint32_t magic = 0;
    std::int64_t announced = 0;  // the count in the header
    int cards_read = 0;          // cards added to the deck
    int tagged = 0;              // of those, the tagged ones

    // Cards were added to the deck (the whole file, or what stood before the damage).
    bool Usable() const { return status == Status::kOk || status == Status::kTruncated; }
};

// Told after each block of records read: the cards read so far and the count in the header.
// Returning false stops the reading (kCancelled), and none of the file's cards join the deck.
using DeckReadProgress = std::function<bool(std::int64_t cards_read, std::int64_t announced)>;

// Appends the file's cards to the deck and sorts it. A file that ends early keeps every card
// read completely. The count in the header only says when to stop: it never decides how much
// memory is taken. The modified flag is left to the caller.
DeckReadResult ReadDeckFile(std::istream& in, Deck& deck, const DeckReadProgress& progress = {});
DeckReadResult ReadDeckFile(const std::filesystem::path& path, Deck& deck,
                            const DeckReadProgress& progress = {});

// Writes magic 0xAAAB, the count and one record per card from the front card on. Every byte
// after a text's terminator is zero.
bool WriteDeckFile(std::ostream& out, const Deck& deck);
// Replaces the file in one rename (see ReplaceFile); the modified flag is left to the caller.
ReplaceResult WriteDeckFile(const std::filesystem::path& path, const Deck& deck);

// The program's messages, with the path as the user gave it (UTF-8 on Linux).
std::string FileErrorMessage(std::string_view path);  // File Error - "path"
inline constexpr std::string_view kIncompatibleFileMessage = "File Error - Incompable File";
std::string DeckReadMessage(const DeckReadResult& result, std::string_view path);
std::string DeckWriteMessage(const ReplaceResult& result, std::string_view path);

}  // namespace tabula
