#include "deck/replace_file.h"

namespace tabula {

std::filesystem::path SaveTarget(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
    std::error_code no_file;  // a path with nothing at it yet is simply the target
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, no_file))) {
        return path;
    }
    return std::filesystem::weakly_canonical(path, ec);
}

std::string DescribeReplaceError(const ReplaceResult& result) {
    using Status = ReplaceResult::Status;
    switch (result.status) {
        case Status::kOk:
            return {};
        case Status::kWriteProtected:
            return "the file is write-protected";
        case Status::kNoSpace:
            return "its folder cannot be written to, and the disk has too little free space to "
                   "write the file in place";
        case Status::kPartlyWritten:
            return (result.error ? result.error.message() : std::string("the write failed")) +
                   "; the file was being written in place and is now incomplete";
        case Status::kCannotCreate:
        case Status::kWriteFailed:
            break;
    }
    if (result.error) {
        return result.error.message();
    }
    return result.status == ReplaceResult::Status::kCannotCreate ? "cannot create the file"
                                                                 : "the file was not written";
}

}  // namespace tabula
