#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabula::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFile = 2;

// Runs tabula-cli with its arguments (without the program name); returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabula::cli
