#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
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

TEST(ReplaceFile, ReplacesKeepingModeAnyNameLengthAndNotHardLinks) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx";
    WriteFileBytes(path, "old");
    fs::create_hard_link(path, dir / "other name.tbx");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(Write(path, "new").ok());
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(ReadFileBytes(dir / "other name.tbx"), "old");  // the link breaks, both stay whole
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const fs::path longest = dir / (std::string(251, 'd') + ".tbx");  // 255 bytes
    ASSERT_TRUE(Write(longest, "new").ok());
    ASSERT_TRUE(Write(longest, "newer").ok());
    EXPECT_EQ(ReadFileBytes(longest), "newer");

    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Write(path, "x").status, ReplaceResult::Status::kWriteProtected);  // root too
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(Entries(dir.path()), 3u);
}

// Runs `save` in a child process as `uid` (and its group); the child's exit code is the status.
int SaveAs(uid_t uid, const std::function<ReplaceResult()>& save) {
    const pid_t child = fork();
    if (child == 0) {
        if (uid != geteuid() &&
            (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)) {
            _exit(99);
        }
        _exit(static_cast<int>(save().status));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReplaceFile, WhoMayWriteWhat) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to save as two users (root and nobody, 65534)";
    }
    using Status = ReplaceResult::Status;
    constexpr uid_t kRoot = 0;
    constexpr uid_t kNobody = 65534;
    struct Case {
        const char* what;
        uid_t saver, folder_owner, file_owner;
        fs::perms file_mode;
        bool small_disk;
        Status status;
    };
    const fs::perms r = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms rw = r | fs::perms::owner_write;
    for (const Case& c : {
             Case{"0444 deck", kNobody, kNobody, kNobody, r, false, Status::kWriteProtected},
             Case{"0444 deck, root", kRoot, kRoot, kRoot, r, false, Status::kWriteProtected},
             Case{"someone else's deck", kNobody, kNobody, kRoot, rw, false,
                  Status::kWriteProtected},
             Case{"someone else's deck, root", kRoot, kRoot, kNobody, rw, false, Status::kOk},
             Case{"read-only folder", kNobody, kRoot, kNobody, rw, false, Status::kOk},
             Case{"read-only folder, full disk", kNobody, kRoot, kNobody, rw, true,
                  Status::kNoSpace},
         }) {
        test::TempDir dir;
        fs::permissions(dir.path(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        const fs::path folder = dir / "folder";
        fs::create_directory(folder);
        if (c.small_disk &&
            mount("tabula-test", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs for the full disk";
        }
        const fs::path path = folder / "deck.tbx";
        WriteFileBytes(path, "old");
        ASSERT_EQ(chown(folder.c_str(), c.folder_owner, c.folder_owner), 0);
        ASSERT_EQ(chown(path.c_str(), c.file_owner, c.file_owner), 0);
        fs::permissions(path, c.file_mode);
        const std::string bytes(c.small_disk ? 200000 : 10, 'n');

        const int status = SaveAs(c.saver, [&] { return Write(path, bytes); });
        ASSERT_NE(status, 99) << "cannot act as nobody (65534)";
        EXPECT_EQ(status, static_cast<int>(c.status)) << c.what;
        EXPECT_TRUE(ReadFileBytes(path) == (c.status == Status::kOk ? bytes : "old")) << c.what;
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, c.file_owner) << c.what;
        EXPECT_EQ(st.st_gid, c.file_owner) << c.what;
        EXPECT_EQ(static_cast<fs::perms>(st.st_mode & 0777), c.file_mode) << c.what;
        EXPECT_EQ(Entries(folder), 1u) << c.what;
        if (c.small_disk) {
            umount(folder.c_str());
        }
    }
}

TEST(ReplaceFile, LeftoversOfAKilledSaveGoAtTheNextSaveThoseOfARunningSaveStay) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx";
    WriteFileBytes(path, "old");
    SaveAs(geteuid(), [&] {
        return ReplaceFile(path, [](std::ostream& out) {
            out << std::string(100000, 'h');
            raise(SIGKILL);
            return true;
        });
    });
    ASSERT_EQ(Entries(dir.path()), 2u);
    std::size_t during_inner_save = 0;
    const ReplaceResult outer = ReplaceFile(path, [&](std::ostream& out) {
        EXPECT_TRUE(Write(path, "inner").ok());
        during_inner_save = Entries(dir.path());
        out << "outer";
        return true;
    });
    EXPECT_TRUE(outer.ok());
    EXPECT_EQ(during_inner_save, 2u);  // the deck and the running save's file
    EXPECT_EQ(ReadFileBytes(path), "outer");
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
