// The same scripted moment of play (a piece picked up, the pointer on the menu button) drawn
// in an 800x600 window and in a 1600x1200 one: the state dumps are the same, every button and
// board cell sits where it does at 800x600 within a pixel, and the larger frame holds clearly
// more detail than the smaller one stretched to its size (its edges are drawn, not interpolated).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "PngPicture.h"
#include "StateJson.h"

namespace {

struct Moment {
    PngPicture shot;
    std::string state;
};

Moment Play(const std::string& sandbox, const std::vector<std::string>& window) {
    GameProcess game(sandbox);
    const auto shot = game.Sandbox() / "shot.png";
    const auto state = game.Sandbox() / "state.json";
    // The first piece of the seed's board is in column 0, row 1 (cell 234 + 30, 30 + 90).
    const auto script = game.WriteScript(
        "moment", "10 click 264 120\n20 move 118 554\n40 screenshot " + shot.string() +
                      "\n40 state " + state.string() + "\n41 quit\n");
    std::vector<std::string> args = {"--ticks-per-frame", "1", "--seed",   "7",
                                     "--level",           "1", "--script", script.string()};
    args.insert(args.end(), window.begin(), window.end());
    EXPECT_EQ(game.Run(args, 120), 0) << game.Stderr();
    return {PngPicture::Decode(shot.string()), ReadFile(state)};
}

// Grey level of a pixel, from its RGB.
double Luma(const PngPicture& p, int x, int y) {
    const std::uint8_t* px = &p.rgba[(static_cast<size_t>(y) * p.width + x) * 4];
    return 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2];
}

// The large frame's 2x2 block average at a canvas pixel.
double BlockLuma(const PngPicture& large, int x, int y) {
    return (Luma(large, 2 * x, 2 * y) + Luma(large, 2 * x + 1, 2 * y) +
            Luma(large, 2 * x, 2 * y + 1) + Luma(large, 2 * x + 1, 2 * y + 1)) /
           4;
}

// Mean difference over a rectangle of canvas pixels between the small frame and the large one
// shifted by (dx, dy) canvas pixels.
double Mismatch(const PngPicture& small, const PngPicture& large, const std::vector<int>& rect,
                int dx, int dy) {
    double sum = 0;
    int n = 0;
    for (int y = std::max(rect[1], 2); y < std::min(rect[1] + rect[3], 598); ++y) {
        for (int x = std::max(rect[0], 2); x < std::min(rect[0] + rect[2], 798); ++x) {
            sum += std::fabs(Luma(small, x, y) - BlockLuma(large, x + dx, y + dy));
            ++n;
        }
    }
    return n ? sum / n : 0;
}

// The shift of the large frame over a rectangle that best matches the small one.
std::pair<int, int> BestShift(const PngPicture& small, const PngPicture& large,
                              const std::vector<int>& rect) {
    std::pair<int, int> best{0, 0};
    double least = 1e9;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const double m = Mismatch(small, large, rect, dx, dy);
            if (m < least - 1e-9) {
                least = m;
                best = {dx, dy};
            }
        }
    }
    return best;
}

// Energy of the finest detail over the board: the sum of squared Laplacians of the grey level.
double FineDetail(int width, int height, const std::vector<int>& rect,
                  const std::function<double(int, int)>& at) {
    double energy = 0;
    for (int y = std::max(rect[1], 1); y < std::min(rect[1] + rect[3], height - 1); ++y) {
        for (int x = std::max(rect[0], 1); x < std::min(rect[0] + rect[2], width - 1); ++x) {
            const double l =
                4 * at(x, y) - at(x - 1, y) - at(x + 1, y) - at(x, y - 1) - at(x, y + 1);
            energy += l * l;
        }
    }
    return energy;
}

TEST(SharpScreen, TwiceTheResolutionKeepsTheLayoutAndAddsDetail) {
    const Moment small = Play("sharp-800", {});
    const Moment large = Play("sharp-1600", {"--window", "1600x1200"});
    ASSERT_TRUE(small.shot.ok && large.shot.ok);
    ASSERT_EQ(small.shot.width, 800);
    ASSERT_EQ(large.shot.width, 1600);
    ASSERT_EQ(large.shot.height, 1200);
    // Logic, scripts and dumps stay in the 800x600 canvas.
    EXPECT_EQ(small.state, large.state);

    const StateJson state = StateJson::Parse(small.state)["screen"];
    std::vector<std::vector<int>> places;
    for (const std::string& name : state["Buttons"].Keys())
        places.push_back(state["Buttons"][name]["rect"].Ints());
    const StateJson& cells = state["Cells"];
    const int left = cells["Left"].Int(), top = cells["Top"].Int(), size = cells["Size"].Int();
    ASSERT_GT(size, 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) places.push_back({left + x * size, top + y * size, size, size});
    ASSERT_GT(places.size(), 81u);
    for (const std::vector<int>& rect : places) {
        ASSERT_EQ(rect.size(), 4u);
        const auto [dx, dy] = BestShift(small.shot, large.shot, rect);
        EXPECT_LE(std::abs(dx), 1) << "at " << rect[0] << "," << rect[1];
        EXPECT_LE(std::abs(dy), 1) << "at " << rect[0] << "," << rect[1];
        EXPECT_LT(Mismatch(small.shot, large.shot, rect, 0, 0), 12.0)
            << "at " << rect[0] << "," << rect[1];
    }

    // The board at 1600x1200, against the 800x600 board stretched to that size (bilinear).
    const std::vector<int> board{2 * left, 2 * top, 18 * size, 18 * size};
    const double drawn =
        FineDetail(1600, 1200, board, [&](int x, int y) { return Luma(large.shot, x, y); });
    const double stretched = FineDetail(1600, 1200, board, [&](int x, int y) {
        const double sx = std::clamp((x + 0.5) / 2 - 0.5, 0.0, 799.0);
        const double sy = std::clamp((y + 0.5) / 2 - 0.5, 0.0, 599.0);
        const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
        const int x1 = std::min(x0 + 1, 799), y1 = std::min(y0 + 1, 599);
        const double fx = sx - x0, fy = sy - y0;
        return (Luma(small.shot, x0, y0) * (1 - fx) + Luma(small.shot, x1, y0) * fx) * (1 - fy) +
               (Luma(small.shot, x0, y1) * (1 - fx) + Luma(small.shot, x1, y1) * fx) * fy;
    });
    EXPECT_GT(drawn, 2.0 * stretched) << "drawn " << drawn << ", stretched " << stretched;
}

// A new player's first level opens the tutorial, whose panel is drawn in a TrueType face: its
// glyph pages, made in memory at twice the resolution, once lost their texels to the switch
// that matches file pictures to the canvas, and the game crashed writing into them.
TEST(SharpScreen, TheTutorialsTextIsDrawnAtTwiceTheResolution) {
    const Moment tutorial = Play("sharp-tutorial", {"--window", "1600x1200", "--player", "Tia"});
    ASSERT_TRUE(tutorial.shot.ok);
    EXPECT_EQ(tutorial.shot.width, 1600);
    EXPECT_EQ(StateJson::Parse(tutorial.state)["screen"]["TutorialGame"].Int(), 1);
}

}  // namespace
