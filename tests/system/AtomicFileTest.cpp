#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "gtest/gtest.h"
#include "system/AtomicFile.h"
#include "support/TempFolder.h"

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

TEST(AtomicFile, FailsInAReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
    TempFolder folder;
    folder.Write("a.dat", "old");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(WriteFileAtomic(folder.File("a.dat"), "new"));
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(folder.Read("a.dat"), "old");
    EXPECT_EQ(folder.EntryCount(), 1);
}

}  // namespace
