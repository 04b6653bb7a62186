#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    // A reader that went away (`tabula-cli list deck.tbx | head -1`) ends the program quietly,
    // as it does any Unix tool, even when the shell started it with SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_DFL);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tabula::cli::RunCli(args, std::cout, std::cerr);
}
