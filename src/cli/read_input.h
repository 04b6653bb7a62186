#pragma once

#include <optional>
#include <string>

namespace tabula::cli {

// What tabula-cli is asked to read. "-" is standard input. A regular file is left to the
// readers, which stream it; standard input, a pipe or a device cannot seek back once the first
// bytes have told what the file is, so those are read whole into memory here.
struct CliInput {
    std::string shown;  // the name for messages: the path, or "standard input"
    std::string error;  // why it cannot be read (the system's words); empty if it can
    std::optional<std::string> bytes;  // everything it held, when it is not a regular file
};

CliInput ReadInput(const std::string& path);

}  // namespace tabula::cli
