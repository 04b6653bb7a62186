#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "deck/cardfile.h"
#include "deck/deck.h"
#include "deck/deck_file.h"
#include "deck/file_format.h"

namespace tabula::cli {

using FileKind = FileFormat;

struct OpenedFile {
    FileKind kind = FileKind::kUnknown;
    bool read = false;     // cards were read (all of them, or those before damage)
    bool damaged = false;  // read, but not to the end
    int announced = 0;     // the count the file gives
    int objects_dropped = 0;
    int tagged = 0;       // tagged cards among those read (a Cardfile file has none)
    std::string message;  // what went wrong, for standard error; empty when all is well
};

// Opens a file as the program would, recognising it by its first bytes: a deck file (either
// layout) or a Cardfile file ("MGC", and "RRG" as well). The cards are appended to the deck.
OpenedFile OpenAnyFile(const std::filesystem::path& path, Deck& deck);
// The same for bytes that are already open, from their first byte on; the stream must be able
// to seek back to it. `shown` names them in messages; `file`, when the bytes are a file on
// disk, lets a Cardfile file be read whole in one go.
OpenedFile OpenStream(std::istream& in, const std::string& shown, Deck& deck,
                      const std::filesystem::path* file = nullptr);

const char* DescribeKind(FileKind kind);

}  // namespace tabula::cli
