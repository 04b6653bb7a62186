#include "deck/cardfile.h"

#include <fstream>

#include "deck/ansi.h"
#include "deck/byte_reader.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHeaderSizeMgc = 5;
constexpr std::size_t kEntrySize = 52;
constexpr std::size_t kEntryOffsetField = 6;
constexpr std::size_t kEntryIndexField = 11;
constexpr std::size_t kEntryIndexLength = 40;
constexpr std::size_t kPictureGeometry = 8;

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

// The card's text, cut as a body is: at its first zero byte and at 511 bytes.
std::string_view BodyFromText(std::string_view text) {
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos) {
        text = text.substr(0, zero);
    }
    return text.substr(0, std::min(text.size(), kMaxBodyLength));
}

class Importer {
  public:
    Importer(std::string_view bytes, Deck& deck, CardfileResult& result)
        : bytes_(bytes), deck_(deck), result_(result) {}

    bool Damaged(int card, std::string_view index, std::string problem) {
        result_.status = CardfileResult::Status::kDamaged;
        result_.damaged_card = card;
        result_.damaged_index = std::string(index);
        result_.problem = std::move(problem);
        return false;
    }

    // "MGC": per card, a picture (length, geometry, bytes) and then the text.
    bool ReadMgcCard(int k, const Entry& entry) {
        if (entry.data_offset > bytes_.size()) {
            return Damaged(k, entry.index, "its data lies outside the file");
        }
        ByteReader data(bytes_, entry.data_offset);
        const auto picture = data.U16();
        if (!picture) {
            return Damaged(k, entry.index, "the file ends inside it");
        }
        if (*picture != 0) {
            if (!data.Skip(kPictureGeometry + *picture)) {
                return Damaged(k, entry.index, "the file ends inside its picture");
            }
            ++result_.objects_dropped;
        }
        const auto length = data.U16();
        const auto text = length ? data.Take(*length) : std::nullopt;
        if (!text) {
            return Damaged(k, entry.index, "the file ends inside its text");
        }
        Card& card = deck_.CreateCard(entry.index);
        card.SetBody(BodyFromText(*text));
        ++result_.cards_read;
        return true;
    }

    void Run(std::size_t header_size, bool (Importer::*read_card)(int, const Entry&)) {
        ByteReader entries(bytes_, header_size);
        for (int k = 0; k < result_.announced; ++k) {
            const auto raw = entries.Take(kEntrySize);
            if (!raw) {
                Damaged(k, {}, "the file ends inside the list of index lines");
                return;
            }
            if (!(this->*read_card)(k, ParseEntry(*raw))) {
                return;
            }
        }
    }

  private:
    std::string_view bytes_;
    Deck& deck_;
    CardfileResult& result_;
};

}  // namespace

CardfileResult ReadCardfile(std::string_view bytes, Deck& deck, CardfileOptions options) {
    CardfileResult result;
    const std::string_view signature = bytes.substr(0, std::min<std::size_t>(bytes.size(), 3));
    if (signature == "MGC") {
        result.layout = CardfileLayout::kMgc;
    } else if (signature == "RRG" && options.accept_rrg) {
        result.layout = CardfileLayout::kRrg;
    } else {
        result.status = CardfileResult::Status::kNotCompatible;
        return result;
    }

    Importer importer(bytes, deck, result);
    if (result.layout == CardfileLayout::kMgc) {
        ByteReader header(bytes, 3);
        const auto count = header.U16();
        if (!count) {
            importer.Damaged(0, {}, "the file ends before its card count");
        } else {
            result.announced = *count;
            importer.Run(kHeaderSizeMgc, &Importer::ReadMgcCard);
        }
    }
    deck.SortCards();
    return result;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::string CardfileMessage(const CardfileResult& result) {
    using Status = CardfileResult::Status;
    switch (result.status) {
        case Status::kOk:
            return {};
        case Status::kCannotOpen:
            return std::string(kCardfileOpenError);
        case Status::kNotCompatible:
            return std::string(kCardfileNotCompatible);
        case Status::kDamaged: {
            std::string text = "File damaged at card " + std::to_string(result.damaged_card + 1);
            if (!result.damaged_index.empty()) {
                text += " \"" + AnsiToUtf8(result.damaged_index) + "\"";
            }
            text += ": " + result.problem + ". The " + std::to_string(result.cards_read) +
                    " cards before it were read.";
            return text;
        }
    }
    return {};
}

}  // namespace tabula
