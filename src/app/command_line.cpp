#include "app/command_line.h"

namespace tabula {

namespace {

// '@' stands for the program's name, as the user called it.
constexpr std::string_view kHelp = R"(Usage: @ [FILE]
       @ --version | --help

Tabula keeps a deck of index cards in the order of their index lines.

FILE is a Tabula deck (.tbx) to open, or a Cardfile file (.crd, "MGC" layout) to import;
without it the program starts with an empty, untitled deck. The first argument is always
taken as the file's path, even when it begins with a dash. Only a first argument that is
exactly --version or --help is an option; to open a file of that name, write it as a path:
  @ ./--help

  --version   print the program's name and version, then exit
  --help      print this text, then exit

Settings (window placement, last file used): ~/.config/Tabula/@.conf
Press F1 in the program for its help pages. For decks on the command line: tabula-cli --help
)";

}  // namespace

StartupRequest ReadStartupRequest(int argc, const char* const* argv) {
    if (argc < 2 || argv[1] == nullptr) {
        return StartupRequest::kRun;
    }
    const std::string_view first = argv[1];
    if (first == "--version") {
        return StartupRequest::kVersion;
    }
    if (first == "--help") {
        return StartupRequest::kHelp;
    }
    return StartupRequest::kRun;
}

std::string VersionText(std::string_view program) {
    return std::string(program) + " " + TABULA_VERSION + "\n";
}

std::string HelpText(std::string_view program) {
    std::string text;
    for (const char c : kHelp) {
        if (c == '@') {
            text += program;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace tabula
