// The canvas tests' shared ground: a headless 800x600 display, fresh drawing state for every
// test, and small pictures made in memory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "media/Media.h"

namespace canvas_test {

using media::Image;
using media::Pixmap;

struct Rgb {
    int r, g, b;
};

inline Rgb PixelAt(int x, int y) {
    const Pixmap p = media::GrabPixmap(x, y, 1, 1);
    const std::uint32_t v = p.At(0, 0);
    EXPECT_EQ(v >> 24, 0xFFu) << "grabbed pixels are opaque";
    return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
            static_cast<int>(v & 0xFF)};
}

inline ::testing::AssertionResult Near(Rgb got, Rgb want, int tolerance = 3) {
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

inline Image Solid(int w, int h, std::uint32_t argb) {
    return MakeImage(w, h, [argb](int, int) { return argb; });
}

// Left half red, right half green.
inline Image RedGreen(int w, int h) {
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

}  // namespace canvas_test
