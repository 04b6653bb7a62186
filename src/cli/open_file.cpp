#include "cli/open_file.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

namespace tabula::cli {

namespace fs = std::filesystem;

OpenedFile OpenAnyFile(const fs::path& path, Deck& deck) {
    std::error_code ec;
    std::ifstream in;
    if (fs::is_regular_file(path, ec)) {
        in.open(path, std::ios::binary);
    }
    if (!in.is_open() || !in) {
        OpenedFile opened;
        opened.message = FileErrorMessage(path.string());
        return opened;
    }
    return OpenStream(in, path.string(), deck, &path);
}

OpenedFile OpenStream(std::istream& in, const std::string& shown, Deck& deck,
                      const fs::path* file) {
    OpenedFile opened;
    char head[4] = {};
    in.read(head, sizeof head);
    opened.kind = RecogniseFormat(std::string_view(head, static_cast<std::size_t>(in.gcount())));
    in.clear();
    in.seekg(0);

    switch (opened.kind) {
        case FileKind::kUnknown:
            opened.message = std::string(kIncompatibleFileMessage);
            return opened;
        case FileKind::kDeck:
        case FileKind::kDeckUntagged: {
            const DeckReadResult result = ReadDeckFile(in, deck);
            opened.read = result.Usable();
            opened.damaged = result.status != DeckReadResult::Status::kOk;
            opened.announced = static_cast<int>(result.announced);
            opened.tagged = result.tagged;
            opened.message = DeckReadMessage(result, shown);
            return opened;
        }
        case FileKind::kCardfileMgc:
        case FileKind::kCardfileRrg: {
            // A file on disk is read a part at a time; a pipe is read whole first.
            const CardfileOptions kCli{.accept_rrg = true};
            CardfileResult result;
            result.status = CardfileResult::Status::kCannotOpen;
            std::error_code ec;
            if (file != nullptr) {
                const std::uintmax_t size = fs::file_size(*file, ec);
                if (!ec) {
                    result = ReadCardfile(in, static_cast<std::size_t>(size), deck, kCli);
                }
            } else {
                const std::string piped(std::istreambuf_iterator<char>(in), {});
                if (!in.bad()) {
                    result = ReadCardfile(piped, deck, kCli);
                }
            }
            if (result.status == CardfileResult::Status::kCannotOpen) {
                opened.message = FileErrorMessage(shown);
                return opened;
            }
            opened.read = result.Usable();
            opened.damaged = result.status != CardfileResult::Status::kOk;
            opened.announced = result.announced;
            opened.objects_dropped = result.objects_dropped;
            opened.message = CardfileMessage(result);
            return opened;
        }
    }
    return opened;
}

const char* DescribeKind(FileKind kind) {
    switch (kind) {
        case FileKind::kDeck:
            return "Tabula deck (magic AB AA 00 00, 558-byte records with tags)";
        case FileKind::kDeckUntagged:
            return "Tabula deck, older layout (magic AA AA 00 00, 554-byte records, no tags)";
        case FileKind::kCardfileMgc:
            return "Cardfile (signature MGC)";
        case FileKind::kCardfileRrg:
            return "Cardfile (signature RRG, may hold objects)";
        case FileKind::kUnknown:
            break;
    }
    return "unknown";
}

}  // namespace tabula::cli
