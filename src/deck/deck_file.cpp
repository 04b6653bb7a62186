#include "deck/deck_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <span>
#include <vector>

#include "deck/little_endian.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

// About 140 KiB: the records read in one go are still in the cache when they are settled.
constexpr std::size_t kRecordsPerChunk = 256;

// Reads up to `size` bytes; fewer only at the end of the stream or on an error.
std::size_t ReadSome(std::istream& in, char* into, std::size_t size) {
    in.read(into, static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in.gcount());
}

// How many whole records the stream still holds, when it can tell; 0 when it cannot.
std::int64_t RecordsAvailable(std::istream& in, std::size_t record) {
    const std::istream::pos_type here = in.tellg();
    if (here == std::istream::pos_type(-1) || !in.seekg(0, std::ios::end)) {
        in.clear();
        return 0;
    }
    const std::istream::pos_type end = in.tellg();
    in.seekg(here);
    if (end == std::istream::pos_type(-1) || !in) {
        in.clear();
        in.seekg(here);
        return 0;
    }
    return static_cast<std::int64_t>((end - here) / static_cast<std::streamoff>(record));
}

std::string CompleteCardsRead(const DeckReadResult& result) {
    return result.cards_read == 1 ? "1 complete card was read"
                                  : std::to_string(result.cards_read) + " complete cards were read";
}

}  // namespace

DeckReadResult ReadDeckFile(std::istream& in, Deck& deck, const DeckReadProgress& progress) {
    using Status = DeckReadResult::Status;
    DeckReadResult result;
    char header[kDeckHeaderSize];
    const std::size_t got = ReadSome(in, header, sizeof header);
    if (in.bad()) {
        result.status = Status::kReadError;
        return result;
    }
    if (got < 4) {
        result.status = Status::kIncompatible;
        return result;
    }
    result.magic = ReadU32(header);
    if (result.magic != kDeckMagic && result.magic != kDeckMagicUntagged) {
        result.status = Status::kIncompatible;
        return result;
    }
    if (got < kDeckHeaderSize) {
        result.status = Status::kTruncated;
        return result;
    }
    result.announced = static_cast<std::int32_t>(ReadU32(header + 4));

    const bool tagged = result.magic == kDeckMagic;
    const std::size_t record = tagged ? kDeckRecordSize : kDeckRecordSizeUntagged;
    std::int64_t remaining = std::max<std::int64_t>(result.announced, 0);
    // The records are read straight into the deck's memory, which grows with the data that
    // actually arrives, not with the count the header claims: a small file with a huge count
    // costs no more than a small file.
    deck.ReserveCards(
        static_cast<std::size_t>(std::min<std::int64_t>(remaining, RecordsAvailable(in, record))));
    while (remaining > 0) {
        const std::span<Card> space = deck.NewCardSpace(
            static_cast<std::size_t>(std::min<std::int64_t>(remaining, kRecordsPerChunk)));
        char* into = reinterpret_cast<char*>(space.data());
        const std::size_t wanted = space.size();
        const std::size_t bytes = ReadSome(in, into, wanted * record);
        const std::size_t whole = bytes / record;
        if (tagged) {
            // Counted while the records are still in the cache.
            for (std::size_t r = 0; r < whole; ++r) {
                result.tagged += space[r].Tagged() ? 1 : 0;
            }
        } else {
            // Each record moves up to its place, from the last one down, so none is
            // overwritten before it moves; the tag the older layout lacks reads as untagged.
            for (std::size_t r = whole; r-- > 0;) {
                char* at = into + r * kDeckRecordSize;
                std::memmove(at, into + r * record, record);
                std::memset(at + record, 0, kDeckRecordSize - record);
            }
        }
        deck.AddNewCards(whole);
        result.cards_read += static_cast<int>(whole);
        remaining -= static_cast<std::int64_t>(whole);
        if (whole < wanted) {
            result.status = in.bad() ? Status::kReadError : Status::kTruncated;
            break;
        }
        if (progress && !progress(result.cards_read, result.announced)) {
            result.status = Status::kCancelled;
            deck.DropNewCards(static_cast<std::size_t>(result.cards_read));
            result.cards_read = 0;
            result.tagged = 0;
            break;
        }
    }
    deck.SortCards();
    return result;
}

DeckReadResult ReadDeckFile(const fs::path& path, Deck& deck, const DeckReadProgress& progress) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return {DeckReadResult::Status::kCannotOpen};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {DeckReadResult::Status::kCannotOpen};
    }
    return ReadDeckFile(in, deck, progress);
}

bool WriteDeckFile(std::ostream& out, const Deck& deck) {
    char header[kDeckHeaderSize];
    WriteU32(header, kDeckMagic);
    WriteU32(header + 4, static_cast<std::uint32_t>(deck.Count()));
    out.write(header, sizeof header);

    const int count = deck.Count();
    std::vector<char> chunk(kDeckRecordSize *
                            std::min(static_cast<std::size_t>(count), kRecordsPerChunk));
    for (int first = 0; first < count && out; first += static_cast<int>(kRecordsPerChunk)) {
        const int last = std::min(count, first + static_cast<int>(kRecordsPerChunk));
        char* at = chunk.data();
        for (int k = first; k < last; ++k, at += kDeckRecordSize) {
            const Card& card = deck.At(k);
            std::memcpy(at, card.IndexField().data(), kIndexFieldSize);
            card.CopySettledBody(at + kIndexFieldSize);
            WriteU32(at + kIndexFieldSize + kBodyFieldSize,
                     static_cast<std::uint32_t>(card.TaggedField()));
        }
        out.write(chunk.data(), at - chunk.data());
    }
    return static_cast<bool>(out);
}

ReplaceResult WriteDeckFile(const fs::path& path, const Deck& deck) {
    return ReplaceFile(path, [&deck](std::ostream& out) { return WriteDeckFile(out, deck); });
}

std::string FileErrorMessage(std::string_view path) {
    std::string text = "File Error - \"";
    text += path;
    text += '"';
    return text;
}

std::string DeckReadMessage(const DeckReadResult& result, std::string_view path) {
    using Status = DeckReadResult::Status;
    switch (result.status) {
        case Status::kOk:
        case Status::kCancelled:
            return {};
        case Status::kCannotOpen:
            return FileErrorMessage(path);
        case Status::kIncompatible:
            return std::string(kIncompatibleFileMessage);
        case Status::kTruncated:
            return FileErrorMessage(path) + " is cut short: " + CompleteCardsRead(result) + '.';
        case Status::kReadError:
            return FileErrorMessage(path) +
                   " could not be read to its end: " + CompleteCardsRead(result) + '.';
    }
    return {};
}

std::string DeckWriteMessage(const ReplaceResult& result, std::string_view path) {
    if (result.ok()) {
        return {};
    }
    switch (result.status) {
        case ReplaceResult::Status::kCannotCreate:
            return FileErrorMessage(path);
        case ReplaceResult::Status::kWriteProtected:
            return FileErrorMessage(path) + " is write-protected.";
        case ReplaceResult::Status::kPartlyWritten:
            return FileErrorMessage(path) + " was not saved: " + DescribeReplaceError(result) +
                   ". The deck is still open: save it again, or under another name.";
        default:
            return FileErrorMessage(path) + " was not saved: " + DescribeReplaceError(result) +
                   ". The file on disk is as it was.";
    }
}

}  // namespace tabula
