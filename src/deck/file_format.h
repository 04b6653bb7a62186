#pragma once

#include <filesystem>
#include <string_view>

namespace tabula {

// What a file holds, told by its first bytes alone: a deck (either record layout), a Cardfile
// file ("MGC", or "RRG" that may hold objects), or something else. The name never decides.
enum class FileFormat { kUnknown, kDeck, kDeckUntagged, kCardfileMgc, kCardfileRrg };

// `head` is the file's start; four bytes are enough.
FileFormat RecogniseFormat(std::string_view head);
// kUnknown for a file that cannot be read as well as for one that holds something else.
FileFormat RecogniseFormat(const std::filesystem::path& path);

inline bool IsCardfile(FileFormat format) {
    return format == FileFormat::kCardfileMgc || format == FileFormat::kCardfileRrg;
}

}  // namespace tabula
