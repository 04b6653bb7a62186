// ReplaceFile and ReadFileStamp on Windows, with the standard library and the C runtime only.
// The file is written beside the target and renamed over it; a read-only target is refused.
#include <io.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>

#include "deck/replace_file.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

using Status = ReplaceResult::Status;

std::error_code LastError(std::errc fallback) {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(fallback);
}

// Pushes the file's contents to the disk before it takes the old file's place; without this
// a crash right after the rename can leave an empty file under the old name.
bool SyncFile(const fs::path& path) {
    std::FILE* file = _wfopen(path.c_str(), L"rb+");
    if (!file) {
        return false;
    }
    const bool ok = _commit(_fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

// A short name, so that it fits wherever the target's own name fits.
fs::path TemporaryBeside(const fs::path& target) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".tabula-%08x.tmp", static_cast<unsigned>(random()));
        fs::path candidate = target;
        candidate.replace_filename(name);
        std::error_code ignored;
        if (!fs::exists(fs::symlink_status(candidate, ignored))) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

ReplaceResult ReplaceFile(const fs::path& path, const std::function<bool(std::ostream&)>& write) {
    std::error_code ec;
    const fs::path target = SaveTarget(path, ec);
    if (ec) {
        return {Status::kCannotCreate, ec};
    }
    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists && !fs::is_regular_file(existing)) {
        return {Status::kCannotCreate,
                std::make_error_code(fs::is_directory(existing) ? std::errc::is_a_directory
                                                                : std::errc::invalid_argument)};
    }
    if (exists && (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return {Status::kWriteProtected, std::make_error_code(std::errc::permission_denied)};
    }
    if (target.filename().empty()) {
        return {Status::kCannotCreate, std::make_error_code(std::errc::is_a_directory)};
    }

    const fs::path temporary = TemporaryBeside(target);
    if (temporary.empty()) {
        return {Status::kCannotCreate, std::make_error_code(std::errc::file_exists)};
    }
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        return {Status::kCannotCreate, LastError(std::errc::permission_denied)};
    }
    auto abandon = [&](std::error_code error) {
        out.close();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return ReplaceResult{Status::kWriteFailed, error};
    };
    errno = 0;
    const bool written = write(out);
    out.flush();
    if (!written || !out) {
        return abandon(LastError(std::errc::io_error));
    }
    errno = 0;
    out.close();
    if (!out) {
        return abandon(LastError(std::errc::io_error));
    }
    errno = 0;
    if (!SyncFile(temporary)) {
        return abandon(LastError(std::errc::io_error));
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        return abandon(ec);
    }
    return {};
}

std::optional<FileStamp> ReadFileStamp(const fs::path& path) {
    std::error_code ec;
    const auto modified = fs::last_write_time(path, ec);
    const auto size = fs::file_size(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return FileStamp{
        0, 0,
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count(),
        size};
}

}  // namespace tabula
