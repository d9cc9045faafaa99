// Parts of the asset generator whose mistakes would not show as a missing file: the sound
// finisher's levels and fades, the font description's fixed-width columns, and drawing at
// twice the size.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "FontBaker.h"
#include "WaveFile.h"

namespace {

using namespace quillox::assets;

TEST(WaveFileFinish, NormalisesToThePeakAndFadesBothEnds) {
    std::vector<float> tone(WaveFile::kRate / 2);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = 0.2f + 3.0f * static_cast<float>(std::sin(i * 0.05));  // offset and too loud
    }
    WaveFile w(tone);
    w.Finish();
    float peak = 0;
    double mean = 0;
    for (float s : w.Samples()) {
        peak = std::max(peak, std::abs(s));
        mean += s;
    }
    EXPECT_NEAR(20 * std::log10(peak), WaveFile::kPeakDb, 0.01);
    EXPECT_NEAR(mean / w.Samples().size(), 0.0, 0.01);
    EXPECT_LT(std::abs(w.Samples().front()), 1e-4);
    EXPECT_LT(std::abs(w.Samples().back()), 1e-3);
    const std::string bytes = w.Bytes();
    EXPECT_EQ(bytes.size(), 44 + 2 * tone.size());
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(36, 4), "data");
}

TEST(WaveFileFinish, LeavesSilenceSilent) {
    WaveFile w(std::vector<float>(1000, 0.0f));
    w.Finish();
    for (float s : w.Samples()) ASSERT_EQ(s, 0.0f);
}

// The game reads a fixed number of characters after each key; the value there must be a
// number followed only by blanks, never the start of the next key.
TEST(FontDescription, EveryValueFitsItsFixedWidthWindow) {
    Typeface face(QUILLOX_SOURCE_DIR "/tools/fonts/DejaVuSans-Bold.ttf");
    ASSERT_TRUE(face.Ok());
    FontBaker baker(face, 30, 2.0, 1);
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    ASSERT_TRUE(baker.Bake(codes, 512));
    const std::string fnt = baker.FntText("Test", "test.png");
    std::istringstream lines(fnt);
    std::string line;
    auto window = [&](const std::string& key, std::size_t width) {
        const std::size_t at = line.find(key);
        EXPECT_NE(at, std::string::npos) << key << " in " << line;
        EXPECT_LT(at, 255u) << key;
        const std::string v = line.substr(at + key.size(), width);
        const std::size_t end = v.find_first_not_of("-0123456789");
        if (end != std::string::npos) {
            EXPECT_EQ(v.find_first_not_of(' ', end), std::string::npos) << key << "'" << v << "'";
        }
        return std::stoi(v);
    };
    int chars = 0;
    while (std::getline(lines, line)) {
        if (line.starts_with("common")) {
            EXPECT_EQ(window("scaleW=", 4), baker.Texture()->Width());
            EXPECT_EQ(window("scaleH=", 4), baker.Texture()->Height());
        } else if (line.starts_with("char ")) {
            const BakedGlyph& g = baker.Glyphs()[chars++];
            EXPECT_EQ(window("id=", 4), g.code);
            EXPECT_EQ(window("x=", 4), g.x);
            EXPECT_EQ(window("y=", 4), g.y);
            EXPECT_EQ(window("width=", 3), g.width);
            EXPECT_EQ(window("height=", 3), g.height);
            EXPECT_EQ(window("xoffset=", 3), g.xOffset);
            EXPECT_EQ(window("yoffset=", 3), g.yOffset);
            EXPECT_EQ(window("xadvance=", 3), g.xAdvance);
        }
    }
    EXPECT_EQ(chars, 95);
    // The glyphs are packed without overlapping one another.
    const auto& gs = baker.Glyphs();
    for (std::size_t i = 0; i < gs.size(); ++i) {
        for (std::size_t j = i + 1; j < gs.size(); ++j) {
            const bool apart =
                gs[i].x + gs[i].width <= gs[j].x || gs[j].x + gs[j].width <= gs[i].x ||
                gs[i].y + gs[i].height <= gs[j].y || gs[j].y + gs[j].height <= gs[i].y;
            ASSERT_TRUE(apart) << gs[i].code << " overlaps " << gs[j].code;
        }
    }
}

// Drawn at twice the size, the same drawing code makes the same picture with four texels a
// pixel, and a font keeps the description of scale 1 with every glyph inked in its cell there.
TEST(TwiceTheSize, DrawsTheSameDesignAtTheFinerScale) {
    Canvas small(10, 10, 1), fine(10, 10, 2);
    for (Canvas* c : {&small, &fine}) {
        cairo_arc(c->Cr(), 5, 5, 4, 0, 2 * M_PI);
        cairo_set_source_rgb(c->Cr(), 1, 0, 0);
        cairo_fill(c->Cr());
    }
    EXPECT_EQ(fine.Width(), 10);
    EXPECT_EQ(fine.TexelWidth(), 20);
    EXPECT_EQ(fine.Texel(10, 10).a, 1.0);
    EXPECT_EQ(fine.Texel(2, 2).a, 0.0);
    EXPECT_EQ(small.Texel(5, 5).a, 1.0);

    Typeface face(QUILLOX_SOURCE_DIR "/tools/fonts/DejaVuSans-Bold.ttf");
    ASSERT_TRUE(face.Ok());
    std::vector<int> codes;
    for (int c = 33; c <= 126; ++c) codes.push_back(c);
    FontBaker one(face, 20, 1.4, 1), two(face, 20, 1.4, 2);
    ASSERT_TRUE(one.Bake(codes, 512));
    ASSERT_TRUE(two.Bake(codes, 512));
    EXPECT_EQ(one.FntText("F", "f.png"), two.FntText("F", "f.png"));
    ASSERT_EQ(two.Texture()->TexelWidth(), 1024);
    for (const BakedGlyph& g : two.Glyphs()) {
        double ink = 0, inkOne = 0;
        for (int y = 0; y < g.height * 2; ++y)
            for (int x = 0; x < g.width * 2; ++x)
                ink += two.Texture()->Texel(g.x * 2 + x, g.y * 2 + y).a;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) inkOne += one.Texture()->Texel(g.x + x, g.y + y).a;
        // Four times the texels for the same shape: about four times the coverage (hinting
        // thins the small glyphs a little); a glyph misplaced in its cell loses a good part.
        EXPECT_GT(ink / 4, inkOne * 0.8) << "glyph " << g.code;
        EXPECT_LT(ink / 4, inkOne * 1.5) << "glyph " << g.code;
    }
}

}  // namespace
