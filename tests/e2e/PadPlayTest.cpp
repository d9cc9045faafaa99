// The game played by a pad alone through SDL's virtual joystick, the path a real pad takes: the
// tutorial level with every power token, the pad unplugged and plugged back mid-level with its
// stick held; and a first run whose name is typed on the letter picker, then the title, the
// level select, a level, the in-game menu and the options, with the stick repeating on a
// slider.

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GameProcess.h"
#include "ScriptJourney.h"
#include "StateJson.h"

namespace {

constexpr double kTimeout = 300;

class PadScript : public ScriptJourney {
public:
    explicit PadScript(GameProcess& game, const std::string& file = "pad.txt")
        : ScriptJourney(game, file, kTimeout) {}

    void Axis(const std::string& axis, int value) {
        Line("padaxis " + axis + " " + std::to_string(value));
    }
    // Walks the highlighted cell of the board with the D-pad.
    void To(int x, int y) {
        for (; x_ < x; ++x_) Pad("dpright");
        for (; x_ > x; --x_) Pad("dpleft");
        for (; y_ < y; ++y_) Pad("dpdown");
        for (; y_ > y; --y_) Pad("dpup");
    }
    // Picks a character on the letter picker: rows A-M, N-Z, a-m, n-z, 0-9, then Space,
    // Delete, OK; up and down land on the cell nearest the one left.
    void Pick(char c) {
        int row = 5, column = 2;  // OK for anything else
        if (c >= 'A' && c <= 'Z') row = (c - 'A') / 13, column = (c - 'A') % 13;
        if (c >= 'a' && c <= 'z') row = 2 + (c - 'a') / 13, column = (c - 'a') % 13;
        for (; pickRow_ < row; ++pickRow_) Vertical(pickRow_ + 1, "dpdown");
        for (; pickRow_ > row; --pickRow_) Vertical(pickRow_ - 1, "dpup");
        for (; pickColumn_ < column; ++pickColumn_) Pad("dpright");
        for (; pickColumn_ > column; --pickColumn_) Pad("dpleft");
        Pad("a");
    }

private:
    void Vertical(int to, const std::string& button) {
        static constexpr std::array<int, 6> kWidths = {13, 13, 13, 13, 10, 3};
        const float centre = (static_cast<float>(pickColumn_) + 0.5f) /
                             static_cast<float>(kWidths[static_cast<size_t>(pickRow_)]);
        pickColumn_ =
            static_cast<int>(centre * static_cast<float>(kWidths[static_cast<size_t>(to)]));
        Pad(button);
    }
    int x_ = 4, y_ = 4;
    int pickRow_ = 0, pickColumn_ = 0;
};

int Cell(const StateJson& screen, int x, int y) {
    return screen["Board"][static_cast<size_t>(x)][static_cast<size_t>(y)].Int();
}

TEST(PadPlayTest, TheTutorialLevelIsPlayedByPadAloneAndSurvivesThePadComingAndGoing) {
    GameProcess game("pad-tutorial");
    PadScript p(game);
    p.State("no-pad");
    p.Pad("connect");
    p.Pad("a");
    p.To(5, 7);
    p.Pad("a");
    p.State("picked");
    p.To(5, 2);
    p.Pad("a");
    p.Wait(300);
    p.State("moved");
    p.Pad("a");
    p.Pad("a");
    p.To(4, 5);
    p.Pad("a");
    p.To(3, 2);
    p.Pad("a");
    p.Wait(400);
    p.Pad("x");
    p.State("vortex-armed");
    p.Pad("a");
    p.Wait(450);
    p.State("vortex-used");
    p.Pad("a");
    p.Wait(400);
    p.Pad("y");
    p.State("palette-armed");
    p.To(4, 3);
    p.Pad("a");
    p.Wait(500);
    p.State("palette-used");
    p.Pad("a");
    p.Wait(500);
    p.Pad("leftshoulder");
    p.State("bomb-armed");
    p.To(5, 5);
    p.Pad("a");
    p.Wait(300);
    p.State("bomb-used");
    for (int i = 0; i < 4; ++i) p.Pad("a");
    p.State("tutorial-over");
    // The stick held right walks the highlight and repeats; the pad pulled out meanwhile lets
    // go of it, and the highlight stays put until a pad plugged back in moves it.
    p.Axis("leftx", 32767);
    p.Wait(80);
    p.State("stick-held");
    p.Pad("disconnect");
    p.Wait(200);
    p.State("unplugged");
    p.Pad("connect");
    p.Pad("dpleft");
    p.State("plugged-back");
    // Start opens the in-game menu, B closes it again.
    p.Pad("start");
    p.Wait(100);
    p.State("menu");
    p.Pad("b");
    p.Wait(100);
    p.State("resumed");
    ASSERT_EQ(p.Run({"--ticks-per-frame", "2", "--seed", "4", "--level", "1", "--player", "Pad"}),
              0)
        << game.Stderr();

    EXPECT_EQ(p.Dump("no-pad")["Input"].Text(), "mouse");
    StateJson s = p.Screen("picked");
    EXPECT_EQ(p.Dump("picked")["Input"].Text(), "pad");
    EXPECT_EQ(s["KeySteering"].Int(), 1) << "the pad steers with the pointer hidden";
    EXPECT_EQ(s["KeyCell"].Ints(), (std::vector<int>{5, 7}));
    EXPECT_EQ(s["SelectedX"].Int(), 5);
    EXPECT_EQ(s["SelectedY"].Int(), 7);
    s = p.Screen("moved");
    EXPECT_EQ(Cell(s, 5, 2), 5);
    EXPECT_EQ(Cell(s, 5, 7), 0);
    EXPECT_EQ(p.Screen("vortex-armed")["Active"].Int(), 1) << "X arms the vortex";
    EXPECT_EQ(p.Screen("vortex-used")["TutStep"].Int(), 9);
    EXPECT_EQ(p.Screen("palette-armed")["Active"].Int(), 2) << "Y arms the palette";
    EXPECT_EQ(p.Screen("palette-used")["TutStep"].Int(), 13);
    EXPECT_EQ(p.Screen("bomb-armed")["Active"].Int(), 3) << "a shoulder arms the bomb";
    s = p.Screen("bomb-used");
    EXPECT_EQ(s["TutStep"].Int(), 17);
    EXPECT_EQ(Cell(s, 1, 5), 0);
    EXPECT_EQ(p.Screen("tutorial-over")["TutorialGame"].Int(), 0);

    const std::vector<int> held = p.Screen("stick-held")["KeyCell"].Ints();
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(held[0], 7) << "one step at once and one repeat after 400 ms";
    EXPECT_EQ(p.Screen("unplugged")["KeyCell"].Ints(), held) << "the unplugged stick let go";
    EXPECT_EQ(p.Screen("plugged-back")["KeyCell"].Ints(), (std::vector<int>{held[0] - 1, held[1]}));
    EXPECT_FALSE(p.Screen("menu")["GameMenu"].IsNull()) << "Start opens the in-game menu";
    s = p.Screen("resumed");
    EXPECT_TRUE(s["GameMenu"].IsNull());
    EXPECT_EQ(s["name"].Text(), "game");
}

TEST(PadPlayTest, AFirstRunIsPlayedByPadFromTheNameToTheOptions) {
    GameProcess game("pad-journey");
    PadScript p(game, "journey.txt");
    p.Pad("connect");
    p.Wait(250);
    p.Pad("a");  // the loading screen's button
    p.Wait(50);
    p.Screenshot("picker");
    p.State("prompt");
    for (const char c : std::string("Pam")) p.Pick(c);
    p.State("typed");
    p.Pick('\n');
    p.Wait(50);
    p.State("title");
    // Start pauses away from the board, and again carries on.
    p.Pad("start");
    p.State("paused");
    p.Pad("start");
    p.State("unpaused");
    p.Pad("dpdown");
    p.Pad("dpdown");
    p.State("play-lit");
    p.Pad("a");
    p.Wait(100);
    p.State("levels");
    p.Pad("dpright");
    p.State("level-lit");
    p.Pad("a");
    p.Wait(200);
    p.State("level");
    p.Pad("start");
    p.Wait(100);
    p.State("menu");
    p.Pad("dpdown");
    p.Pad("dpdown");
    p.State("options-lit");
    p.Pad("a");
    p.Wait(150);
    p.State("options");
    p.Pad("dpdown");
    p.State("slider-lit");
    p.Axis("leftx", -32767);
    p.Wait(150);
    p.Axis("leftx", 0);
    p.Screenshot("options");
    p.State("slider-moved");
    p.Pad("b");
    p.Wait(150);
    p.State("back");
    ASSERT_EQ(p.Run({"--ticks-per-frame", "2", "--seed", "3"}), 0) << game.Stderr();

    const StateJson prompt = p.Dump("prompt");
    EXPECT_EQ(prompt["dialogs"][size_t{0}]["caption"].Text(), "Please enter your name");
    EXPECT_EQ(p.Dump("typed")["dialogs"][size_t{0}]["text"].Text(), "Pam");
    const StateJson title = p.Dump("title");
    EXPECT_TRUE(title["dialogs"].IsNull());
    EXPECT_EQ(title["ProfileName"].Text(), "Pam");
    EXPECT_EQ(title["screen"]["name"].Text(), "title");

    EXPECT_EQ(p.Dump("paused")["Paused"].Int(), 1);
    EXPECT_EQ(p.Dump("unpaused")["Paused"].Int(), 0);
    EXPECT_EQ(p.Screen("play-lit")["Buttons"]["PLAYGAME"]["hover"].Int(), 1);
    EXPECT_EQ(p.Screen("levels")["name"].Text(), "levelselect");
    EXPECT_EQ(p.Screen("level-lit")["KeyLevel"].Int(), 1);
    EXPECT_EQ(p.Screen("level")["name"].Text(), "game");
    EXPECT_EQ(p.Screen("options-lit")["GameMenu"]["Buttons"]["OPTIONS"]["hover"].Int(), 1);
    StateJson s = p.Screen("options");
    EXPECT_EQ(s["name"].Text(), "options");
    EXPECT_EQ(s["Sliders"]["music"]["Value"].Int(), 50);
    EXPECT_EQ(p.Screen("slider-lit")["Sliders"]["KeyFocus"].Text(), "music");
    EXPECT_LT(p.Screen("slider-moved")["Sliders"]["music"]["Value"].Int(), 40)
        << "the held stick repeats";
    s = p.Screen("back");
    EXPECT_EQ(s["name"].Text(), "game") << "B went back to the level as it stood";
    EXPECT_FALSE(s["GameMenu"].IsNull());
    EXPECT_EQ(p.Dump("back")["Input"].Text(), "pad");
}

}  // namespace
