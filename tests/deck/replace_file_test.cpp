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
#include <tuple>

#include "support/temp_dir.h"

namespace tabula {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;
using S = std::string;
using Status = ReplaceResult::Status;

ReplaceResult Write(const fs::path& path, std::string_view bytes) {
    return ReplaceFile(path,
                       [bytes](std::ostream& out) { return static_cast<bool>(out << bytes); });
}
S Entries(const fs::path& dir) {
    return std::to_string(std::distance(fs::directory_iterator(dir), {}));
}

// Runs `save` in a child process as `uid` (and its group); the child's exit code is the status.
int SaveAs(uid_t uid, const std::function<ReplaceResult()>& save) {
    if (const pid_t child = fork(); child != 0) {
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const bool other = uid != geteuid();
    _exit(other && (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)
              ? 99
              : static_cast<int>(save().status));
}

TEST(ReplaceFile, NeverHarmsTheOldFileKeepsLinksAndModeAndCleansUpAfterAKilledSave) {
    test::TempDir dir;
    const fs::path path = dir / "deck.tbx", longest = dir / (std::string(251, 'd') + ".tbx");
    WriteFileBytes(path, "old");
    const auto killed = [](std::ostream& out) { return out << S(100000, 'h') && raise(SIGKILL); };
    SaveAs(geteuid(), [&] { return ReplaceFile(path, killed); });
    ASSERT_EQ(Entries(dir.path()), "2");  // the killed save's file stays until the next save
    const auto half = [](std::ostream& out) { return !(out << "half a deck"); };  // a full disk
    EXPECT_EQ(ReplaceFile(path, half).status, Status::kWriteFailed);
    EXPECT_EQ(ReadFileBytes(path) + Entries(dir.path()), "old1");  // no leftovers
    S during_inner_save;  // the deck and the running save's file
    EXPECT_TRUE(ReplaceFile(path, [&](std::ostream& out) {
                    EXPECT_TRUE(Write(path, "inner").ok());
                    during_inner_save = Entries(dir.path());
                    return static_cast<bool>(out << "old");
                }).ok());
    EXPECT_EQ(ReadFileBytes(path) + during_inner_save + Entries(dir.path()), "old21");
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
    EXPECT_TRUE(fs::is_fifo(dir / "pipe") && Entries(dir.path()) == "5");
}

TEST(ReplaceFile, WhoMayWriteWhatKeepingOwnerAndMode) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to save as two users (root and nobody, 65534)";
    }
    constexpr uid_t R = 0, N = 65534;
    const fs::perms r = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms w = r | fs::perms::owner_write;
    // Saver, folder owner, file owner, file mode, a full disk, the status.
    // clang-format off
    for (const auto& [saver, dir_uid, owner, mode, full, status] :
         std::vector<std::tuple<uid_t, uid_t, uid_t, fs::perms, bool, Status>>{
             {N, N, N, r, false, Status::kWriteProtected},
             {N, N, R, w, false, Status::kWriteProtected},  // someone else's deck
             {R, R, N, w, false, Status::kOk}, {N, R, N, w, false, Status::kOk},  // a read-only folder
             {N, R, N, w, true, Status::kNoSpace}}) {
        // clang-format on
        SCOPED_TRACE(testing::Message() << saver << '/' << dir_uid << '/' << owner << full);
        test::TempDir dir;
        fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec);
        const fs::path folder = dir / "folder", path = folder / "deck.tbx";
        fs::create_directory(folder);
        if (full && mount("t", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            GTEST_SKIP() << "cannot mount a small tmpfs for the full disk";
        }
        WriteFileBytes(path, "old");
        ASSERT_EQ(chown(folder.c_str(), dir_uid, dir_uid) + chown(path.c_str(), owner, owner), 0);
        fs::permissions(path, mode);
        const std::string bytes(full ? 200000 : 10, 'n');
        const int saved = SaveAs(saver, [&] { return Write(path, bytes); });
        ASSERT_NE(saved, 99) << "cannot act as nobody (65534)";
        struct stat st {};
        stat(path.c_str(), &st);
        EXPECT_EQ(std::to_string(saved) + ReadFileBytes(path) + Entries(folder),
                  std::to_string(static_cast<int>(status)) +
                      (status == Status::kOk ? bytes : "old") + "1");
        EXPECT_TRUE(st.st_uid == owner && st.st_gid == owner &&
                    static_cast<fs::perms>(st.st_mode & 0777) == mode);
        umount(folder.c_str());  // when it was mounted
    }
}

}  // namespace
}  // namespace tabula
