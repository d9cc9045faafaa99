// A headless scene: sprites turned, scaled, faded and blended, text in both bitmap fonts and the
// TrueType font, and a particle burst, drawn in the software renderer and saved as a PNG. Pixels
// are checked only where the outcome is certain.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "TestSupport.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TLoadingBar.h"
#include "presentation/TParticleList.h"
#include "presentation/TSprite.h"
#include "presentation/TextDrawing.h"

namespace {

using presentation_test::HostAtNormalSpeed;

std::shared_ptr<TGameImage> Solid(int w, int h, std::uint32_t argb) {
    media::Pixmap pixmap;
    pixmap.width = w;
    pixmap.height = h;
    pixmap.pitch = w;
    pixmap.pixels.assign(static_cast<size_t>(w * h), argb);
    return TGameImage::CreateFromImage(media::ImageFromPixmap(pixmap, -1), "SOLID", 1);
}

struct Rgb {
    int r, g, b;
};

Rgb At(const media::Pixmap& shot, int x, int y) {
    const std::uint32_t p = shot.At(x, y);
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
            static_cast<int>(p & 0xFF)};
}

class SceneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(media::Init({.headless = true}));
        ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
    }
    static void TearDownTestSuite() { media::Shutdown(); }
    void SetUp() override {
        media::SetClsColor(0, 0, 0);
        media::Cls();
        media::SetBlend(media::ALPHABLEND);
        media::SetColor(255, 255, 255);
        media::SetAlpha(1);
    }
    HostAtNormalSpeed host_;
};

TEST_F(SceneTest, SpritesTextAndParticlesLandWhereExpected) {
    const auto red = Solid(32, 32, 0xFFFF0000u);
    const auto green = Solid(32, 32, 0xFF00FF00u);

    auto plain = TSprite::Create(red, 100, 100);
    plain->Draw();
    auto turned = TSprite::Create(red, 300, 100);
    turned->Rotation = 45;
    turned->SetScaleXY(2, 0);
    turned->Draw();
    auto faded = TSprite::Create(red, 500, 100);
    faded->Alpha = 0.5f;
    faded->Draw();
    auto light = TSprite::Create(green, 116, 100);
    media::SetBlend(media::LIGHTBLEND);
    light->Draw();
    media::SetBlend(media::ALPHABLEND);
    TSprite::Create(Solid(32, 32, 0xFFFFFFFFu), 730, 130)->Draw();
    auto shadowed = TSprite::Create(red, 700, 100);
    shadowed->SetShadow(1, 20, 20, 1);
    shadowed->Draw();
    auto glowing = TSprite::Create(Solid(32, 32, 0xFF404040u), 100, 200);
    glowing->SetGlow(2, 1, 0, 0, 1);
    glowing->Draw();

    const auto fonts = std::filesystem::path(QUILLOX_BUILD_DIR) / "Data/fonts";
    const bool haveFonts = std::filesystem::exists(fonts / "font_lg.fnt");
    if (haveFonts) {
        auto large = TBitmapFont::Create((fonts / "font_lg").string(), -1);
        auto medium = TBitmapFont::Create((fonts / "font_md").string(), -1);
        large->Draw("QUILLOX", 100, 300, 0, 0, 1, 1, 0);
        medium->DrawAlignedWithShadow("Level 15", 700, 300, 2, 1, 1);
        media::SetDrawFont(media::LoadFont((fonts / "tut.ttf").string(), 16, media::SMOOTHFONT));
        DrawTextAligned("TrueType", 400, 400, 1, 1, 1);
    }

    TParticleList burst;
    for (int i = 0; i < 24; ++i) {
        const float angle = static_cast<float>(i) * 15.0f * 3.14159f / 180.0f;
        burst.AddNew(600, 450, Solid(6, 6, 0xFFFFFF00u), std::cos(angle), std::sin(angle), 0, 500,
                     1, 1, 2, 1, 0, 0, 0);
    }
    for (int step = 0; step < 10; ++step) burst.Manage();
    burst.Draw();

    const media::Pixmap shot = media::GrabPixmap(0, 0, 800, 600);
    const auto png = media::EncodePNG(shot);
    ASSERT_FALSE(png.empty());
    std::ofstream(std::filesystem::path(QUILLOX_BUILD_DIR) / "presentation_scene.png",
                  std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));

    EXPECT_EQ(At(shot, 90, 100).r, 255) << "plain sprite centred on its handle";
    EXPECT_EQ(At(shot, 90, 100).g, 0);
    EXPECT_EQ(At(shot, 70, 100).r, 0);
    EXPECT_EQ(At(shot, 300, 100).r, 255) << "turned and doubled";
    EXPECT_EQ(At(shot, 300 + 40, 100).r, 255) << "a corner of the turned square reaches 45 px";
    EXPECT_EQ(At(shot, 300 + 30, 100 + 30).r, 0) << "the turned square leaves its old corner";
    EXPECT_NEAR(At(shot, 500, 100).r, 128, 3) << "half alpha";
    const Rgb mixed = At(shot, 110, 100);
    EXPECT_EQ(mixed.r, 255) << "light blend adds green to red";
    EXPECT_EQ(mixed.g, 255);
    EXPECT_EQ(At(shot, 725, 125).r, 0) << "the shadow falls black over white";
    EXPECT_EQ(At(shot, 740, 140).r, 255);
    EXPECT_EQ(At(shot, 700, 100).r, 255);
    EXPECT_NEAR(At(shot, 100, 200).r, 0x80, 2) << "the glow adds the sprite to itself";
    EXPECT_EQ(At(shot, 610, 450).r, 255) << "the burst has flown 10 px out";
    EXPECT_EQ(At(shot, 610, 450).b, 0);
    EXPECT_EQ(At(shot, 600, 450).r, 0) << "and left its centre";
    if (haveFonts) {
        int lit = 0;
        for (int y = 300; y < 340; ++y) {
            for (int x = 100; x < 300; ++x) lit += At(shot, x, y).r > 128;
        }
        EXPECT_GT(lit, 200) << "the large font drew its letters";
        lit = 0;
        for (int y = 300; y < 330; ++y) {
            for (int x = 560; x < 700; ++x) lit += At(shot, x, y).r > 128;
        }
        EXPECT_GT(lit, 100) << "the medium font ends at 700";
        EXPECT_EQ(At(shot, 705, 315).r, 0);
        lit = 0;
        for (int y = 390; y < 425; ++y) {
            for (int x = 340; x < 460; ++x) lit += At(shot, x, y).r > 128;
        }
        EXPECT_GT(lit, 30) << "the TrueType text is centred on 400";
    }
    // Every draw puts the canvas back to neutral.
    float sx = 0, sy = 0;
    media::GetDrawScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
    EXPECT_FLOAT_EQ(media::GetDrawRotation(), 0);
    EXPECT_FLOAT_EQ(media::GetAlpha(), 1);
}

TEST_F(SceneTest, TheLoadingBarFillsStepByStepOverItsEmptyLookAndStopsFull) {
    TLoadingBar bar;
    bar.Init(Solid(300, 20, 0xFF00FF00)->image, Solid(300, 20, 0xFF400000)->image, nullptr);
    bar.Mode = 1;
    bar.Centre(100);
    bar.SetSteps(4);
    EXPECT_EQ(bar.x, 250);
    std::vector<float> filled;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar.Finished, 0);
        bar.Progress();
        filled.push_back(bar.Position);
    }
    EXPECT_EQ(filled, (std::vector<float>{75, 150, 225, 300}));
    EXPECT_EQ(bar.Finished, 1);
    bar.Progress();
    EXPECT_EQ(bar.Position, 300) << "no step beyond the end";

    TLoadingBar half = bar;
    half.CurrentStep = 2;
    half.Position = 150;
    half.Finished = 0;
    EXPECT_EQ(half.Draw(), 1);
    const media::Pixmap shot = media::GrabPixmap(0, 0, 800, 600);
    EXPECT_EQ(At(shot, 260, 110).g, 255) << "filled";
    EXPECT_EQ(At(shot, 390, 110).g, 255);
    EXPECT_EQ(At(shot, 410, 110).r, 0x40) << "empty look beyond the fill";
    EXPECT_EQ(At(shot, 240, 110).r, 0) << "nothing left of the bar";

    TLoadingBar none;
    none.Mode = 1;
    EXPECT_EQ(none.Draw(), 0);
}

}  // namespace
