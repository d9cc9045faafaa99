// Drawing into the canvas, read back with GrabPixmap.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CanvasFixture.h"
#include "media/Media.h"

namespace {

using namespace canvas_test;

TEST_F(CanvasTest, BlendModesCombineSourceAndCanvasAsDocumented) {
    const Image halfRed = Solid(10, 10, 0x80FF0000u);
    const struct {
        int blend;
        Rgb expected;
    } cases[] = {
        {media::SOLIDBLEND, {255, 0, 0}},      // copied, alpha ignored
        {media::ALPHABLEND, {178, 50, 50}},    // half over grey
        {media::LIGHTBLEND, {228, 100, 100}},  // red times alpha added
        {media::SHADEBLEND, {100, 0, 0}},      // grey times red
        {media::MASKBLEND, {255, 0, 0}},       // alpha 128 passes the mask, fully opaque
    };
    for (const auto& c : cases) {
        media::Cls();
        media::SetBlend(c.blend);
        media::DrawImageFrame(halfRed, 50, 50);
        EXPECT_TRUE(Near(PixelAt(55, 55), c.expected, 4)) << "blend " << c.blend;
        EXPECT_TRUE(Near(PixelAt(65, 55), {100, 100, 100})) << "outside, blend " << c.blend;
    }

    media::Cls();
    media::SetBlend(media::MASKBLEND);
    media::DrawImageFrame(Solid(10, 10, 0x7FFF0000u), 50, 50);
    EXPECT_TRUE(Near(PixelAt(55, 55), {100, 100, 100})) << "alpha below one half is masked out";
}

// The media layer draws upright pictures on whole pixels itself and leaves SDL those between
// pixels (which it rounds): a pixel of every alpha and colour must blend the same either way,
// or a picture would change as it moves.
TEST_F(CanvasTest, PicturesOnAndBetweenPixelsBlendAlike) {
    const Image ramp = MakeImage(256, 4, [](int x, int y) {
        return static_cast<std::uint32_t>(x) << 24 | (x * 7u + y * 60u) % 256u << 16 |
               (255u - x) << 8 | (y * 85u);
    });
    media::SetClsColor(30, 140, 250);
    media::Cls();
    media::DrawImageFrame(ramp, 0, 100);
    media::DrawImageFrame(ramp, 0.25f, 200.25f);
    EXPECT_TRUE(media::GrabPixmap(0, 100, 256, 4).pixels ==
                media::GrabPixmap(0, 200, 256, 4).pixels);
    EXPECT_TRUE(Near(PixelAt(0, 100), {30, 140, 250})) << "alpha 0 leaves the canvas";

    // Rows are drawn eight pixels at a time from where the drawn area starts, and the rest one
    // by one: a picture or its shadow cut at another column (a redrawn rectangle) must leave the
    // same pixels as drawn whole.
    const auto cutAt = [&](int column, int x, int y) {
        media::SetViewport(x + column, y, 256 - column, 4);
        media::DrawImageFrame(ramp, x, y);
        media::SetViewport(0, 0, 800, 600);
        return media::GrabPixmap(x + column, y, 256 - column, 4).pixels;
    };
    EXPECT_TRUE(cutAt(5, 0, 500) == media::GrabPixmap(5, 100, 251, 4).pixels);
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.5f);
    media::DrawImageFrame(ramp, 0, 300);
    const auto shadow = cutAt(3, 0, 400);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
    EXPECT_TRUE(shadow == media::GrabPixmap(3, 300, 253, 4).pixels);
    // Tinted, blended and added (a glow), likewise.
    int y = 300;
    for (const auto blend : {media::ALPHABLEND, media::LIGHTBLEND}) {
        media::SetBlend(blend);
        media::SetColor(200, 255, 100);
        media::SetAlpha(0.7f);
        media::DrawImageFrame(ramp, 400, y);
        const auto tinted = cutAt(6, 400, y + 200);
        media::SetColor(255, 255, 255);
        media::SetAlpha(1.0f);
        media::SetBlend(media::ALPHABLEND);
        EXPECT_TRUE(tinted == media::GrabPixmap(406, y, 250, 4).pixels) << blend;
        y += 10;
    }
    EXPECT_TRUE(Near(PixelAt(255, 300), {15, 70, 125})) << "full alpha at half strength";
}

TEST_F(CanvasTest, ColourAndAlphaTintImagesAndShapes) {
    media::SetClsColor(0, 0, 0);
    media::Cls();
    media::SetColor(255, 0, 0);
    media::DrawImageFrame(Solid(10, 10, 0xFFFFFFFFu), 10, 10);
    EXPECT_TRUE(Near(PixelAt(15, 15), {255, 0, 0}));

    media::SetColor(255, 255, 255);
    media::SetAlpha(0.5f);
    media::DrawRect(30, 10, 10, 10);
    EXPECT_TRUE(Near(PixelAt(35, 15), {128, 128, 128}));

    media::SetAlpha(0.0f);
    media::DrawRect(50, 10, 10, 10);
    EXPECT_TRUE(Near(PixelAt(55, 15), {0, 0, 0}));
}

TEST_F(CanvasTest, RotationTurnsClockwiseAboutTheImageHandle) {
    const Image image = RedGreen(20, 10);
    media::SetDrawRotation(90);
    media::DrawImageFrame(image, 100, 100);
    // Local (x, y) lands at (100 - y, 100 + x): red above green, left of the handle.
    EXPECT_TRUE(Near(PixelAt(95, 105), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(95, 115), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(105, 105), {100, 100, 100}));
    EXPECT_TRUE(Near(PixelAt(95, 95), {100, 100, 100}));

    media::Cls();
    media::SetImageHandle(image, 10, 5);
    media::SetDrawRotation(180);
    media::DrawImageFrame(image, 200, 200);
    EXPECT_TRUE(Near(PixelAt(195, 200), {0, 255, 0})) << "a half turn swaps the halves";
    EXPECT_TRUE(Near(PixelAt(205, 200), {255, 0, 0}));
}

TEST_F(CanvasTest, ScaleStretchesAboutTheHandle) {
    const Image image = Solid(10, 10, 0xFF0000FFu);
    media::MidHandleImage(image);
    media::SetDrawScale(2, 3);
    media::DrawImageFrame(image, 200, 200);
    EXPECT_TRUE(Near(PixelAt(191, 186), {0, 0, 255}));
    EXPECT_TRUE(Near(PixelAt(208, 213), {0, 0, 255}));
    EXPECT_TRUE(Near(PixelAt(188, 200), {100, 100, 100}));
    EXPECT_TRUE(Near(PixelAt(200, 217), {100, 100, 100}));
}

TEST_F(CanvasTest, OriginShiftsAndViewportClipsEverything) {
    media::SetDrawOrigin(50, 60);
    media::DrawRect(0, 0, 10, 10);
    EXPECT_TRUE(Near(PixelAt(55, 65), {255, 255, 255}));
    EXPECT_TRUE(Near(PixelAt(45, 65), {100, 100, 100}));

    media::Cls();
    media::SetDrawOrigin(0, 0);
    media::SetViewport(10, 10, 20, 20);
    media::DrawRect(0, 0, 100, 100);
    media::DrawImageFrame(Solid(100, 100, 0xFFFF0000u), 0, 0);
    EXPECT_TRUE(Near(PixelAt(15, 15), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(35, 15), {100, 100, 100}));
    EXPECT_TRUE(Near(PixelAt(5, 5), {100, 100, 100}));
    int x, y, w, h;
    media::GetViewport(x, y, w, h);
    EXPECT_EQ(w, 20);
}

TEST_F(CanvasTest, ShapesFillWhereExpected) {
    media::SetColor(0, 255, 0);
    media::DrawLine(200, 50, 260, 50);
    EXPECT_TRUE(Near(PixelAt(230, 50), {0, 255, 0}));
    media::Plot(300, 40);
    EXPECT_TRUE(Near(PixelAt(300, 40), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(301, 40), {100, 100, 100}));
}

TEST_F(CanvasTest, DrawImageAreaShowsOnlyThePartAndStopsAtTheFrameEdge) {
    const Image image = RedGreen(20, 10);
    // Columns 5 to 19 asked for 30 wide: cut at the frame's right edge (x = 320).
    media::DrawImageArea(image, 300, 300, 5, 0, 30, 10);
    EXPECT_TRUE(Near(PixelAt(302, 305), {100, 100, 100})) << "left of the area";
    EXPECT_TRUE(Near(PixelAt(307, 305), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(315, 305), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(322, 305), {100, 100, 100})) << "past the frame's edge";

    media::Cls();
    media::SetDrawScale(3, 3);  // the area is drawn unscaled
    media::DrawImageArea(image, 300, 300, 0, 0, 20, 4);
    EXPECT_TRUE(Near(PixelAt(302, 302), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(302, 306), {100, 100, 100}));
}

TEST_F(CanvasTest, FrameTexCoordsRestrictLaterDraws) {
    const Image image = RedGreen(20, 10);
    media::SetFrameTexCoords(image, 0, 0.5f, 0.0f, 1.0f, 1.0f);
    media::DrawImageRectFrame(image, 400, 400, 16, 16);
    EXPECT_TRUE(Near(PixelAt(402, 402), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(414, 414), {0, 255, 0}));

    media::DrawImageFrame(image, 500, 400);  // the green half at its own size
    EXPECT_TRUE(Near(PixelAt(502, 405), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(512, 405), {100, 100, 100}));
}

TEST_F(CanvasTest, LockedPixelsReachTheScreenAfterUnlock) {
    const Image image = Solid(8, 8, 0xFFFF0000u);
    media::DrawImageFrame(image, 10, 10);
    media::Pixmap* pixels = media::LockImage(image, 0);
    ASSERT_NE(pixels, nullptr);
    for (auto& p : pixels->pixels) p = 0xFF0000FFu;
    media::UnlockImage(image, 0);
    media::DrawImageFrame(image, 30, 10);
    EXPECT_TRUE(Near(PixelAt(32, 12), {0, 0, 255}));
    EXPECT_EQ(media::LockImage(image, 1), nullptr) << "no second frame";
}

TEST_F(CanvasTest, ImagesSurviveReopeningTheDisplay) {
    const Image image = Solid(8, 8, 0xFF00FF00u);
    media::DrawImageFrame(image, 10, 10);
    media::CloseDisplay();
    EXPECT_FALSE(media::DisplayOpen());
    media::DrawImageFrame(image, 10, 10);  // no display: nothing happens
    ASSERT_TRUE(media::OpenDisplay(640, 480, 0, 60));
    media::Cls();
    media::DrawImageFrame(image, 10, 10);
    EXPECT_TRUE(Near(PixelAt(12, 12), {0, 255, 0}));
}

TEST_F(CanvasTest, GrabPixmapReadsBlackOutsideTheCanvas) {
    const Pixmap edge = media::GrabPixmap(795, 595, 10, 10);
    EXPECT_EQ(edge.width, 10);
    EXPECT_EQ(edge.At(9, 9), 0xFF000000u) << "outside the canvas reads black";
}

TEST_F(CanvasTest, BuiltInTextMeasuresAndDraws) {
    const std::string face = QUILLOX_SOURCE_DIR "/tools/fonts/DejaVuSans.ttf";
    media::SetBuiltInFontFile(face);
    media::SetDrawFont({});
    const int width = media::TextWidthOf("Hello");
    EXPECT_GT(width, 10);
    EXPECT_GT(media::TextHeightOf("Hello"), 8);
    EXPECT_EQ(media::TextWidthOf(""), 0);
    EXPECT_GT(media::TextWidthOf("Hello world"), width);

    media::SetClsColor(0, 0, 0);
    media::Cls();
    media::DrawTextAt("Hello", 20, 20);
    const Pixmap area = media::GrabPixmap(20, 20, width, media::TextHeightOf("Hello"));
    int lit = 0;
    for (std::uint32_t p : area.pixels) lit += (p & 0xFFFFFF) != 0;
    EXPECT_GT(lit, 20);

    EXPECT_EQ(media::LoadFont("/nonexistent/font.ttf", 12, 0), nullptr);
    const media::Font big = media::LoadFont(face, 24, media::SMOOTHFONT);
    ASSERT_NE(big, nullptr);
    media::SetDrawFont(big);
    EXPECT_GT(media::TextWidthOf("Hello"), width * 3 / 2);
    media::SetDrawFont({});
}

}  // namespace
