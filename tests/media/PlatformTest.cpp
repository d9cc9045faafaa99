// Operating-system services: case-insensitive paths, single instance, folders, the web opener.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "TestFiles.h"
#include "media/Media.h"
#include "media/Platform.h"

namespace {

using media_test::WriteBytes;

TEST(PlatformTest, ResolvePathIgnoresCaseComponentByComponent) {
    TempFolder root("paths");
    WriteBytes(root / "Data/default.ini", {'x'});
    WriteBytes(root / "Data/sound/buttonclick.ogg", {'x'});
    const std::string base = root.Path();

    EXPECT_EQ(media::ResolvePath(base + "data/Default.ini"), base + "Data/default.ini");
    EXPECT_EQ(media::ResolvePath(base + "DATA/Sound/buttonClick.OGG"),
              base + "Data/sound/buttonclick.ogg");
    EXPECT_EQ(media::ResolvePath(base + "Data/default.ini"), base + "Data/default.ini");
    EXPECT_EQ(media::ResolvePath(base + "data\\SOUND\\buttonclick.ogg"),
              base + "Data/sound/buttonclick.ogg");
    EXPECT_EQ(media::ResolvePath(base + "data/sound/"), base + "Data/sound/");
    EXPECT_EQ(media::ResolvePath(base + "data/nothing.ini"), base + "data/nothing.ini")
        << "unchanged when nothing matches";
    EXPECT_EQ(media::ResolvePath(""), "");
}

TEST(PlatformTest, ASecondProcessCannotTakeTheInstanceLock) {
    TempFolder runtime("runtime");
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    const std::string name = "QuilloxTest" + std::to_string(::getpid());
    // The child starts before the lock is taken, so it holds nothing of ours.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char go = 0;
        const bool signalled = ::read(ready[0], &go, 1) == 1;
        const bool gotOther = media::EnsureSingleInstance(name + "Other");
        const bool gotSame = media::EnsureSingleInstance(name);
        ::_exit(signalled && gotOther && !gotSame ? 0 : 1);
    }
    ASSERT_TRUE(media::EnsureSingleInstance(name));
    EXPECT_TRUE(media::EnsureSingleInstance(name)) << "the holder asking again";
    ASSERT_EQ(::write(ready[1], "x", 1), 1);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(PlatformTest, DataFolderFollowsXdgOrTheOverride) {
    ::setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(media::CommonAppDataFolder(), "/tmp/xdg-data/");
    ::unsetenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(media::CommonAppDataFolder(), "/home/player/.local/share/");
    ::setenv("HOME", savedHome.c_str(), 1);
    media::SetDataHome("/srv/quillox");
    EXPECT_EQ(media::CommonAppDataFolder(), "/srv/quillox/");
    media::SetDataHome("");
}

TEST(PlatformTest, TheWebOpenerGetsTheAddressAsOneArgumentWithoutAShell) {
    TempFolder bin("opener");
    const std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    const std::string out = bin.Path() + "opened.txt";
    ::setenv("PATH", (bin.Path() + "missing:" + bin.Path()).c_str(), 1);
    EXPECT_FALSE(media::OpenURL("https://bexholt.example/")) << "no opener installed";

    {
        std::ofstream opener(bin.Path() + "xdg-open");
        opener << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > " << out << "\n";
    }
    std::filesystem::permissions(bin.Path() + "xdg-open", std::filesystem::perms::owner_all);
    const std::string address = "https://bexholt.example/a b;touch " + bin.Path() + "pwned";
    EXPECT_TRUE(media::OpenURL(address));
    EXPECT_FALSE(media::OpenURL("--help")) << "taken as an option by the opener";
    ::setenv("PATH", saved.c_str(), 1);

    std::string opened;
    for (int i = 0; i < 200 && opened.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::ifstream in(out);
        std::getline(in, opened);
    }
    EXPECT_EQ(opened, "1|" + address);
    EXPECT_FALSE(std::filesystem::exists(bin.Path() + "pwned"));
}

TEST(PlatformTest, SystemInformationIsPlausible) {
    EXPECT_EQ(media::OSName(), "Linux");
    const std::string exe = media::ExecutableFolder();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), '/');
    EXPECT_EQ(::access((exe + "media_test").c_str(), X_OK), 0);
}

}  // namespace
