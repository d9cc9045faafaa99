// Frames drawn only where they changed, against frames drawn whole; and the pixels a picture
// keeps, let go and gets back.
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

using namespace canvas_test;

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

// Pieces going round over still layers for longer than it takes to keep those layers: every
// frame must be the same as drawn whole while the layers are kept, where a piece strays out of
// the kept area, when a still layer is edited (and the layers kept anew), and under a still
// picture drawn over the pieces; at either resolution.
TEST_F(CanvasTest, PiecesMovingOverKeptStillLayersMatchFramesDrawnWhole) {
    const auto checksum = [] {
        const Pixmap frame = media::GrabFrame();
        std::uint64_t sum = 1469598103934665603ull;
        for (const std::uint32_t pixel : frame.pixels) sum = (sum ^ pixel) * 1099511628211ull;
        return sum;
    };
    for (const int width : {800, 1600}) {
        ASSERT_TRUE(media::OpenDisplay(width, width * 3 / 4, 0, 60));
        const long canvas = 800L * 600 * media::CanvasScale() * media::CanvasScale();
        std::vector<std::uint64_t> shown[2];
        int restoredBefore = 0, restoredAfter = 0;
        for (const bool tracked : {false, true}) {
            media::SetDamageTracking(tracked);
            // Made anew for each run: the edit must not carry over.
            const Image band = MakeImage(160, 160, [](int x, int y) {
                const float r = std::hypot(x - 79.5f, y - 79.5f);
                const auto alpha = static_cast<std::uint32_t>(
                    std::clamp(60 - std::fabs(r - 60) * 6, 0.0f, 255.0f));
                return (alpha << 24) | (x << 16) | (y << 8) | 0x80u;
            });
            const Image piece = MakeImage(12, 12, [](int x, int y) {
                return (std::hypot(x - 5.5f, y - 5.5f) < 5 ? 0xC0000000u : 0x30000000u) |
                       (x * 20u << 8) | 0xFFu;
            });
            const Image label = Solid(40, 8, 0xFFFFFFFFu);
            for (int step = 0; step < 110; ++step) {
                if (step == 75) {
                    for (auto& p : media::LockImage(band, 0)->pixels) p ^= 0x00FF0000u;
                    media::UnlockImage(band, 0);
                }
                media::Cls();
                media::DrawImageFrame(band, 100, 100);
                for (int i = 0; i < 6; ++i) {
                    const float turn = static_cast<float>(step) * 0.05f + static_cast<float>(i);
                    media::DrawImageFrame(piece, std::round(174 + 60 * std::cos(turn)),
                                          std::round(174 + 60 * std::sin(turn)));
                }
                if (step >= 35 && step < 50) media::DrawImageFrame(piece, 400 + 3 * step, 300);
                media::DrawImageFrame(label, 160, 120);
                media::Flip(0);
                if (tracked && media::FlipRestoredPixels() > 0)
                    ++(step < 75 ? restoredBefore : restoredAfter);
                // Drawn whole to be kept, a frame still shows only its changes.
                if (tracked && step > 0) {
                    EXPECT_LT(media::FlipRedrawnPixels(), canvas / 4) << "frame " << step;
                }
                shown[tracked].push_back(checksum());
            }
        }
        ASSERT_EQ(shown[0].size(), shown[1].size());
        for (size_t i = 0; i < shown[0].size(); ++i)
            EXPECT_EQ(shown[0][i], shown[1][i]) << "frame " << i << " at " << width;
        // Into the window's own surface too, whose fourth byte may be unused.
        EXPECT_GE(restoredBefore, 20) << "frames start from the kept layers at " << width;
        EXPECT_GE(restoredAfter, 2) << "and from those kept again after the edit at " << width;
    }
    media::SetDamageTracking(true);
    ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
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
