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
    const fs::path path = dir / "deck.tbx", longest = dir / (std::string(251, 'd') + ".tbx");
    WriteFileBytes(path, "old");
    EXPECT_EQ(Write(path, "half a deck", false).status, Status::kWriteFailed);
    const ReplaceResult bad_stream = ReplaceFile(path, [](std::ostream& out) {
        out.setstate(std::ios::badbit);
        return true;
    });
    EXPECT_TRUE(!bad_stream.ok() && !DescribeReplaceError(bad_stream).empty());
    EXPECT_EQ(ReadFileBytes(path) + std::to_string(Entries(dir.path())), "old1");  // no leftovers
    fs::create_hard_link(path, dir / "other name.tbx");
    const fs::perms rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, rw_r);
    fs::create_symlink(longest, dir / "link.tbx");  // a name of 255 bytes
    ASSERT_TRUE(Write(path, "new").ok() && Write(longest, "new").ok() &&
                Write(dir / "link.tbx", "linked").ok());
    EXPECT_EQ(ReadFileBytes(dir / "other name.tbx") + ReadFileBytes(longest), "oldlinked");
    EXPECT_TRUE(fs::status(path).permissions() == rw_r &&
                fs::is_symlink(fs::symlink_status(dir / "link.tbx")));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Write(path, "x").status, Status::kWriteProtected);  // root too
    EXPECT_EQ(ReadFileBytes(path), "new");
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const fs::path& odd : {dir / "pipe", dir.path(), dir / "missing" / "x.tbx"}) {
        EXPECT_EQ(Write(odd, "x").status, Status::kCannotCreate) << odd;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe") && Entries(dir.path()) == 5u);
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
    std::size_t during_inner_save = 0;  // the deck and the running save's file
    EXPECT_TRUE(ReplaceFile(path, [&](std::ostream& out) {
                    EXPECT_TRUE(Write(path, "inner").ok());
                    during_inner_save = Entries(dir.path());
                    return static_cast<bool>(out << "outer");
                }).ok());
    EXPECT_EQ(ReadFileBytes(path) + std::to_string(during_inner_save) +
                  std::to_string(Entries(dir.path())),
              "outer21");
}

TEST(ReplaceFile, WhoMayWriteWhatKeepingOwnerAndMode) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to save as two users (root and nobody, 65534)";
    }
    constexpr uid_t kRoot = 0, kNobody = 65534;
    const fs::perms r = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms rw = r | fs::perms::owner_write;
    // Saver, folder owner, file owner, file mode, a full disk, the status.
    const struct {
        uid_t saver, folder_owner, file_owner;
        fs::perms file_mode;
        bool small_disk;
        Status status;
    } cases[] = {
        {kNobody, kNobody, kNobody, r, false, Status::kWriteProtected},
        {kRoot, kRoot, kRoot, r, false, Status::kWriteProtected},
        {kNobody, kNobody, kRoot, rw, false, Status::kWriteProtected},  // someone else's deck
        {kRoot, kRoot, kNobody, rw, false, Status::kOk},
        {kNobody, kRoot, kNobody, rw, false, Status::kOk},  // a read-only folder
        {kNobody, kRoot, kNobody, rw, true, Status::kNoSpace},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        test::TempDir dir;
        fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec);
        const fs::path folder = dir / "folder", path = folder / "deck.tbx";
        fs::create_directory(folder);
        if (c.small_disk && mount("t", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs for the full disk";
        }
        WriteFileBytes(path, "old");
        ASSERT_EQ(chown(folder.c_str(), c.folder_owner, c.folder_owner) +
                      chown(path.c_str(), c.file_owner, c.file_owner),
                  0);
        fs::permissions(path, c.file_mode);
        const std::string bytes(c.small_disk ? 200000 : 10, 'n');
        const int status = SaveAs(c.saver, [&] { return Write(path, bytes); });
        ASSERT_NE(status, 99) << "cannot act as nobody (65534)";
        EXPECT_EQ(status, static_cast<int>(c.status));
        EXPECT_EQ(ReadFileBytes(path), c.status == Status::kOk ? bytes : "old");
        struct stat st {};
        stat(path.c_str(), &st);
        EXPECT_TRUE(st.st_uid == c.file_owner && st.st_gid == c.file_owner &&
                    Entries(folder) == 1 &&
                    static_cast<fs::perms>(st.st_mode & 0777) == c.file_mode);
        if (c.small_disk) {
            umount(folder.c_str());
        }
    }
}

}  // namespace
}  // namespace tabula
