// The generated Data tree against the manifest: every picture the game loads is there with
// the cell layout the game cuts it into (and its twin at twice the resolution), and the shared files have the exact content the
// start-up code copies and reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "AssetManifest.h"
#include "PngPicture.h"

namespace {

using namespace quillox::assets;

const std::string kData = QUILLOX_DATA_DIR;

std::string PathOf(const ImageAsset& a) {
    return kData + "/" + (a.folder.empty() ? "" : std::string(a.folder) + "/") +
           std::string(a.name) + ".png";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The picture's twin drawn at twice the resolution (the icons come in sizes of their own).
std::string DoublePathOf(const ImageAsset& a) {
    const std::string path = PathOf(a);
    return path.substr(0, path.size() - 4) + "@2x.png";
}

TEST(DataTree, EveryPictureHasTheSizeItsCellsNeedAtBothScales) {
    for (const ImageAsset& a : kImages) {
        const PngPicture p = PngPicture::Header(PathOf(a));
        ASSERT_TRUE(p.ok) << PathOf(a);
        EXPECT_EQ(p.width, a.cellWidth * a.frames) << a.name;
        EXPECT_EQ(p.height, a.cellHeight) << a.name;
        const PngPicture twin = PngPicture::Header(DoublePathOf(a));
        if (a.folder == kIcons) {
            EXPECT_FALSE(twin.ok) << DoublePathOf(a);
            continue;
        }
        ASSERT_TRUE(twin.ok) << DoublePathOf(a);
        EXPECT_EQ(twin.width, 2 * a.cellWidth * a.frames) << a.name;
        EXPECT_EQ(twin.height, 2 * a.cellHeight) << a.name;
    }
    for (const char* font : {"font_lg", "font_md"}) {
        const PngPicture one = PngPicture::Header(kData + "/fonts/" + font + ".png");
        const PngPicture two = PngPicture::Header(kData + "/fonts/" + font + "@2x.png");
        ASSERT_TRUE(one.ok && two.ok) << font;
        EXPECT_EQ(two.width, 2 * one.width) << font;
        EXPECT_EQ(two.height, 2 * one.height) << font;
    }
}

TEST(DataTree, TheLayoutsTheGameCutsAreListed) {
    struct Expected {
        std::string_view name;
        int w, h, frames;
    };
    const Expected strips[] = {{"zindles", 48, 48, 13},     {"zindlesCB", 48, 48, 13},
                               {"next", 24, 24, 13},        {"nextCB", 24, 24, 13},
                               {"explode", 64, 64, 16},     {"TokenVortex", 58, 58, 3},
                               {"TokenPalette", 58, 58, 3}, {"TokenBomb", 58, 58, 3},
                               {"paint", 39, 23, 10},       {"arrows", 95, 72, 4}};
    for (const Expected& e : strips) {
        const ImageAsset* a = FindImage(kGraphics, e.name);
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->cellWidth, e.w) << e.name;
        EXPECT_EQ(a->cellHeight, e.h) << e.name;
        EXPECT_EQ(a->frames, e.frames) << e.name;
    }
    for (std::string_view screen : {"GameBoard", "titleb", "levelselect", "background",
                                    "background3", "iboard", "loadingscreen"}) {
        const ImageAsset* a = FindImage(kGraphics, screen);
        ASSERT_NE(a, nullptr) << screen;
        EXPECT_EQ(a->Width(), 800);
        EXPECT_EQ(a->Height(), 600);
    }
    // The machine cover is cut 171 wide and up to 147 high.
    for (std::string_view cover : {"empty", "lsempty"}) {
        const ImageAsset* a = FindImage(kGraphics, cover);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->Width(), 171);
        EXPECT_GE(a->Height(), 147);
    }
    for (int n : {5, 12, 20, 30, 40, 50}) {
        EXPECT_NE(FindImage(kGraphics, "score" + std::to_string(n)), nullptr) << n;
    }
    for (int n = 2; n <= 8; ++n) EXPECT_NE(FindImage(kGraphics, "x" + std::to_string(n)), nullptr);
}

TEST(DataTree, EveryButtonHasItsHoverLook) {
    for (const ImageAsset& a : kImages) {
        if (a.folder != kMenus || a.name.ends_with("MO")) continue;
        const ImageAsset* hover = FindImage(kMenus, std::string(a.name) + "MO");
        ASSERT_NE(hover, nullptr) << a.name;
        EXPECT_EQ(hover->Width(), a.Width()) << a.name;
        EXPECT_EQ(hover->Height(), a.Height()) << a.name;
    }
}

TEST(DataTree, EveryPieceFrameIsDrawnInItsOwnCell) {
    for (std::string_view name : {"zindles", "zindlesCB", "next", "nextCB"}) {
        const ImageAsset& a = *FindImage(kGraphics, name);
        const PngPicture p = PngPicture::Decode(PathOf(a));
        ASSERT_TRUE(p.ok);
        for (int f = 0; f < a.frames; ++f) {
            int opaque = 0;
            for (int y = 0; y < a.cellHeight; ++y) {
                for (int x = 0; x < a.cellWidth; ++x) {
                    opaque += p.Alpha(f * a.cellWidth + x, y) > 200;
                }
                // Nothing bleeds over the cell's side edges.
                EXPECT_LT(p.Alpha(f * a.cellWidth, y), 40) << name << " frame " << f;
            }
            const bool well = f == 0 || f == 12;
            if (well) {
                EXPECT_EQ(opaque, 0) << name << " frame " << f << " must stay faint";
            } else {
                EXPECT_GT(opaque, a.cellWidth * a.cellHeight / 2) << name << " frame " << f;
            }
        }
    }
}

TEST(DataTree, TheEmptyGlobeHidesTheWholeInsideOfTheMachine) {
    // The cover is drawn row by row from the top; inside the glass it must be opaque so that
    // no piece of the filled globe in the background shows above the fill line.
    constexpr auto halfWidths = GlobeHalfWidths();
    static_assert(halfWidths[0] == 45 && halfWidths[60] == 83 && halfWidths[147] == 45);
    for (std::string_view name : {"empty", "lsempty"}) {
        const PngPicture p = PngPicture::Decode(PathOf(*FindImage(kGraphics, name)));
        ASSERT_TRUE(p.ok);
        for (int row = 0; row < 147; ++row) {
            const int hw = halfWidths[147 - row];
            for (int x = 113 - hw + 1; x <= 113 + hw - 1; ++x) {
                ASSERT_EQ(p.Alpha(x - 28, row), 255) << name << " row " << row << " x " << x;
            }
        }
    }
}

TEST(DataTree, TheDefaultSettingsAreTheTwentyTwoKeysInOrder) {
    const std::string ini = ReadAll(kData + "/" + std::string(kDefaultIni));
    std::string expected;
    for (std::string_view line : kDefaultIniLines) expected += std::string(line) + "\r\n";
    EXPECT_EQ(ini, expected);
    ASSERT_EQ(kDefaultIniLines.size(), 22u);
    const char* keys[] = {"FULL SCREEN",
                          "SOUND",
                          "MUSIC",
                          "SPEECH",
                          "SOUND VOLUME",
                          "MUSIC VOLUME",
                          "SPEECH VOLUME",
                          "FADE",
                          "PARTICLES",
                          "PORTAL SPLASH",
                          "PORTAL SPLASH2",
                          "INTRO",
                          "VSYNC",
                          "DRIVER",
                          "SOUND DRIVER",
                          "FULL SCREEN PROCESS PRIORITY",
                          "FULL SCREEN THREAD PRIORITY",
                          "WINDOWED PROCESS PRIORITY",
                          "WINDOWED THREAD PRIORITY",
                          "PROFILE NAME",
                          "REGION",
                          "SUB-REGION"};
    for (std::size_t i = 0; i < 22; ++i) {
        EXPECT_TRUE(kDefaultIniLines[i].starts_with(std::string(keys[i]) + "=")) << i;
    }
    EXPECT_NE(ini.find("\r\nDRIVER=1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("SOUND DRIVER=OpenAL Generic Software\r\n"), std::string::npos);
    EXPECT_TRUE(ini.starts_with("FULL SCREEN=0\r\n"));
}

TEST(DataTree, FoldersAndTheTutorialFontAreInPlace) {
    for (std::string_view folder : kFolders) {
        EXPECT_TRUE(std::filesystem::is_directory(kData + "/" + std::string(folder))) << folder;
    }
    const std::string ttf = ReadAll(kData + "/" + std::string(kTutorialFont));
    ASSERT_GE(ttf.size(), 4u);
    EXPECT_EQ(ttf.substr(0, 4), std::string("\x00\x01\x00\x00", 4));
    const std::string licence = ReadAll(kData + "/" + std::string(kTutorialFontLicence));
    EXPECT_NE(licence.find("Red Hat"), std::string::npos);
}

}  // namespace
