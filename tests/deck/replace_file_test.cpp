#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <ostream>

#include "deck/replace_file.h"
#include "support/temp_dir.h"

namespace tabula {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

ReplaceResult Write(const fs::path& path, std::string_view bytes) {
    return ReplaceFile(path, [bytes](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return true;
    });
}

std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(ReplaceFile, AFailedWriteLeavesTheOldFileByteForByte) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx";
    WriteFileBytes(path, "the good deck");
    const ReplaceResult result = ReplaceFile(path, [](std::ostream& out) {
        out << "half a deck";
        return false;  // as when the disk fills up half way
    });
    EXPECT_EQ(result.status, ReplaceResult::Status::kWriteFailed);
    EXPECT_EQ(ReadFileBytes(path), "the good deck");
    EXPECT_EQ(Entries(dir.path()), 1u);  // no temporary file left behind

    const ReplaceResult failed_stream = ReplaceFile(path, [](std::ostream& out) {
        out << "more";
        out.setstate(std::ios::badbit);
        return true;
    });
    EXPECT_FALSE(failed_stream.ok());
    EXPECT_EQ(ReadFileBytes(path), "the good deck");
    EXPECT_FALSE(DescribeReplaceError(failed_stream).empty());
}

TEST(ReplaceFile, ReplacesAndKeepsPermissions) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx";
    WriteFileBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(Write(path, "new").ok());
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(dir.path()), 1u);
}

TEST(ReplaceFile, FollowsALinkAndKeepsIt) {
    test::TempDir dir;
    fs::create_directory(dir / "real");
    WriteFileBytes(dir / "real" / "deck.tbx", "old");
    fs::create_symlink(dir / "real" / "deck.tbx", dir / "link.tbx");
    ASSERT_TRUE(Write(dir / "link.tbx", "new").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.tbx")));
    EXPECT_EQ(ReadFileBytes(dir / "real" / "deck.tbx"), "new");
}

TEST(ReplaceFile, RefusesWhatIsNotARegularFile) {
    test::TempDir dir;
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Write(pipe, "x").status, ReplaceResult::Status::kCannotCreate);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Write(dir.path(), "x").status, ReplaceResult::Status::kCannotCreate);
    EXPECT_EQ(Write(dir / "missing" / "x.tbx", "x").status, ReplaceResult::Status::kCannotCreate);
    EXPECT_EQ(Entries(dir.path()), 1u);
}

}  // namespace
}  // namespace tabula
