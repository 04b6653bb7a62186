#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <system_error>

namespace tabula {

struct ReplaceResult {
    enum class Status {
        kOk,
        kCannotCreate,  // the file could not be created where it should go
        kWriteFailed,   // writing, flushing or the final rename failed
    };
    Status status = Status::kOk;
    std::error_code error;  // what the system said, where it said anything

    bool ok() const { return status == Status::kOk; }
};

// Writes a file by writing a new file beside it and renaming that over the old one, so the
// old file is either replaced whole or left byte for byte as it was. `write` returns false
// (or leaves the stream failed) to abandon the file. A path that names something other than
// a regular file (a folder, a device, a pipe) is refused. A symbolic link is followed: the
// file it points to is replaced, the link stays.
ReplaceResult ReplaceFile(const std::filesystem::path& path,
                          const std::function<bool(std::ostream&)>& write);

// The system's words for a failed ReplaceFile, without the path.
std::string DescribeReplaceError(const ReplaceResult& result);

}  // namespace tabula
