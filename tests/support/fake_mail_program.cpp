#include "support/fake_mail_program.h"

namespace tabula::test {

namespace fs = std::filesystem;

// Each argument goes to a file of its own, so line breaks in a body survive. The log is
// written aside and renamed into place whole, so a test never reads half of it.
constexpr const char* kXdgEmail = R"(#!/bin/sh
f="${0%/bin/*}"; new="$f/log.$$"; /bin/rm -rf "$new"; /bin/mkdir -p "$new"; i=0; prev=
for a in "$@"; do
  i=$((i+1)); printf '%s' "$a" > "$new/arg$i"
  [ "$prev" = --attach ] && /bin/cat "$a" > "$new/attachment"; prev=$a
done
/bin/rm -rf "$f/log"; /bin/mv "$new" "$f/log"; exit $(/bin/cat "$f/status")
)";
constexpr const char* kXdgMime = R"(#!/bin/sh
[ "$1 $2 $3" = 'query default x-scheme-handler/mailto' ] || exit 1
/bin/cat "${0%/bin/*}/handler" 2>/dev/null; exit 0
)";

FakeMailProgram::FakeMailProgram(const fs::path& folder) : folder_(folder), bin_(folder / "bin") {
    fs::create_directories(bin_);
    for (const auto& [name, text] : {std::pair{"xdg-email", kXdgEmail}, {"xdg-mime", kXdgMime}}) {
        WriteFileBytes(bin_ / name, text);
        fs::permissions(bin_ / name, fs::perms::owner_all);
    }
    SetHandlerRegistered(true), SetExitStatus(0);
}

std::vector<std::string> FakeMailProgram::Arguments() const {
    std::vector<std::string> args;
    for (fs::path a; fs::exists(a = folder_ / "log" / ("arg" + std::to_string(args.size() + 1)));) {
        args.push_back(ReadFileBytes(a));
    }
    return args;
}

std::optional<std::string> FakeMailProgram::Attachment() const {
    const fs::path copy = folder_ / "log" / "attachment";
    return fs::exists(copy) ? std::optional(ReadFileBytes(copy)) : std::nullopt;
}

}  // namespace tabula::test
