#include "deck/replace_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <ostream>

#include "support/temp_dir.h"

namespace tabula {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;
using Status = ReplaceResult::Status;

ReplaceResult Write(const fs::path& path, std::string_view bytes, bool ok = true) {
    return ReplaceFile(path, [bytes, ok](std::ostream& out) {
        out << bytes;
        return ok;  // false as when the disk fills up half way
    });
}

std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

// Runs `save` in a child process as `uid` (and its group); the child's exit code is the status.
int SaveAs(uid_t uid, const std::function<ReplaceResult()>& save) {
    const pid_t child = fork();
    if (child == 0) {
        const bool other = uid != geteuid();
        _exit(other && (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)
                  ? 99
                  : static_cast<int>(save().status));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReplaceFile, NeverHarmsTheOldFileAndKeepsLinksAndMode) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx";
    WriteFileBytes(path, "old");
    EXPECT_EQ(Write(path, "half a deck", false).status, Status::kWriteFailed);
    const ReplaceResult bad_stream = ReplaceFile(path, [](std::ostream& out) {
        out.setstate(std::ios::badbit);
        return true;
    });
    EXPECT_FALSE(bad_stream.ok());
    EXPECT_FALSE(DescribeReplaceError(bad_stream).empty());
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(Entries(dir.path()), 1u);  // no temporary file left behind

    fs::create_hard_link(path, dir / "other name.tbx");
    const fs::perms rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, rw_r);
    ASSERT_TRUE(Write(path, "new").ok());
    EXPECT_EQ(ReadFileBytes(dir / "other name.tbx"), "old");  // the link breaks, both stay whole
    EXPECT_EQ(fs::status(path).permissions(), rw_r);
    const fs::path longest = dir / (std::string(251, 'd') + ".tbx");  // 255 bytes
    ASSERT_TRUE(Write(longest, "new").ok());
    ASSERT_TRUE(Write(longest, "newer").ok());
    EXPECT_EQ(ReadFileBytes(longest), "newer");
    fs::create_symlink(longest, dir / "link.tbx");
    ASSERT_TRUE(Write(dir / "link.tbx", "linked").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.tbx")));
    EXPECT_EQ(ReadFileBytes(longest), "linked");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Write(path, "x").status, Status::kWriteProtected);  // root too
    EXPECT_EQ(ReadFileBytes(path), "new");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const fs::path& odd : {dir / "pipe", dir.path(), dir / "missing" / "x.tbx"}) {
        EXPECT_EQ(Write(odd, "x").status, Status::kCannotCreate) << odd;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_EQ(Entries(dir.path()), 5u);
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
    EXPECT_TRUE(ReplaceFile(path, [&](std::ostream& out) {
                    EXPECT_TRUE(Write(path, "inner").ok());
                    during_inner_save = Entries(dir.path());
                    out << "outer";
                    return true;
                }).ok());
    EXPECT_EQ(during_inner_save, 2u);  // the deck and the running save's file
    EXPECT_EQ(ReadFileBytes(path), "outer");
    EXPECT_EQ(Entries(dir.path()), 1u);
}

TEST(ReplaceFile, WhoMayWriteWhatKeepingOwnerAndMode) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to save as two users (root and nobody, 65534)";
    }
    constexpr uid_t kRoot = 0, kNobody = 65534;
    const fs::perms r = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms rw = r | fs::perms::owner_write;
    const struct {
        const char* what;
        uid_t saver, folder_owner, file_owner;
        fs::perms file_mode;
        bool small_disk;
        Status status;
    } cases[] = {
        {"0444 deck", kNobody, kNobody, kNobody, r, false, Status::kWriteProtected},
        {"0444 deck, root", kRoot, kRoot, kRoot, r, false, Status::kWriteProtected},
        {"someone else's deck", kNobody, kNobody, kRoot, rw, false, Status::kWriteProtected},
        {"someone else's deck, root", kRoot, kRoot, kNobody, rw, false, Status::kOk},
        {"read-only folder", kNobody, kRoot, kNobody, rw, false, Status::kOk},
        {"read-only folder, full disk", kNobody, kRoot, kNobody, rw, true, Status::kNoSpace},
    };
    for (const auto& c : cases) {
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
        EXPECT_EQ(ReadFileBytes(path), c.status == Status::kOk ? bytes : "old") << c.what;
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

}  // namespace
}  // namespace tabula
