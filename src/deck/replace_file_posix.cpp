// ReplaceFile and ReadFileStamp on POSIX systems: everything here that needs more than the
// standard library (O_EXCL, locks, owners, free space) stays in this file.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <random>
#include <streambuf>
#include <string_view>
#include <vector>

#include "deck/replace_file.h"

namespace tabula {

namespace fs = std::filesystem;

namespace {

using Status = ReplaceResult::Status;

// Temporary files are named ".tabula-HHHHHHHH-PID-RRRRRRRR": H a hash of the target's name, so
// a save clears only its own file's leftovers, and PID the writing process. The name stays
// short whatever the target's length.
constexpr std::string_view kTemporaryPrefix = ".tabula-";

std::error_code Errno() {
    return {errno, std::generic_category()};
}

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, so that a failing close (a full disk over NFS) is heard.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes straight to a descriptor, keeping the system's errno of the first failure (a full
// disk) where std::ofstream would lose it.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd) : fd_(fd), buffer_(1 << 16) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    int error() const { return error_; }

  protected:
    int_type overflow(int_type ch) override {
        if (sync() != 0) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override {
        if (error_ != 0) {
            return -1;
        }
        if (!WriteAll(fd_, pbase(), static_cast<std::size_t>(pptr() - pbase()))) {
            error_ = errno != 0 ? errno : EIO;
            return -1;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return 0;
    }

  private:
    int fd_;
    std::vector<char> buffer_;
    int error_ = 0;
};

// Only counts, so the size of what `write` produces is known before a byte reaches the file.
class CountingBuffer : public std::streambuf {
  public:
    std::uint64_t count() const { return count_; }

  protected:
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            ++count_;
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count_ += static_cast<std::uint64_t>(n);
        return n;
    }

  private:
    std::uint64_t count_ = 0;
};

// Runs the caller's writer onto the descriptor; false with errno set when anything failed.
bool WriteThrough(int fd, const std::function<bool(std::ostream&)>& write, std::error_code& error) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    errno = 0;
    const bool written = write(out);
    out.flush();
    if (written && out && ::fsync(fd) == 0) {
        return true;
    }
    const int code = buffer.error() != 0 ? buffer.error() : (errno != 0 ? errno : EIO);
    error = {code, std::generic_category()};
    return false;
}

std::string NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;  // FNV-1a: the same in every build
    for (const unsigned char c : name) {
        hash = (hash ^ c) * 16777619u;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

std::string TemporaryStem(const fs::path& target) {
    return std::string(kTemporaryPrefix) + NameHash(target.filename().string()) + '-';
}

// A leftover is removed only when the process named in it is gone and nobody holds its lock:
// the pid covers the moment between creating a file and locking it, the lock covers a writer on
// another machine sharing the folder.
void RemoveLeftovers(const fs::path& folder, const std::string& stem) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(stem)) {
            continue;
        }
        const std::string_view rest = name.substr(stem.size());
        long pid = 0;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        if (ec != std::errc() || pid <= 0 || end == rest.data() + rest.size() || *end != '-') {
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) {
            continue;
        }
        const fs::path leftover = folder / name;
        const Descriptor fd(::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            ::unlink(leftover.c_str());
        }
    }
    ::closedir(dir);
}

void SyncFolder(const fs::path& folder) {
    const Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

// Truncates and writes the file itself, for a file whose folder cannot take a new name. The
// old contents are gone from the moment of truncation, so the free space is checked first.
ReplaceResult WriteInPlace(const fs::path& target,
                           const std::function<bool(std::ostream&)>& write) {
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        return {Status::kCannotCreate, Errno()};
    }
    CountingBuffer counter;
    std::ostream counting(&counter);
    if (!write(counting) || !counting) {
        return {Status::kWriteFailed, std::make_error_code(std::errc::io_error)};
    }
    struct statvfs space {};
    if (::fstatvfs(fd.get(), &space) != 0) {
        return {Status::kCannotCreate, Errno()};
    }
    const std::uint64_t block = space.f_frsize != 0 ? space.f_frsize : 512;
    const std::uint64_t needed = (counter.count() + block - 1) / block * block;
    const std::uint64_t freed = static_cast<std::uint64_t>(st.st_blocks) * 512;
    const std::uint64_t available = static_cast<std::uint64_t>(space.f_bavail) * block;
    if (needed > available + freed) {
        return {Status::kNoSpace, std::make_error_code(std::errc::no_space_on_device)};
    }
    if (::ftruncate(fd.get(), 0) != 0) {
        return {Status::kWriteFailed, Errno()};
    }
    std::error_code error;
    if (!WriteThrough(fd.get(), write, error)) {
        return {Status::kPartlyWritten, error};
    }
    if (!fd.Close()) {
        return {Status::kPartlyWritten, Errno()};
    }
    return {};
}

// Nobody may write a file without a single write permission bit, not even root: a deck marked
// read-only stays as it is, as it does in editors.
std::optional<ReplaceResult> RefuseUnwritable(const fs::path& target, const struct stat& st) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES || errno == EPERM) {
            return ReplaceResult{Status::kWriteProtected, Errno()};
        }
        return ReplaceResult{Status::kCannotCreate, Errno()};
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return ReplaceResult{Status::kWriteProtected,
                             std::make_error_code(std::errc::permission_denied)};
    }
    return std::nullopt;
}

bool FolderRefused(int error) {
    return error == EACCES || error == EPERM;
}

}  // namespace

ReplaceResult ReplaceFile(const fs::path& path, const std::function<bool(std::ostream&)>& write) {
    std::error_code ec;
    const fs::path target = SaveTarget(path, ec);
    if (ec) {
        return {Status::kCannotCreate, ec};
    }
    if (target.filename().empty()) {
        return {Status::kCannotCreate, std::make_error_code(std::errc::is_a_directory)};
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return {Status::kCannotCreate, Errno()};
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return {Status::kCannotCreate,
                std::make_error_code(S_ISDIR(old.st_mode) ? std::errc::is_a_directory
                                                          : std::errc::invalid_argument)};
    }
    if (exists) {
        if (auto refused = RefuseUnwritable(target, old)) {
            return *refused;
        }
    }

    const fs::path folder = target.parent_path();
    const std::string stem = TemporaryStem(target);
    RemoveLeftovers(folder, stem);

    static std::mt19937 random{std::random_device{}()};
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        char suffix[10];
        std::snprintf(suffix, sizeof suffix, "-%08x", static_cast<unsigned>(random()));
        temporary = folder / (stem + std::to_string(::getpid()) + suffix);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        if (exists && FolderRefused(errno)) {
            return WriteInPlace(target, write);
        }
        return {Status::kCannotCreate, Errno()};
    }
    Descriptor file(fd);
    // Held until the file is renamed or removed: tells a later save that this writer still runs.
    ::flock(fd, LOCK_EX | LOCK_NB);
    auto abandon = [&](std::error_code error) {
        ::unlink(temporary.c_str());
        return ReplaceResult{Status::kWriteFailed, error};
    };

    std::error_code error;
    if (!WriteThrough(fd, write, error)) {
        return abandon(error);
    }
    if (exists) {
        // Root keeps every owner; anyone else keeps at least the group where they belong to it.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        ::fchmod(fd, old.st_mode & 07777);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        if (exists && FolderRefused(code)) {  // a sticky folder and another user's file
            ::unlink(temporary.c_str());
            return WriteInPlace(target, write);
        }
        return abandon({code, std::generic_category()});
    }
    SyncFolder(folder);
    return {};
}

std::optional<FileStamp> ReadFileStamp(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<std::uint64_t>(st.st_size)};
}

}  // namespace tabula
