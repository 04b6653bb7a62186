#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <system_error>

namespace tabula {

struct ReplaceResult {
    enum class Status {
        kOk,
        kCannotCreate,    // the file could not be created where it should go
        kWriteProtected,  // the file exists and may not be written; it is untouched
        kNoSpace,         // writing in place was refused before a byte was written
        kWriteFailed,     // writing, flushing or the final rename failed; the old file is whole
        kPartlyWritten,   // writing in place failed part-way: the file is incomplete
    };
    Status status = Status::kOk;
    std::error_code error;  // what the system said, where it said anything

    bool ok() const { return status == Status::kOk; }
};

// Writes a file so that a failed or interrupted save never harms the old one: the new file is
// written beside it under a short temporary name and renamed over it, keeping the old file's
// owner, group and mode where the user may set them. `write` returns false (or leaves the
// stream failed) to abandon the file.
//
// - A file the user may not write, or that nobody may write (mode 0444, even for root), is
//   refused as write-protected.
// - A folder that cannot be written to while the file can (a shared folder) gets the file
//   written in place, and only when the free space holds the whole new file: `write` then runs
//   twice, first to measure what it writes.
// - A file with several hard links is replaced like any other: the name saved to gets the new
//   file and the other names keep the old one whole. Keeping the link would mean writing in
//   place, which a crash or a kill in the middle leaves as half a file under every name.
// - Temporary files left by an earlier save that was killed are removed; those of a save still
//   running are not.
// - A path that names something other than a regular file (a folder, a device, a pipe) is
//   refused. A symbolic link is followed: the file it points to is replaced, the link stays.
ReplaceResult ReplaceFile(const std::filesystem::path& path,
                          const std::function<bool(std::ostream&)>& write);

// The file a save of `path` replaces: `path` itself, or the file a symbolic link there points
// to. Sets `ec` when the link cannot be followed.
std::filesystem::path SaveTarget(const std::filesystem::path& path, std::error_code& ec);

// The system's words for a failed ReplaceFile, without the path.
std::string DescribeReplaceError(const ReplaceResult& result);

// Which file a path names and when it was last written: a save compares the stamp it took when
// the file was read or written with the file's stamp now, to notice another program's write.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modified_ns = 0;
    std::uint64_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

// Nothing when the path names no file that can be looked at.
std::optional<FileStamp> ReadFileStamp(const std::filesystem::path& path);

}  // namespace tabula
