// Reading ".fnt" files (ours, third-party and damaged), measuring and wrapping text.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TLabel.h"
#include "presentation/TextDrawing.h"
#include "system/TextLines.h"

namespace {

// Our own layout: info line, common line, page, chars, characters, kernings.
const char* OwnFont =
    "info face=\"Test\" size=32 bold=0 italic=0\r\n"
    "common lineHeight=36 base=28 scaleW=256 scaleH=128 pages=1 packed=0\r\n"
    "page id=0 file=\"test.png\"\r\n"
    "chars count=4\r\n"
    "char id=65   x=10   y=20   width=16  height=24  xoffset=1   yoffset=2   xadvance=18  page=0 "
    "chnl=15\r\n"
    "char id=66   x=30   y=20   width=14  height=30  xoffset=0   yoffset=0   xadvance=15  page=0 "
    "chnl=15\r\n"
    "char id=32   x=0    y=0    width=0   height=0   xoffset=0   yoffset=0   xadvance=8   page=0 "
    "chnl=15\r\n"
    "char id=8364 x=50   y=20   width=12  height=18  xoffset=0   yoffset=3   xadvance=13  page=0 "
    "chnl=15\r\n"
    "kernings count=1\r\n"
    "kerning first=65 second=66 amount=-1\r\n";

TEST(BitmapFontReading, OwnLayoutFillsSlotsAsFractionsOfTheTexture) {
    TBitmapFont font;
    EXPECT_EQ(font.ReadFnt(OwnFont), 4);
    EXPECT_DOUBLE_EQ(font.ScaleFactor, 1.0);
    EXPECT_DOUBLE_EQ(font.TextureW, 256);
    EXPECT_DOUBLE_EQ(font.TextureH, 128);
    EXPECT_EQ(font.ID[65], 65);
    EXPECT_DOUBLE_EQ(font.xPos[65], 10.0 / 256);
    EXPECT_DOUBLE_EQ(font.yPos[65], 20.0 / 128);
    EXPECT_DOUBLE_EQ(font.width[65], 16.0 / 256);
    EXPECT_DOUBLE_EQ(font.height[66], 30.0 / 128);
    EXPECT_DOUBLE_EQ(font.xOffset[65], 1);
    EXPECT_DOUBLE_EQ(font.yOffset[65], 2);
    EXPECT_DOUBLE_EQ(font.xAdvance[66], 15);
    // The euro sign takes the first extra slot and is found again when drawn.
    EXPECT_EQ(font.NumExtraChars, 1);
    EXPECT_EQ(font.ID[256], 8364);
    EXPECT_EQ(font.FindChar(8364), 256);
    EXPECT_EQ(font.FindChar(9999), 0);
    EXPECT_DOUBLE_EQ(font.StringWidth("\xE2\x82\xAC"), 13);
}

TEST(BitmapFontReading, ScaleLineIsReadAndTheInfoLineAfterItSkipped) {
    TBitmapFont font;
    font.ReadFnt(std::string("scaleF=0.50\n") + OwnFont);
    EXPECT_DOUBLE_EQ(font.ScaleFactor, 0.5);
    EXPECT_DOUBLE_EQ(font.TextureW, 256);
    EXPECT_DOUBLE_EQ(font.StringWidth("A"), 9);
}

TEST(BitmapFontReading, LastCharacterLineIsReadWithoutAKerningLineAfterIt) {
    TBitmapFont font;
    EXPECT_EQ(font.ReadFnt("info face=x\ncommon scaleW=64 scaleH=64\nchars count=1\n"
                           "char id=67 x=1 y=1 width=5 height=6 xoffset=0 yoffset=0 xadvance=7"),
              1);
    EXPECT_DOUBLE_EQ(font.xAdvance[67], 7);
}

TEST(BitmapFontReading, ThirdPartyFilesWithUnpaddedFieldsAndSeveralPages) {
    // Tightly written fields, tab separators, two pages, quoted letters and wide values.
    TBitmapFont font;
    font.ReadFnt(
        "info face=\"Other\" size=-20 unicode=1 padding=0,0,0,0 spacing=1,1\n"
        "common lineHeight=24 base=19 scaleW=4096 scaleH=2048 pages=2 packed=0\n"
        "page id=0 file=\"a.png\"\n"
        "page id=1 file=\"b.png\"\n"
        "chars count=3\n"
        "char id=120 x=12000 y=3 width=1200 height=9 xoffset=-1 yoffset=4 xadvance=10 page=1 "
        "chnl=15 letter=\"x=\"\n"
        "char\tid=33\tx=5\ty=6\twidth=2\theight=9\txoffset=0\tyoffset=1\txadvance=3\n"
        "char id=1046 x=7 y=8 width=9 height=10 xoffset=0 yoffset=0 xadvance=11\n"
        "kernings count=0\n");
    EXPECT_EQ(font.NumChars, 3);
    EXPECT_DOUBLE_EQ(font.xPos[120], 12000.0 / 4096);
    EXPECT_DOUBLE_EQ(font.width[120], 1200.0 / 4096);
    EXPECT_DOUBLE_EQ(font.xOffset[120], -1);
    EXPECT_DOUBLE_EQ(font.xAdvance[33], 3);
    EXPECT_EQ(font.ID[256], 1046);
    EXPECT_EQ(font.ID[1], 0) << "a page line is not a glyph";
}

TEST(BitmapFontReading, DamagedFilesStayInsideTheGlyphTables) {
    std::string text = "info face=x\ncommon scaleW=0 scaleH=0\nchars count=999\n";
    text += "char id=-5 x=1 y=1 width=1 height=1 xoffset=0 yoffset=0 xadvance=99\n";
    text += "char id=nan x=1 y=1 width=1 height=1 xadvance=99\n";
    for (int code = 300; code < 300 + TBitmapFont::MaxExtraChars + 50; ++code) {
        text += "char id=" + std::to_string(code) + " x=1 y=1 width=1 height=1 xadvance=2\n";
    }
    text += "char " + std::string(300, ' ') + "id=70 x=1 y=1 width=4 height=4 xadvance=6\n";
    text += "char id=2000000000 x=1 xadvance=1\n";
    TBitmapFont font;
    font.ReadFnt(text);
    EXPECT_EQ(font.NumExtraChars, TBitmapFont::MaxExtraChars);
    EXPECT_EQ(font.ID[TBitmapFont::Slots - 1], 300 + TBitmapFont::MaxExtraChars - 1);
    EXPECT_EQ(font.FindChar(300 + TBitmapFont::MaxExtraChars), 0) << "one too many is dropped";
    EXPECT_DOUBLE_EQ(font.xAdvance[0], 0) << "negative and unreadable codes are skipped";
    EXPECT_DOUBLE_EQ(font.xAdvance[70], 6) << "a key past column 255 is still found";
    // With no texture size anywhere the glyphs have no size, but measuring is safe.
    EXPECT_DOUBLE_EQ(font.width[70], 0);
    EXPECT_DOUBLE_EQ(font.StringHeight("F"), 0);

    TBitmapFont empty;
    EXPECT_EQ(empty.ReadFnt(""), 0);
    EXPECT_EQ(empty.ReadFnt("scaleF=\n"), 0);
    EXPECT_DOUBLE_EQ(empty.ScaleFactor, 1.0);
}

TEST(BitmapFontReading, ReadingAgainKeepsNothingOfTheEarlierFile) {
    TBitmapFont font;
    font.CharGap = 2;
    font.ReadFnt(std::string("scaleF=0.50\n") + OwnFont);
    EXPECT_EQ(font.ReadFnt("info\ncommon scaleW=32 scaleH=32\n"
                           "char id=67 x=1 y=1 width=5 height=6 xadvance=7\n"),
              1);
    EXPECT_DOUBLE_EQ(font.ScaleFactor, 1.0);
    EXPECT_EQ(font.ID[65], 0);
    EXPECT_DOUBLE_EQ(font.xAdvance[65], 0) << "a glyph only the earlier file had is gone";
    EXPECT_EQ(font.NumExtraChars, 0);
    EXPECT_EQ(font.FindChar(8364), 0);
    EXPECT_DOUBLE_EQ(font.StringWidth("CC"), 16) << "the gap set by the caller stays";
}

TEST(BitmapFontReading, OutlandishNumbersAreTakenForDamage) {
    // Sizes no texture has, pen moves that sum past what a double holds, scales beyond any
    // screen: each is read as missing, so measuring and the memory estimate stay plain numbers.
    TBitmapFont font;
    font.ReadFnt(
        "scaleF=1e300\ninfo\ncommon scaleW=1e300 scaleH=-64\n"
        "char id=65 x=1e308 y=2 width=9 height=12 xoffset=-1e305 yoffset=2 "
        "xadvance=1e308\n"
        "char id=66 x=3 y=2 width=9 height=12 xoffset=1 yoffset=2 xadvance=70000\n");
    EXPECT_DOUBLE_EQ(font.ScaleFactor, 1.0);
    EXPECT_DOUBLE_EQ(font.TextureW, 0);
    EXPECT_DOUBLE_EQ(font.TextureH, 0);
    EXPECT_EQ(font.CalcVRAM(), 4);
    EXPECT_DOUBLE_EQ(font.xPos[65], 0);
    EXPECT_DOUBLE_EQ(font.xOffset[65], 0);
    EXPECT_DOUBLE_EQ(font.xAdvance[65], 0);
    EXPECT_DOUBLE_EQ(font.xAdvance[66], 0);
    EXPECT_DOUBLE_EQ(font.StringWidth("AABB"), 0);

    // A size below one pixel would magnify every glyph past the texture.
    font.ReadFnt("info\ncommon scaleW=0.0001 scaleH=64\nchar id=67 x=9000 y=8 xadvance=5\n");
    EXPECT_DOUBLE_EQ(font.TextureW, 0);
    EXPECT_DOUBLE_EQ(font.xPos[67], 0);
    EXPECT_DOUBLE_EQ(font.yPos[67], 8.0 / 64);
}

TEST(BitmapFontReading, GeneratedGameFontsDescribeTheirCharacters) {
    for (const char* name : {"font_lg", "font_md"}) {
        const auto path =
            std::filesystem::path(QUILLOX_BUILD_DIR) / "Data/fonts" / (std::string(name) + ".fnt");
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "the game data has not been generated";
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        TBitmapFont font;
        EXPECT_GE(font.ReadFnt(text), 95) << name;
        EXPECT_GT(font.TextureW, 0);
        for (int code = 'A'; code <= 'Z'; ++code) {
            EXPECT_GT(font.xAdvance[static_cast<size_t>(code)], 0) << name << " " << char(code);
            EXPECT_LE(font.xPos[static_cast<size_t>(code)] + font.width[static_cast<size_t>(code)],
                      1.0);
        }
        EXPECT_GT(font.StringHeight("ABCXYZ"), 0);
    }
}

TEST(TextMeasuring, WidthHeightAndTruncation) {
    TBitmapFont font;
    font.ReadFnt(OwnFont);
    EXPECT_DOUBLE_EQ(font.StringWidth(""), 0);
    EXPECT_DOUBLE_EQ(font.StringWidth("A"), 18);
    font.CharGap = 2;
    EXPECT_DOUBLE_EQ(font.StringWidth("A"), 18) << "no gap after the last character";
    EXPECT_DOUBLE_EQ(font.StringWidth("AB"), 18 + 2 + 15);
    font.CharGap = 0;
    // Heights divide by one less than the count: "AB" is (24 + 30) / 1.
    EXPECT_DOUBLE_EQ(font.StringHeight("AB"), 54);
    EXPECT_DOUBLE_EQ(font.StringHeight("B"), 30) << "a single character never divides by zero";
    EXPECT_DOUBLE_EQ(font.StringHeight(""), 0);
    EXPECT_EQ(font.TruncateString("ABAB", 34), "AB");
    EXPECT_EQ(font.TruncateString("ABAB", 10), "");
    EXPECT_DOUBLE_EQ(font.StringWidth("?"), 0) << "unknown characters have no advance";
}

TEST(TextWrapping, WordsFillLinesToTheWidth) {
    TBitmapFont font;
    // Letters 40 wide, a blank 10 wide.
    font.ReadFnt(
        "info\ncommon scaleW=64 scaleH=64\n"
        "char id=97 x=0 y=0 width=4 height=4 xoffset=0 yoffset=0 xadvance=40\n"
        "char id=32 x=0 y=0 width=0 height=0 xoffset=0 yoffset=0 xadvance=10\n");
    EXPECT_EQ(WrapLines({"a a a"}, 100, &font, 1), (std::vector<std::string>{"a a", "a"}));
    EXPECT_EQ(WrapLines({"a  a"}, 100, &font, 1), (std::vector<std::string>{"a a"}));
    EXPECT_EQ(WrapLines({"a a"}, 100, &font, 2), (std::vector<std::string>{"a", "a"}));
    EXPECT_EQ(WrapLines({"aaa"}, 50, &font, 1), (std::vector<std::string>{"aaa"}));
    EXPECT_EQ(WrapLines(SplitLines("a\r\n\r\na\n"), 100, &font, 1),
              (std::vector<std::string>{"a", "", "a"}));

    auto shared = std::make_shared<TBitmapFont>(font);
    TLabel label;
    label.BitmapFont = shared;
    label.Text = "a a a\nA";
    label.WordWrap = 100;
    label.PreCalcWordWrap();
    EXPECT_EQ(label.TotalLines, 3);
    label.SetLineGap(20);
    EXPECT_FLOAT_EQ(label.CalcHeight(), 60);
    label.Text = "a a";
    label.AutoScale(45);
    EXPECT_FLOAT_EQ(label.Scale, 0.5f);
    label.AutoScale(1000);
    EXPECT_FLOAT_EQ(label.Scale, 0.5f) << "never enlarges";
}

}  // namespace
