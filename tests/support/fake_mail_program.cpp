#include "support/fake_mail_program.h"

#include "support/temp_dir.h"

namespace tabula::test {

namespace {

namespace fs = std::filesystem;

// Each argument goes to a file of its own, so line breaks in a body survive. The log is
// written aside and renamed into place whole, so a test never reads half of it. With a "hold"
// file it acts as a mail program that was not running: xdg-email returns when it quits.
constexpr const char* kXdgEmail = R"(#!/bin/sh
f="${0%/bin/*}"; new="$f/log.$$"; /bin/rm -rf "$new"; /bin/mkdir -p "$new"
i=0; attach=
for a in "$@"; do
  i=$((i+1)); printf '%s' "$a" > "$new/arg$i"
  if [ "$attach" = yes ]; then /bin/cat "$a" > "$new/attachment"; fi
  if [ "$a" = --attach ]; then attach=yes; else attach=; fi
done
echo $i > "$new/count"; /bin/rm -rf "$f/log"; /bin/mv "$new" "$f/log"
if [ -e "$f/hold" ]; then while [ ! -e "$f/release" ]; do /bin/sleep 0.05; done; fi
: > "$f/finished"
exit $(/bin/cat "$f/status")
)";

constexpr const char* kXdgMime = R"(#!/bin/sh
[ "$1 $2 $3" = 'query default x-scheme-handler/mailto' ] || exit 1
/bin/cat "${0%/bin/*}/handler" 2>/dev/null
exit 0
)";

void WriteScript(const fs::path& path, const char* text) {
    WriteFileBytes(path, text);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

}  // namespace

FakeMailProgram::FakeMailProgram(const fs::path& folder) : folder_(folder), bin_(folder / "bin") {
    fs::create_directories(bin_);
    WriteScript(bin_ / "xdg-email", kXdgEmail);
    WriteScript(bin_ / "xdg-mime", kXdgMime);
    SetHandlerRegistered(true);
    SetExitStatus(0);
}

void FakeMailProgram::SetHandlerRegistered(bool registered) {
    if (registered) {
        WriteFileBytes(folder_ / "handler", "mailer.desktop\n");
    } else {
        fs::remove(folder_ / "handler");
    }
}

void FakeMailProgram::SetExitStatus(int status) {
    WriteFileBytes(folder_ / "status", std::to_string(status) + "\n");
}

void FakeMailProgram::RemoveXdgEmail() {
    fs::remove(bin_ / "xdg-email");
}
void FakeMailProgram::HoldUntilReleased() {
    WriteFileBytes(folder_ / "hold", "");
}
void FakeMailProgram::Release() {
    WriteFileBytes(folder_ / "release", "");
}
bool FakeMailProgram::Finished() const {
    return fs::exists(folder_ / "finished");
}
bool FakeMailProgram::Ran() const {
    return fs::exists(folder_ / "log" / "count");
}

std::vector<std::string> FakeMailProgram::Arguments() const {
    std::vector<std::string> arguments;
    const int count = Ran() ? std::stoi(ReadFileBytes(folder_ / "log" / "count")) : 0;
    for (int i = 1; i <= count; ++i) {
        arguments.push_back(ReadFileBytes(folder_ / "log" / ("arg" + std::to_string(i))));
    }
    return arguments;
}

std::optional<std::string> FakeMailProgram::Attachment() const {
    const fs::path copy = folder_ / "log" / "attachment";
    return fs::exists(copy) ? std::optional(ReadFileBytes(copy)) : std::nullopt;
}

}  // namespace tabula::test
