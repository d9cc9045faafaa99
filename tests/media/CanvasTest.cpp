// Drawing into the canvas, read back with GrabPixmap.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/Media.h"

namespace {

using media::Image;
using media::Pixmap;

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(int x, int y) {
    const Pixmap p = media::GrabPixmap(x, y, 1, 1);
    const std::uint32_t v = p.At(0, 0);
    EXPECT_EQ(v >> 24, 0xFFu) << "grabbed pixels are opaque";
    return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
            static_cast<int>(v & 0xFF)};
}

::testing::AssertionResult Near(Rgb got, Rgb want, int tolerance = 3) {
    if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
        std::abs(got.b - want.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got (" << got.r << "," << got.g << "," << got.b << ") want (" << want.r << ","
           << want.g << "," << want.b << ")";
}

// An unfiltered image; `colour(x, y)` gives each pixel as 0xAARRGGBB.
template <typename F>
Image MakeImage(int w, int h, F colour) {
    Pixmap p;
    p.width = p.pitch = w;
    p.height = h;
    p.pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) p.At(x, y) = colour(x, y);
    }
    return media::ImageFromPixmap(p, 0);
}

Image Solid(int w, int h, std::uint32_t argb) {
    return MakeImage(w, h, [argb](int, int) { return argb; });
}

// Left half red, right half green.
Image RedGreen(int w, int h) {
    return MakeImage(w, h, [w](int x, int) { return x < w / 2 ? 0xFFFF0000u : 0xFF00FF00u; });
}

class CanvasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(media::Init({.headless = true}));
        ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    }
    static void TearDownTestSuite() { media::Shutdown(); }

    void SetUp() override {
        media::SetColor(255, 255, 255);
        media::SetAlpha(1.0f);
        media::SetBlend(media::ALPHABLEND);
        media::SetDrawRotation(0);
        media::SetDrawScale(1, 1);
        media::SetDrawOrigin(0, 0);
        media::SetViewport(0, 0, 800, 600);
        media::SetClsColor(100, 100, 100);
        media::Cls();
    }
};

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

// A frame drawn only where it changed must match the frame drawn whole, even when a picture is
// edited after being drawn, or the canvas is read, in the middle of a frame.
TEST_F(CanvasTest, FramesDrawnWhereTheyChangedMatchFramesDrawnWhole) {
    std::vector<Pixmap> shown[2];
    long redrawnWhenStill = -1;
    for (const bool tracked : {false, true}) {
        media::SetDamageTracking(tracked);
        const Image image = Solid(8, 8, 0xFFFF0000u);
        const auto frame = [&](int step) {
            media::Cls();
            media::DrawImageFrame(image, 10, 10);
            if (step == 1) {
                for (auto& p : media::LockImage(image, 0)->pixels) p = 0xFF0000FFu;
                media::UnlockImage(image, 0);
            }
            if (step >= 2) {
                EXPECT_TRUE(Near(PixelAt(12, 12), {0, 0, 255})) << "read mid-frame";
            }
            media::DrawImageFrame(image, 30 + (step == 3 ? 0 : 4 * step), 10);
            media::Flip(0);
            shown[tracked].push_back(media::GrabPixmap(0, 0, 800, 600));
        };
        for (int step = 0; step < 4; ++step) frame(step);
        media::DrawImageFrame(image, 10, 10);
        media::Cls();
        media::DrawImageFrame(image, 10, 10);
        media::DrawImageFrame(image, 30, 10);
        media::Flip(0);
        if (tracked) redrawnWhenStill = media::FlipRedrawnPixels();
        shown[tracked].push_back(media::GrabPixmap(0, 0, 800, 600));
    }
    ASSERT_EQ(shown[0].size(), shown[1].size());
    for (size_t i = 0; i < shown[0].size(); ++i)
        EXPECT_TRUE(shown[0][i].pixels == shown[1][i].pixels) << "frame " << i;
    EXPECT_TRUE(
        Near(Rgb{static_cast<int>((shown[1][1].At(12, 12) >> 16) & 0xFF), 0, 0}, {255, 0, 0}))
        << "the draw before the edit keeps the old pixels";
    EXPECT_EQ(redrawnWhenStill, 0) << "a frame like the last is not drawn again";
}

// Turned, stretched and tinted pictures: drawn only where the frame changed they must leave the
// pixels a whole frame leaves, show an edit made to the picture, and tint as upright ones do.
TEST_F(CanvasTest, TurnedPicturesDrawnWhereTheyChangedMatchFramesDrawnWhole) {
    // A soft-edged ring with a hue that goes round it, see-through inside and out.
    const auto ringColour = [](int x, int y) {
        const float dx = x - 31.5f, dy = y - 31.5f, r = std::sqrt(dx * dx + dy * dy);
        const float a = std::clamp(std::min(r - 20.0f, 30.0f - r) / 2.0f, 0.0f, 1.0f);
        const auto alpha = static_cast<std::uint32_t>(a * 255.0f);
        return (alpha << 24) | (x * 4u << 16) | (y * 4u << 8) | 0x40u;
    };
    std::vector<Pixmap> shown[2];
    long redrawn[2] = {0, 0};
    for (const bool tracked : {false, true}) {
        media::SetDamageTracking(tracked);
        const Image ring = MakeImage(64, 64, ringColour);
        const Image smooth =
            media::ImageFromPixmap(*media::LockImage(ring, 0), media::FILTEREDIMAGE);
        media::UnlockImage(ring, 0);
        const Image dot = Solid(4, 4, 0xFFFFFF00u);
        media::MidHandleImage(ring);
        media::MidHandleImage(smooth);
        for (int step = 0; step < 12; ++step) {
            media::Cls();
            media::SetDrawRotation(step * 7.5f);
            media::SetColor(0, 0, 0);
            media::SetAlpha(0.5f);
            media::DrawImageFrame(smooth, 203.5f, 204.25f);
            media::SetColor(255, 255, 255);
            media::SetAlpha(1.0f);
            media::DrawImageFrame(smooth, 200.5f, 200.25f);
            media::DrawImageFrame(ring, 300, 200);
            media::SetDrawRotation(0);
            media::SetDrawScale(1.5f, 0.75f);
            media::DrawImageFrame(smooth, 235, 230);
            media::SetDrawScale(1, 1);
            // Something small moving across the turned pictures' corners.
            media::DrawImageFrame(dot, 160 + 4 * step, 165 + step);
            if (step == 6) {
                for (auto& p : media::LockImage(smooth, 0)->pixels) p &= 0xFF0000FFu;
                media::UnlockImage(smooth, 0);
            }
            media::Flip(0);
            redrawn[tracked] += media::FlipRedrawnPixels();
            shown[tracked].push_back(media::GrabPixmap(0, 0, 800, 600));
        }
    }
    ASSERT_EQ(shown[0].size(), shown[1].size());
    for (size_t i = 0; i < shown[0].size(); ++i)
        EXPECT_TRUE(shown[0][i].pixels == shown[1][i].pixels) << "frame " << i;
    EXPECT_LT(redrawn[1] * 4, redrawn[0]) << "only the turning pictures are drawn again";
    EXPECT_GT((shown[1][5].At(200, 175) >> 16) & 0xFF, 64u);
    EXPECT_EQ((shown[1][7].At(200, 175) >> 16) & 0xFF, 0u) << "the edit took the red away";

    // A turned opaque square, tinted black at half alpha, halves the grey beneath it.
    media::Cls();
    const Image square = Solid(20, 20, 0xFFFFFFFFu);
    media::MidHandleImage(square);
    media::SetDrawRotation(45);
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.5f);
    media::DrawImageFrame(square, 500, 300);
    EXPECT_TRUE(Near(PixelAt(500, 300), {50, 50, 50}));
    EXPECT_TRUE(Near(PixelAt(500, 287), {50, 50, 50})) << "a corner turned to the top";
    EXPECT_TRUE(Near(PixelAt(490, 290), {100, 100, 100})) << "the square's own corner is off";
}

// A picture keeps only its rows down to the last visible one: turned, stretched and smooth, it
// is drawn from those alone (the sanitizer sees any read past them) and as if whole.
TEST_F(CanvasTest, PicturesSeeThroughBelowDrawFromTheRowsTheyKeep) {
    // Red on the top 10 rows of 40 and see-through below, but for a green bottom row in the
    // second picture, far from the red.
    const auto topRed = [](int, int y) { return y < 10 ? 0xFFFF0000u : 0x00FFFFFFu; };
    const auto smooth = [](const Image& image) {
        const Image made =
            media::ImageFromPixmap(*media::LockImage(image, 0), media::FILTEREDIMAGE);
        media::MidHandleImage(made);
        return made;
    };
    const Image cut = smooth(MakeImage(16, 40, topRed));
    const Image whole = smooth(
        MakeImage(16, 40, [&](int x, int y) { return y == 39 ? 0xFF00FF00u : topRed(x, y); }));
    for (const float angle : {0.0f, 30.0f, 180.0f, 270.0f}) {
        media::Cls();
        media::SetDrawRotation(angle);
        media::SetDrawScale(3.5f, 3.5f);
        media::DrawImageFrame(cut, 200, 200);
        media::DrawImageFrame(whole, 500, 200);
        media::SetDrawScale(1, 1);
        media::SetDrawRotation(0);
        const Pixmap shown[2] = {media::GrabPixmap(120, 120, 160, 160),
                                 media::GrabPixmap(420, 120, 160, 160)};
        int red[2] = {0, 0}, foreign = 0;
        for (int i = 0; i < 2; ++i) {
            for (const std::uint32_t p : shown[i].pixels) {
                red[i] += ((p >> 16) & 0xFF) > 200;
                // Red over grey leaves green and blue alike; anything else came from elsewhere.
                foreign += i == 0 && ((p >> 8) & 0xFF) != (p & 0xFF);
            }
        }
        EXPECT_GT(red[0], 1000) << angle;
        EXPECT_EQ(red[0], red[1]) << angle;
        EXPECT_EQ(foreign, 0) << angle;
    }
}

// A picture from a file lets its pixels go once they are on a texture; they come back from
// the file for a new renderer and for whoever locks them.
TEST_F(CanvasTest, FilePicturesComeBackFromTheFileWhenTheirPixelsAreWanted) {
    const std::string path = ::testing::TempDir() + "quillox-canvas-red-green.png";
    Pixmap sheet;
    sheet.width = sheet.pitch = 20;
    sheet.height = 10;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) sheet.pixels.push_back(x < 10 ? 0xFFFF0000u : 0xFF00FF00u);
    }
    const auto png = media::EncodePNG(sheet);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(png.data(), 1, png.size(), file);
    std::fclose(file);

    const Image cells = media::LoadAnimImageFile(path, 10, 10, 0, 2, 0);
    ASSERT_TRUE(cells);
    media::DrawImageFrame(cells, 100, 100, 1);
    media::CloseDisplay();
    ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    media::Cls();
    media::DrawImageFrame(cells, 100, 100, 1);
    EXPECT_TRUE(Near(PixelAt(105, 105), {0, 255, 0}));
    // Left undrawn for a while it lets go of its texture and pixels, and comes back whole.
    for (int i = 0; i < 700; ++i) media::Flip(0);
    media::Cls();
    media::DrawImageFrame(cells, 100, 100, 0);
    media::SetDrawRotation(90);
    media::SetColor(255, 255, 128);
    media::DrawImageFrame(cells, 200, 100, 1);
    media::SetColor(255, 255, 255);
    media::SetDrawRotation(0);
    EXPECT_TRUE(Near(PixelAt(105, 105), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(195, 105), {0, 255, 0})) << "turned and tinted";
    const Pixmap* first = media::LockImage(cells, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->At(5, 5), 0xFFFF0000u);
    media::UnlockImage(cells, 0);
    std::remove(path.c_str());
}

// Pictures that come and go at both ends of a frame (as particles do) redraw only where they
// were or are, not the unchanged pictures between them, and still leave a whole frame's pixels.
TEST_F(CanvasTest, PicturesComingAndGoingRedrawOnlyTheirOwnPlaces) {
    std::vector<Pixmap> shown[2];
    std::vector<long> redrawn;
    const Image big = Solid(200, 200, 0xFF00FF00u);
    const Image small = Solid(8, 8, 0xFFFF0000u);
    for (const bool tracked : {false, true}) {
        media::SetDamageTracking(tracked);
        for (int step = 0; step < 5; ++step) {
            media::Cls();
            if (step % 2 == 1) media::DrawImageFrame(small, 20 + step, 20);
            media::DrawImageFrame(big, 100, 100);
            media::DrawImageFrame(small, 150, 150);
            if (step < 3) media::DrawImageFrame(small, 500 + step, 400);
            if (step == 4) media::DrawImageFrame(small, 120, 120);
            media::Flip(0);
            if (tracked) redrawn.push_back(media::FlipRedrawnPixels());
            shown[tracked].push_back(media::GrabPixmap(0, 0, 800, 600));
        }
    }
    for (size_t i = 0; i < shown[0].size(); ++i)
        EXPECT_TRUE(shown[0][i].pixels == shown[1][i].pixels) << "frame " << i;
    const long scale = media::CanvasScale() * media::CanvasScale();
    for (size_t step = 1; step < redrawn.size(); ++step)
        EXPECT_LE(redrawn[step], 4 * 8 * 8 * scale) << "step " << step;
}

// The canvas is the window's own surface while the window is its size; a resize takes that
// surface away, and drawing goes on into whichever canvas fits the new size, at its scale, and
// reaches the window.
TEST_F(CanvasTest, DrawingGoesOnAcrossWindowResizes) {
    SDL_Window* window = nullptr;
    for (Uint32 id = 1; id < 1000 && !window; ++id) window = SDL_GetWindowFromID(id);
    ASSERT_NE(window, nullptr);
    const Image square = Solid(20, 20, 0xFF00FF00u);
    const struct {
        int width, height, scale;
    } sizes[] = {{1000, 700, 1}, {1600, 1200, 2}, {1700, 1250, 2}, {1600, 1200, 2}, {800, 600, 1}};
    for (const auto& size : sizes) {
        SDL_SetWindowSize(window, size.width, size.height);
        SDL_Delay(5);  // events are asked for at most every couple of milliseconds
        media::DrainInputEvents();
        EXPECT_EQ(media::CanvasScale(), size.scale) << size.width;
        for (int frame = 0; frame < 2; ++frame) {
            media::Cls();
            media::DrawImageFrame(square, 100 + 10 * frame, 100);
            media::Flip(0);
        }
        EXPECT_TRUE(Near(PixelAt(125, 110), {0, 255, 0})) << size.width;
        EXPECT_TRUE(Near(PixelAt(105, 110), {100, 100, 100})) << size.width;
        // Where the square's middle lands in the window, letterboxed.
        const float k = std::min(size.width / 800.0f, size.height / 600.0f);
        const int x = static_cast<int>((size.width - 800 * k) / 2 + 120 * k);
        const int y = static_cast<int>((size.height - 600 * k) / 2 + 110 * k);
        SDL_Surface* shown = SDL_GetWindowSurface(window);
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->format->BytesPerPixel, 4);
        const std::uint32_t pixel = static_cast<const std::uint32_t*>(
            shown->pixels)[static_cast<size_t>(y) * shown->pitch / 4 + static_cast<size_t>(x)];
        EXPECT_EQ(pixel & 0xFFFFFFu, 0x00FF00u) << size.width;
    }
}
