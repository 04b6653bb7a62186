#include "deck/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tabula {

namespace fs = std::filesystem;

namespace {

std::error_code LastError(std::errc fallback) {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(fallback);
}

// Pushes the file's contents to the disk before it takes the old file's place; without this
// a crash right after the rename can leave an empty file under the old name.
bool SyncFile(const fs::path& path) {
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"rb+");
    if (!file) {
        return false;
    }
    const bool ok = _commit(_fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
#else
    const int fd = ::open(path.c_str(), O_RDWR);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
#endif
}

void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

fs::path TemporaryBeside(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target;
        std::string name = ".";
        name += target.filename().string();
        name += ".tabula-";
        name += std::to_string(random() % 1000000000u);
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
    using Status = ReplaceResult::Status;
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec) {
            return {Status::kCannotCreate, ec};
        }
        target = resolved;
    }
    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists && !fs::is_regular_file(existing)) {
        return {Status::kCannotCreate,
                std::make_error_code(fs::is_directory(existing) ? std::errc::is_a_directory
                                                                : std::errc::invalid_argument)};
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
    if (exists) {
        fs::permissions(temporary, existing.permissions(), ec);
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        return abandon(ec);
    }
    SyncFolder(target.parent_path());
    return {};
}

std::string DescribeReplaceError(const ReplaceResult& result) {
    if (result.ok()) {
        return {};
    }
    if (result.error) {
        return result.error.message();
    }
    return result.status == ReplaceResult::Status::kCannotCreate ? "cannot create the file"
                                                                 : "the file was not written";
}

}  // namespace tabula
