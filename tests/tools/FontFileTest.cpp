// The bitmap fonts read through the game's own ".fnt" reader: every printable character is
// present and inside the texture, and the texts the screens place at fixed spots fit there.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "AssetManifest.h"
#include "PngPicture.h"
#include "presentation/TBitmapFont.h"

namespace {

using namespace quillox::assets;

const std::string kFonts = std::string(QUILLOX_DATA_DIR) + "/fonts/";

TBitmapFont Read(std::string_view name) {
    std::ifstream in(kFonts + std::string(name) + ".fnt", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    TBitmapFont font;
    font.ReadFnt(s.str());
    return font;
}

TEST(BitmapFonts, CoverEveryPrintableCharacterInsideTheirTexture) {
    for (std::string_view name : kBitmapFonts) {
        const TBitmapFont font = Read(name);
        const PngPicture texture = PngPicture::Header(kFonts + std::string(name) + ".png");
        ASSERT_TRUE(texture.ok) << name;
        EXPECT_EQ(font.TextureW, texture.width) << name;
        EXPECT_EQ(font.TextureH, texture.height) << name;
        EXPECT_DOUBLE_EQ(font.ScaleFactor, 1.0);
        EXPECT_GE(font.NumChars, kLastFontChar - kFirstFontChar + 1);
        for (int c = kFirstFontChar; c <= kLastFontChar; ++c) {
            const int slot = font.SlotOf(static_cast<std::uint32_t>(c));
            EXPECT_EQ(font.ID[slot], c) << name << " char " << c;
            EXPECT_GT(font.xAdvance[slot], 0) << name << " char " << c;
            EXPECT_GE(font.xPos[slot], 0);
            EXPECT_GE(font.yPos[slot], 0);
            EXPECT_LE(font.xPos[slot] + font.width[slot], 1.0) << name << " char " << c;
            EXPECT_LE(font.yPos[slot] + font.height[slot], 1.0) << name << " char " << c;
            if (c != ' ') {
                EXPECT_GT(font.width[slot], 0) << name << " char " << c;
            }
        }
    }
}

TEST(BitmapFonts, GlyphsOfOneLineShareABaseline) {
    // Letters without descenders end on the same row; a wrong y offset makes text jump.
    for (std::string_view name : kBitmapFonts) {
        const TBitmapFont font = Read(name);
        auto bottom = [&](char c) {
            const int s = font.SlotOf(static_cast<unsigned char>(c));
            return font.yOffset[s] + font.height[s] * font.TextureH;
        };
        for (char c : std::string("AHXaxz0159")) EXPECT_NEAR(bottom(c), bottom('E'), 1.01) << c;
        EXPECT_GT(bottom('g'), bottom('E') + 2) << name;
    }
}

TEST(BitmapFonts, ScreenTextsFitWhereTheScreensPutThem) {
    const TBitmapFont large = Read("font_lg");
    const TBitmapFont medium = Read("font_md");
    // Options labels start at x 138; the toggles begin at x 521.
    EXPECT_LT(large.StringWidth("Color Blind Mode"), 521 - 138 - 8);
    EXPECT_LT(large.StringWidth("Full Screen Mode"), 521 - 138 - 8);
    // The level select's tutorial caption at x 535, scale 0.65, must stay on screen.
    EXPECT_LT(535 + large.StringWidth("Level One Tutorial") * 0.65, 800);
    // The play screen's score label at x 37 must end before the digits at x 132.
    EXPECT_LT(37 + medium.StringWidth("Score :"), 132);
    // Instruction lines at scale 0.8 inside the help box with a margin each side.
    const PngPicture help =
        PngPicture::Header(std::string(QUILLOX_DATA_DIR) + "/graphics/help.png");
    ASSERT_TRUE(help.ok);
    for (const char* line :
         {"If this move builds a line of 5 or more,", "Just click on the vortex to activate it",
          "Lastly, You can pause the game at any", "- Click The BACK Button to exit Help -"}) {
        EXPECT_LT(medium.StringWidth(line) * 0.8, help.width - 40) << line;
    }
    // Four lines and the footer at scale 0.8 fit the box's height.
    EXPECT_LT(5 * medium.StringHeight("ABCXYZ") * 0.8, help.height - 20);
}

}  // namespace
