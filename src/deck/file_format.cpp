#include "deck/file_format.h"

#include <fstream>

#include "deck/deck_file.h"
#include "deck/little_endian.h"

namespace tabula {

FileFormat RecogniseFormat(std::string_view head) {
    if (head.size() >= 4) {
        const std::uint32_t magic = ReadU32(head.data());
        if (magic == kDeckMagic) {
            return FileFormat::kDeck;
        }
        if (magic == kDeckMagicUntagged) {
            return FileFormat::kDeckUntagged;
        }
    }
    if (head.substr(0, 3) == "MGC") {
        return FileFormat::kCardfileMgc;
    }
    if (head.substr(0, 3) == "RRG") {
        return FileFormat::kCardfileRrg;
    }
    return FileFormat::kUnknown;
}

FileFormat RecogniseFormat(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    in.read(head, sizeof head);
    return RecogniseFormat(std::string_view(head, static_cast<std::size_t>(in.gcount())));
}

}  // namespace tabula
