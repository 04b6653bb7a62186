#include "deck/cardfile.h"

#include <algorithm>
#include <fstream>
#include <utility>

#include "deck/ansi.h"
#include "deck/byte_reader.h"
#include "deck/file_window.h"
#include "deck/ole_object.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSignatureSize = 3;
constexpr std::size_t kHeaderSizeMgc = 5;  // signature, 16-bit count
constexpr std::size_t kHeaderSizeRrg = 9;  // signature, 32-bit last object id, 16-bit count
constexpr std::size_t kEntrySize = 52;
constexpr std::size_t kEntryOffsetField = 6;
constexpr std::size_t kEntryIndexField = 11;
constexpr std::size_t kEntryIndexLength = 40;
constexpr std::size_t kPictureGeometry = 8;  // "MGC": width, height, x, y
// "RRG", after a card's object: character width and height, the object's rectangle and its
// type, seven 16-bit values that only say where the object stood.
constexpr std::size_t kObjectPlacement = 14;

struct Entry {
    std::uint32_t data_offset = 0;
    std::string_view index;  // up to its first zero byte, at most 40 bytes
};

Entry ParseEntry(std::string_view entry) {
    Entry parsed;
    parsed.data_offset = ReadU32(entry.data() + kEntryOffsetField);
    std::string_view index = entry.substr(kEntryIndexField, kEntryIndexLength);
    const std::size_t zero = index.find('\0');
    parsed.index = zero == std::string_view::npos ? index : index.substr(0, zero);
    return parsed;
}

// The index lines and the cards' data are read through sources of their own, so that a file
// read a part at a time goes through each in order.
class Importer {
  public:
    Importer(ByteSource& entries, ByteSource& data, Deck& deck, CardfileResult& result,
             const std::function<bool(int, int)>& progress)
        : entries_(entries), data_(data), deck_(deck), result_(result), progress_(progress) {}

    bool Damaged(int card, std::string_view index, std::string_view phrase) {
        return Damaged(card, index, ReadProblem{phrase, {}});
    }
    bool Damaged(int card, std::string_view index, ReadProblem problem) {
        result_.status = CardfileResult::Status::kDamaged;
        result_.damaged_card = card;
        result_.damaged_index = std::string(index);
        result_.problem = std::move(problem);
        return false;
    }

    void Run() {
        const bool rrg = result_.layout == CardfileLayout::kRrg;
        const std::size_t header_size = rrg ? kHeaderSizeRrg : kHeaderSizeMgc;
        ByteReader entries(entries_);
        const auto header = entries.Take(header_size);
        if (!header) {
            Damaged(-1, {}, "the file ends inside its header");
            return;
        }
        // The count ends the header. "RRG" has the last object id before it, which only
        // matters to a program that adds objects.
        result_.announced = ReadU16(header->data() + header_size - 2);

        // The count is at most 65,535, so the ring may take room for it before the file shows
        // that the cards are there.
        deck_.ReserveCards(static_cast<std::size_t>(result_.announced));
        constexpr int kCardsBetweenProgress = 256;
        for (int k = 0; k < result_.announced; ++k) {
            if (progress_ && k % kCardsBetweenProgress == 0 &&
                !progress_(result_.cards_read, result_.announced)) {
                deck_.DropNewCards(static_cast<std::size_t>(result_.cards_read));
                const CardfileLayout layout = result_.layout;
                result_ = {};
                result_.status = CardfileResult::Status::kCancelled;
                result_.layout = layout;
                return;
            }
            const auto raw = entries.Take(kEntrySize);
            if (!raw) {
                Damaged(k, {}, "the file ends inside the list of index lines");
                return;
            }
            const Entry entry = ParseEntry(*raw);
            if (!(rrg ? ReadRrgCard(k, entry) : ReadMgcCard(k, entry))) {
                return;
            }
        }
    }

  private:
    // "MGC": a picture (length, and when that is not 0, geometry and bytes), then the text.
    bool ReadMgcCard(int k, const Entry& entry) {
        if (entry.data_offset >= data_.Size()) {
            return Damaged(k, entry.index, "its data lies outside the file");
        }
        ByteReader data(data_, entry.data_offset);
        const auto picture = data.U16();
        if (!picture) {
            return Damaged(k, entry.index, "the file ends inside its data");
        }
        if (*picture != 0 && !data.Skip(kPictureGeometry + *picture)) {
            return Damaged(k, entry.index, "the file ends inside its picture");
        }
        return AddCard(k, entry, data, *picture != 0);
    }

    // "RRG": an object flag; when it is not 0, an object id, the object and its placement;
    // then the text.
    bool ReadRrgCard(int k, const Entry& entry) {
        if (entry.data_offset >= data_.Size()) {
            return Damaged(k, entry.index, "its data lies outside the file");
        }
        ByteReader data(data_, entry.data_offset);
        const auto has_object = data.U16();
        if (!has_object) {
            return Damaged(k, entry.index, "the file ends inside its data");
        }
        if (*has_object != 0) {
            if (!data.U32()) {
                return Damaged(k, entry.index, "the file ends inside its object");
            }
            OleObjectWalk object = SkipOleObject(data);
            if (!object.Ok()) {
                return Damaged(k, entry.index, std::move(object.problem));
            }
            if (!data.Skip(kObjectPlacement)) {
                return Damaged(k, entry.index, "the file ends inside its object's placement");
            }
        }
        return AddCard(k, entry, data, *has_object != 0);
    }

    // The text: a 16-bit length and the bytes. Only a card read whole reaches the deck.
    bool AddCard(int k, const Entry& entry, ByteReader& data, bool dropped_something) {
        const auto length = data.U16();
        const auto text = length ? data.Take(*length) : std::nullopt;
        if (!text) {
            return Damaged(k, entry.index, "the file ends inside its text");
        }
        deck_.CreateCard(entry.index, *text);  // cut at a zero byte and at 511 bytes
        ++result_.cards_read;
        if (dropped_something) {
            ++result_.objects_dropped;
        }
        return true;
    }

    ByteSource& entries_;
    ByteSource& data_;
    Deck& deck_;
    CardfileResult& result_;
    const std::function<bool(int, int)>& progress_;
};

CardfileResult ReadCardfile(std::string_view signature, ByteSource& entries, ByteSource& data,
                            Deck& deck, CardfileOptions options) {
    CardfileResult result;
    if (signature == "MGC") {
        result.layout = CardfileLayout::kMgc;
    } else if (signature == "RRG") {
        result.layout = CardfileLayout::kRrg;
        if (!options.accept_rrg) {
            result.status = CardfileResult::Status::kNotCompatible;
            return result;
        }
    } else {
        result.status = CardfileResult::Status::kNotCompatible;
        return result;
    }
    Importer(entries, data, deck, result, options.progress).Run();
    return result;
}

}  // namespace

CardfileResult ReadCardfile(std::string_view bytes, Deck& deck, CardfileOptions options) {
    ByteSource source(bytes);
    CardfileResult result = ReadCardfile(bytes.substr(0, std::min(bytes.size(), kSignatureSize)),
                                         source, source, deck, options);
    deck.SortCards();
    return result;
}

CardfileResult ReadCardfile(std::istream& in, std::size_t size, Deck& deck,
                            CardfileOptions options) {
    FileWindow entries(in, size, options.window_bytes);
    FileWindow data(in, size, options.window_bytes);
    const std::size_t signature_size = std::min(size, kSignatureSize);
    const char* signature = entries.At(0, signature_size);
    CardfileResult result =
        ReadCardfile(signature ? std::string_view(signature, signature_size) : std::string_view(),
                     entries, data, deck, options);
    if (entries.Failed() || data.Failed()) {
        // The file changed or failed under the reader: what was read of it is not kept.
        deck.DropNewCards(static_cast<std::size_t>(result.cards_read));
        CardfileResult failed;
        failed.status = CardfileResult::Status::kCannotOpen;
        failed.layout = result.layout;
        result = failed;
    }
    deck.SortCards();
    return result;
}

CardfileResult ReadCardfileFile(const fs::path& path, Deck& deck, CardfileOptions options) {
    std::error_code ec;
    std::ifstream in;
    if (fs::is_regular_file(path, ec)) {
        in.open(path, std::ios::binary);
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!in.is_open() || !in || ec) {
        CardfileResult failed;
        failed.status = CardfileResult::Status::kCannotOpen;
        return failed;
    }
    return ReadCardfile(in, static_cast<std::size_t>(size), deck, options);
}

std::string CardfileMessage(const CardfileResult& result) {
    using Status = CardfileResult::Status;
    switch (result.status) {
        case Status::kOk:
        case Status::kCancelled:
            return {};
        case Status::kCannotOpen:
            return std::string(kCardfileOpenError);
        case Status::kNotCompatible:
            return std::string(kCardfileNotCompatible);
        case Status::kDamaged: {
            if (result.damaged_card < 0) {
                return "File damaged: " + result.problem.Text() + ". No cards were read.";
            }
            std::string text = "File damaged at card " + std::to_string(result.damaged_card + 1);
            if (!result.damaged_index.empty()) {
                text += " \"" + AnsiToUtf8(result.damaged_index) + "\"";
            }
            text += ": " + result.problem.Text() + ". ";
            if (result.cards_read == 0) {
                text += "No cards were read.";
            } else if (result.cards_read == 1) {
                text += "The 1 card before it was read.";
            } else {
                text += "The " + std::to_string(result.cards_read) + " cards before it were read.";
            }
            return text;
        }
    }
    return {};
}

}  // namespace tabula
