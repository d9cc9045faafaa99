#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "gtest/gtest.h"
#include "support/TempFolder.h"
#include "system/AtomicFile.h"

namespace {

TEST(AtomicFile, WritesNewFileAndReplacesOldOneWithoutLeftovers) {
    TempFolder folder;
    ASSERT_TRUE(WriteFileAtomic(folder.File("a.dat"), std::string("one\0two", 7)));
    EXPECT_EQ(folder.Read("a.dat"), std::string("one\0two", 7));

    ASSERT_TRUE(WriteFileAtomic(folder.File("a.dat"), "replaced"));
    EXPECT_EQ(folder.Read("a.dat"), "replaced");

    ASSERT_TRUE(WriteFileAtomic(folder.File("a.dat"), ""));
    EXPECT_TRUE(folder.Exists("a.dat"));
    EXPECT_EQ(folder.Read("a.dat"), "");
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder folder;
    folder.Write("a.dat", "old");
    std::filesystem::permissions(folder.File("a.dat"), std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomic(folder.File("a.dat"), "new"));
    const auto perms = std::filesystem::status(folder.File("a.dat")).permissions();
    EXPECT_EQ(perms & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(AtomicFile, FailsWithoutHarmWhenTheTargetCannotBeReplaced) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("taken"));
    folder.Write("taken/inside.txt", "keep");
    EXPECT_FALSE(WriteFileAtomic(folder.File("taken"), "bytes"));
    EXPECT_EQ(folder.Read("taken/inside.txt"), "keep");
    EXPECT_EQ(folder.EntryCount(), 1);

    EXPECT_FALSE(WriteFileAtomic(folder.File("missing/a.dat"), "bytes"));
    EXPECT_FALSE(WriteFileAtomic(folder.Path(), "bytes"));
    EXPECT_FALSE(WriteFileAtomic("", "bytes"));
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileWhole) {
    TempFolder folder;
    folder.Write("a.dat", "old contents");

    // A file-size limit makes the write itself fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomic(folder.File("a.dat"), std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(folder.Read("a.dat"), "old contents");
    EXPECT_EQ(folder.EntryCount(), 1);
}

// Folder permissions do not bind the superuser, and CI runs the suite as root: there the write
// is tried by a child process that has become `nobody` (Debian's 65534, user and group).
constexpr uid_t kNobody = 65534;

// How the child's attempt ended, as its exit code.
enum NobodysWrite { kRefused = 0, kWritten = 1, kStillRoot = 2, kUnreachable = 3 };

int WriteAsNobody(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        // _exit, not exit: the child must not run the parent's exit handlers or leak checks.
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(kStillRoot);
        }
        // A folder it cannot even reach would refuse the write for the wrong reason.
        if (::access(path.c_str(), R_OK) != 0) ::_exit(kUnreachable);
        ::_exit(WriteFileAtomic(path, "new") ? kWritten : kRefused);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(AtomicFile, FailsInAReadOnlyFolder) {
    using std::filesystem::perms;
    TempFolder folder;
    folder.Write("a.dat", "old");
    const bool asRoot = ::geteuid() == 0;
    // Read-only even for its owner, who as root is `nobody`, reaching it through /tmp.
    if (asRoot) {
        ASSERT_EQ(::chown(folder.Path().c_str(), kNobody, kNobody), 0);
    }
    std::filesystem::permissions(folder.Path(), perms::owner_read | perms::owner_exec |
                                                    perms::group_read | perms::group_exec |
                                                    perms::others_read | perms::others_exec);
    if (asRoot) {
        EXPECT_EQ(WriteAsNobody(folder.File("a.dat")), kRefused)
            << "1: written anyway, 2: could not become nobody, 3: could not reach the folder";
    } else {
        EXPECT_FALSE(WriteFileAtomic(folder.File("a.dat"), "new"));
    }
    std::filesystem::permissions(folder.Path(), perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(folder.Read("a.dat"), "old");
    EXPECT_EQ(folder.EntryCount(), 1);
}

}  // namespace
