#include <regex>

#include "gtest/gtest.h"
#include "media/Media.h"
#include "system/Screenshot.h"
#include "support/TempFolder.h"

// SDL keeps a few bytes of its video subsystem for the life of the process even after it is
// shut down; that is the library's, not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libSDL2"; }

namespace {

TEST(Screenshot, SavesTheCanvasAsADateStampedPng) {
    ASSERT_TRUE(media::Init({.headless = true}));
    ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    media::SetClsColor(10, 20, 30);
    media::Cls();

    TempFolder folder;
    const std::string path = SaveScreenshot(folder.Path());
    // Without a folder to write to the screenshot is lost, and says so.
    const std::string lost = SaveScreenshot(folder.File("missing/"));
    media::Shutdown();
    EXPECT_EQ(lost, "");

    ASSERT_FALSE(path.empty());
    const std::string name = path.substr(folder.Path().size());
    EXPECT_TRUE(
        std::regex_match(name, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{6} screenshot\\.png")))
        << name;
    EXPECT_EQ(folder.Read(name).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(folder.EntryCount(), 1);
}

}  // namespace
