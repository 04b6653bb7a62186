#include "support/fake_mail_program.h"

#include "support/temp_dir.h"

namespace tabula::test {

namespace {

namespace fs = std::filesystem;

void WriteScript(const fs::path& path, const std::string& text) {
    WriteFileBytes(path, text);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

}  // namespace

FakeMailProgram::FakeMailProgram(const fs::path& folder) : folder_(folder), bin_(folder / "bin") {
    fs::create_directories(bin_);
    const std::string log = (folder_ / "log").string();
    // Each argument goes to a file of its own, so line breaks in a body survive. The log is
    // written aside and renamed into place whole, so a test never reads half of it.
    WriteScript(bin_ / "xdg-email",
                "#!/bin/sh\n"
                "log='" +
                    log +
                    "'\n"
                    "new=\"$log.$$\"; /bin/rm -rf \"$new\"; /bin/mkdir -p \"$new\"\n"
                    "i=0; attach=\n"
                    "for a in \"$@\"; do\n"
                    "  i=$((i+1)); printf '%s' \"$a\" > \"$new/arg$i\"\n"
                    "  if [ \"$attach\" = yes ]; then /bin/cat \"$a\" > \"$new/attachment\"; fi\n"
                    "  if [ \"$a\" = --attach ]; then attach=yes; else attach=; fi\n"
                    "done\n"
                    "echo $i > \"$new/count\"\n"
                    "/bin/rm -rf \"$log\"; /bin/mv \"$new\" \"$log\"\n"
                    // As a mail program that was not running: xdg-email returns when it quits.
                    "if [ -e '" +
                    (folder_ / "hold").string() +
                    "' ]; then\n"
                    "  while [ ! -e '" +
                    (folder_ / "release").string() +
                    "' ]; do /bin/sleep 0.05; done\n"
                    "fi\n"
                    ": > '" +
                    (folder_ / "finished").string() +
                    "'\n"
                    "exit $(/bin/cat '" +
                    (folder_ / "status").string() + "')\n");
    WriteScript(bin_ / "xdg-mime",
                "#!/bin/sh\n"
                "[ \"$1 $2 $3\" = 'query default x-scheme-handler/mailto' ] || exit 1\n"
                "/bin/cat '" +
                    (folder_ / "handler").string() +
                    "' 2>/dev/null\n"
                    "exit 0\n");
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
    if (!Ran()) {
        return arguments;
    }
    const int count = std::stoi(ReadFileBytes(folder_ / "log" / "count"));
    for (int i = 1; i <= count; ++i) {
        arguments.push_back(ReadFileBytes(folder_ / "log" / ("arg" + std::to_string(i))));
    }
    return arguments;
}

std::optional<std::string> FakeMailProgram::Attachment() const {
    const fs::path copy = folder_ / "log" / "attachment";
    if (!fs::exists(copy)) {
        return std::nullopt;
    }
    return ReadFileBytes(copy);
}

}  // namespace tabula::test
