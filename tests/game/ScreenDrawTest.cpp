// What the play screen puts on the canvas: a busy scene drawn whole (saved for a look), the
// colour-blind pieces, the glow of the reachable cells, the machine's cover following the fill,
// and the canvas left neutral.

#include <algorithm>
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

TEST_F(ScreenDrawTest, TheReachableCellsGlowASoftAmberAtMostAThirdStrong) {
    StartLevel(5, {"2........", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........."});
    Pass();
    ClickCell(0, 0);
    ASSERT_EQ(L().Play.Selection.SelectedValue, 2);
    ASSERT_TRUE(L().Play.Selection.Dots[4][4]);
    // The top of the pulse.
    Screen->PathGlow.Glow.SetCounter(90);
    const int left = 234 + 60 * 4, top = 30 + 60 * 4;
    media::Cls();
    Screen->Draw();
    SaveShot("play-reach-glow.png");
    const media::Pixmap lit = media::GrabPixmap(left, top, 60, 60);
    L().Play.Selection.ClearSelection();
    media::Cls();
    Screen->Draw();
    const media::Pixmap plain = media::GrabPixmap(left, top, 60, 60);

    // The light is (140, 100, 0) added at a third of its strength, under the empty socket;
    // the cell's glow and its dot each add it.
    int brightest = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const auto channel = [](std::uint32_t pixel, int shift) {
                return static_cast<int>((pixel >> shift) & 0xFF);
            };
            const std::uint32_t a = lit.At(x, y), b = plain.At(x, y);
            const int red = channel(a, 16) - channel(b, 16);
            const int green = channel(a, 8) - channel(b, 8);
            ASSERT_EQ(channel(a, 0), channel(b, 0)) << x << ", " << y;
            ASSERT_GE(red, 0);
            ASSERT_LE(red, 2 * 47) << x << ", " << y;
            ASSERT_LE(green, 2 * 34) << x << ", " << y;
            brightest = std::max(brightest, red);
        }
    }
    EXPECT_GT(brightest, 15) << "the glow shows";
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

TEST_F(ScreenDrawTest, EveryTutorialBoxHoldsItsTextAndPointsItsPointerAway) {
    const media::Font& font = SharedResources->FontTutorial;
    const media::Font& smallFont = SharedResources->FontTutorialSmall;
    ASSERT_TRUE(font && smallFont);
    Screen->Player.SaveData.Tutorial = 1;
    StartLevel(1);
    ASSERT_TRUE(L().Play.TutorialGame);
    TTutorialPanel& panel = Screen->TutorialPanel;
    const int boxWidth = media::ImageWidth(panel.imgHint->image);
    const int boxHeight = media::ImageHeight(panel.imgHint->image);
    // The text starts 14 pixels in; the frame takes the last few pixels of each edge.
    constexpr int Margin = 9;
    // A step without a box, so that only the box under test is drawn.
    L().Play.TutStep = 10;
    int boxes = 0;
    for (int step = 0; step <= TTutorial::LastStep; ++step) {
        const TTutorialBox box = TTutorial::StepBox(step);
        if (!box.Shown) continue;
        ++boxes;
        SCOPED_TRACE("step " + std::to_string(step));
        EXPECT_LE(box.X + boxWidth, 800);
        EXPECT_LE(box.Y + boxHeight, 600);
        media::SetDrawFont(font);
        for (const std::string& line : box.Lines) {
            EXPECT_LE(14 + media::TextWidthOf(line), boxWidth - Margin) << line;
        }
        EXPECT_LE(54 + media::TextHeightOf("Ay"), 75) << "the last line clears the hint";
        media::SetDrawFont(smallFont);
        EXPECT_LE(108 + media::TextWidthOf(TTutorial::NextHintText), boxWidth - Margin);
        EXPECT_LE(75 + media::TextHeightOf("Ay"), boxHeight - Margin);
        media::SetDrawFont({});
        if (!box.HasPointer) continue;

        // The pointer's body lies on the mirrored side of its tip, nothing on the other.
        Screen->TutorialPanel.Drawn = TTutorialBox();
        media::Cls();
        Screen->Draw();
        const int ax = box.PointerX + 12 * box.PointerScaleX;
        const int ay = box.PointerY + 10 * box.PointerScaleY;
        const int bx = box.PointerX - 12 * box.PointerScaleX;
        const int by = box.PointerY - 10 * box.PointerScaleY;
        const std::uint32_t bodyBefore = PixelAt(ax, ay);
        const std::uint32_t awayBefore = PixelAt(bx, by);
        media::Cls();
        Screen->Draw();
        panel.Draw(box, font, smallFont);
        EXPECT_NE(PixelAt(ax, ay), bodyBefore);
        EXPECT_EQ(PixelAt(bx, by), awayBefore);
    }
    EXPECT_EQ(boxes, 19);

    // A step's box drawn over the board, as the player sees it, leaves the canvas neutral.
    L().Play.TutStep = 4;
    media::Cls();
    Screen->Draw();
    SaveShot("play-tutorial-box.png");
    EXPECT_EQ(panel.Drawn.Lines[0], "You can substitute rainbow");
    float sx = 0, sy = 0;
    media::GetDrawScale(sx, sy);
    EXPECT_EQ(sx + sy, 2);
    int r = 0, g = 0, b = 0;
    media::GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_FALSE(media::GetDrawFont());
}

}  // namespace
}  // namespace game_screen_test
