// What the play screen puts on the canvas: a busy scene drawn whole (saved for a look), the
// colour-blind pieces, the machine's cover following the fill, and the canvas left neutral.

#include <cstdint>
#include <fstream>
#include <string>

#include "ScreenFixture.h"

namespace game_screen_test {
namespace {

using ScreenDrawTest = ScreenFixture;

std::uint64_t Checksum(int x, int y, int w, int h) {
    const media::Pixmap pixels = media::GrabPixmap(x, y, w, h);
    std::uint64_t sum = 0;
    for (int j = 0; j < pixels.height; ++j) {
        for (int i = 0; i < pixels.width; ++i) sum = sum * 31 + pixels.At(i, j);
    }
    return sum;
}

void SaveShot(const std::string& name) {
    const auto png = media::EncodePNG(media::GrabPixmap(0, 0, 800, 600));
    ASSERT_FALSE(png.empty());
    std::ofstream(std::string(QUILLOX_BUILD_DIR) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

std::uint32_t PixelAt(int x, int y) {
    return media::GrabPixmap(x, y, 1, 1).At(0, 0) & 0xFFFFFF;
}

TEST_F(ScreenDrawTest, ABusySceneDrawsWholeAndLeavesTheCanvasNeutral) {
    StartLevel(9, {"23456789T", "R#.......", "..2.3.4..", "....5....", "5..6.7...", "..8....R.",
                   "9....T...", "..2...3..", "4.....#.2"});
    Machine().MachineFill = 90;
    Machine().PendingFill = 20;
    Pass();
    ClickCell(4, 3);
    Passes(30);
    // A move that forms nothing, so a deal is in the air when the picture is taken.
    ClickCell(0, 4);
    ClickCell(1, 4);
    ASSERT_TRUE(RunUntil([&] { return L().Preview.InFlight(); }));
    Passes(25);
    ClickCell(2, 2);
    Passes(3);
    TLineRemoval removal;
    removal.OriginX = 6;
    removal.OriginY = 6;
    removal.Cells = {{6, 6}, {7, 6}, {8, 6}, {5, 6}, {4, 6}};
    removal.PopupImage = 5;
    removal.StreakBonus = 20;
    Effects().LineRemoved(removal, Machine().MachineFill);
    Effects().DrainBurst(8, Machine().MachineFill);
    Passes(8);
    // The glow at the height of its pulse.
    Screen->PathGlow.Glow.SetCounter(90);

    media::Cls();
    Screen->Draw();
    SaveShot("play-busy-board.png");

    float sx = 0, sy = 0;
    media::GetDrawScale(sx, sy);
    EXPECT_EQ(sx, 1);
    EXPECT_EQ(sy, 1);
    EXPECT_EQ(media::GetDrawRotation(), 0);
    EXPECT_EQ(media::GetAlpha(), 1);
    EXPECT_EQ(media::GetBlend(), media::ALPHABLEND);
    int r = 0, g = 0, b = 0;
    media::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
}

TEST_F(ScreenDrawTest, TheBombAndTheBrushAtWorkDrawOverTheBoard) {
    StartLevel(15, {"23456789T", "R#.......", "..2.3.4..", "....5....", "5..6.7...", "..8....R.",
                    "9....T...", "..2...3..", "4.....#.2"});
    Machine().MachineFill = 40;
    Pass();
    Pass(true, 169, 88);
    ASSERT_EQ(L().Powers.Active, PowerBomb);
    ClickCell(5, 4);
    ASSERT_TRUE(RunUntil([&] { return L().Bomb.nExplosions >= 5; }));
    // The brush drawn mid-circle beside it, as it would be while the palette works.
    TPalette& palette = Screen->Level->Palette;
    palette.DoPaint = true;
    palette.nPaint = 14;
    palette.pColor = 6;
    palette.px = CellCentreX(2) - 6;
    palette.py = CellCentreY(6) - 6;
    media::Cls();
    Screen->Draw();
    SaveShot("play-powers.png");
    EXPECT_NE(Checksum(234 + 60 * 5, 30, 60, 540), 0u);
}

TEST_F(ScreenDrawTest, TheCelebrationDrawsOverTheWholeScene) {
    StartLevel(4);
    media::Cls();
    Screen->Draw();
    const auto plain = Checksum(180, 250, 440, 70);
    Machine().MachineFill = 147;
    Machine().FanfarePending = true;
    Machine().LevelWonPending = true;
    ASSERT_TRUE(RunUntil([&] { return L().LevelTime; }));
    Passes(150);
    media::Cls();
    Screen->Draw();
    SaveShot("play-celebration.png");
    EXPECT_NE(Checksum(180, 250, 440, 70), plain) << "the well-done sign has come down";
}

TEST_F(ScreenDrawTest, ColourBlindPlayersSeeTheSymbolPiecesOnTheBoardAndInThePreview) {
    StartLevel(12, {"23456789T", ".........", ".........", ".........", ".........", ".........",
                    ".........", ".........", "R........"});
    media::Cls();
    Screen->Draw();
    const auto boardPlain = Checksum(234, 30, 540, 60);
    const auto previewPlain = Checksum(70, 364, 90, 28);
    const auto emptyPlain = Checksum(234, 270, 540, 60);

    Screen->Player.SaveData.colorblind = 1;
    media::Cls();
    Screen->Draw();
    EXPECT_NE(Checksum(234, 30, 540, 60), boardPlain);
    EXPECT_NE(Checksum(70, 364, 90, 28), previewPlain);
    EXPECT_EQ(Checksum(234, 270, 540, 60), emptyPlain) << "empty cells look the same";
}

TEST_F(ScreenDrawTest, TheCoverHidesTheUnfilledPartOfTheMachine) {
    StartLevel(3);
    // A point inside the globe, low down: covered while empty, shown once filled past it.
    const int x = 113, y = 154 + 120;
    Machine().MachineFill = 0;
    media::Cls();
    Screen->Draw();
    const auto empty = PixelAt(x, y);
    const auto emptyTop = PixelAt(x, 165);
    Machine().MachineFill = 60;
    media::Cls();
    Screen->Draw();
    EXPECT_NE(PixelAt(x, y), empty);
    Machine().MachineFill = 147;
    media::Cls();
    Screen->Draw();
    EXPECT_NE(PixelAt(x, 165), emptyTop) << "a full machine has nothing left to cover";
}

}  // namespace
}  // namespace game_screen_test
