#pragma once

#include <string>
#include <string_view>

namespace tabula {

// What the program is asked to do by its first argument. The first argument is the path of
// the deck to open, whatever it looks like, so that every file name can be opened: only a
// first argument that is exactly "--version" or "--help" is taken as a question instead. A
// file that happens to be called "--help" still opens as "./--help".
enum class StartupRequest {
    kRun,      // open the window, with the deck named by the first argument if there is one
    kVersion,  // print the version and leave
    kHelp,     // print the usage and leave
};

StartupRequest ReadStartupRequest(int argc, const char* const* argv);

// "tabula 0.1.0" and the usage text, each ending in a line break.
std::string VersionText(std::string_view program);
std::string HelpText(std::string_view program);

}  // namespace tabula
