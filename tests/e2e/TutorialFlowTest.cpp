// A new player's first level 1 on the built game: the scripted tutorial clicked through step by
// step on the cells and tokens each step names, positions read from the state dumps; the texts
// shown, clicks elsewhere ignored, the flag cleared on disk at the last step and the level going
// on as a normal game. Leaving early, through the in-game menu or on the clock, keeps the
// tutorial for the next visit.

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GameProcess.h"
#include "ScriptJourney.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 300;
// A click on no cell, token or button.
constexpr int AwayX = 790, AwayY = 590;

struct StepText {
    std::array<const char*, 3> Lines;
    bool NextHint;
};

// What each step's box says, by step; steps 10, 14 and 21 show none.
const std::map<int, StepText> kTexts = {
    {0,
     {{"Fill the zindle machine by", "building lines of 5 or more", "zindles of like flavor."},
      true}},
    {1, {{"", "    Click on this zindle.", ""}, false}},
    {2, {{"", "  Now click on this space.", ""}, false}},
    {3, {{"Blackjacks are immovable.", "Repaint them or blow them", "up."}, true}},
    {4, {{"You can substitute rainbow", "zindles for any flavor of", "zindle in a line."}, true}},
    {5, {{"", "    Click on this zindle.", ""}, false}},
    {6, {{"", "  Now click on this space.", ""}, false}},
    {7, {{"  Vortex Power activated!", "", "Click on the green button."}, false}},
    {8, {{"Now click anywhere on the", "game board.", ""}, false}},
    {9, {{"It costs 4 zindles to use", "the Vortex Power.", ""}, true}},
    {11, {{"  Palette Power activated!", "", "Click on the green button."}, false}},
    {12, {{"", "Now click on this zindle.", ""}, false}},
    {13, {{"It costs 8 zindles to use", "the Palette Power.", ""}, true}},
    {15, {{"  Bomb Power activated!", "", "Click on the green button."}, false}},
    {16, {{"", "  Now click on this space.", ""}, false}},
    {17, {{"It costs 12 zindles to use", "the Bomb Power.", ""}, true}},
    {18,
     {{"Keep building lines and try", "to fill the zindle machine", "before your score runs out."},
      true}},
    {19,
     {{"Read the Menu/Help if you", "want more detailed info on", "how to play the game."}, true}},
    {20, {{"Click to end this tutorial", "and start playing the game.", ""}, true}},
};

// Where things are on the screen, as the play screen's state gives it.
struct Geometry {
    int Left = 0, Top = 0, Size = 0;
    std::array<std::array<int, 4>, 3> Tokens{};

    static Geometry From(const StateJson& screen) {
        Geometry g;
        g.Left = screen["Cells"]["Left"].Int();
        g.Top = screen["Cells"]["Top"].Int();
        g.Size = screen["Cells"]["Size"].Int();
        for (size_t i = 0; i < 3; ++i) {
            const std::vector<int> r = screen["TokenRects"][i].Ints();
            if (r.size() == 4) g.Tokens[i] = {r[0], r[1], r[2], r[3]};
        }
        return g;
    }
    std::array<int, 2> Cell(int x, int y) const {
        return {Left + Size * x + Size / 2, Top + Size * y + Size / 2};
    }
    // Token 0 is the vortex, 1 the palette, 2 the bomb.
    std::array<int, 2> Token(int token) const {
        const auto& r = Tokens[static_cast<size_t>(token)];
        return {(r[0] + r[2]) / 2, (r[1] + r[3]) / 2};
    }
};

// A script written as the run goes, with clicks on no cell, token or button.
class Journey : public ScriptJourney {
public:
    explicit Journey(GameProcess& game) : ScriptJourney(game, "journey.txt", kTimeout) {}

    void ClickAway() { Click({AwayX, AwayY}); }
};

std::vector<std::string> Start(const std::string& player) {
    return {"--ticks-per-frame", "2", "--seed", "4", "--level", "1", "--player", player};
}

// The screen's part of a dump.
StateJson ScreenOf(const StateJson& dump) {
    return dump["screen"];
}

// The game's own flags are the last three bytes of the profile: colorblind, FirstTime, Tutorial.
int TutorialFlagOnDisk(const GameProcess& game, const std::string& player) {
    const std::string bytes = ReadFile(game.Shared() / "profiles" / (player + ".dat"));
    return bytes.size() < 3 ? -1 : static_cast<unsigned char>(bytes.back());
}

void ExpectBox(const StateJson& screen, int step, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(screen["TutStep"].Int(), step);
    EXPECT_EQ(screen["TutorialGame"].Int(), 1);
    const StateJson& box = screen["TutBox"];
    const auto text = kTexts.find(step);
    ASSERT_NE(text, kTexts.end());
    EXPECT_EQ(box["Shown"].Int(), 1);
    const std::vector<std::string> lines = box["Lines"].Texts();
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(lines[i], text->second.Lines[i]) << "line " << i + 1;
    EXPECT_EQ(box["NextHint"].Text(), text->second.NextHint ? "- click for next -" : "");
}

void ExpectNoBox(const StateJson& screen, int step, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(screen["TutStep"].Int(), step);
    EXPECT_EQ(screen["TutBox"]["Shown"].Int(), 0);
    EXPECT_EQ(screen["TutBox"]["Lines"].Texts(), (std::vector<std::string>{"", "", ""}));
}

int Cell(const StateJson& screen, int x, int y) {
    return screen["Board"][static_cast<size_t>(x)][static_cast<size_t>(y)].Int();
}

// The first look at a new player's level 1: the tutorial's fixed board and where to click.
Geometry LookAtTheStart(const std::string& sandbox) {
    GameProcess look(sandbox);
    Journey journey(look);
    journey.State("start");
    EXPECT_EQ(journey.Run(Start("Newbie")), 0) << look.Stderr();
    const StateJson screen = ScreenOf(journey.Dump("start"));
    EXPECT_EQ(screen["name"].Text(), "game");
    ExpectBox(screen, 0, "start");
    EXPECT_EQ(screen["PiecesOnBoard"].Int(), 10);
    EXPECT_EQ(Cell(screen, 5, 7), 5);
    EXPECT_EQ(screen["Next3"].Ints(), (std::vector<int>{11, 5, 1}));
    EXPECT_EQ(screen["TutBox"]["X"].Int(), 236);
    EXPECT_EQ(screen["TutBox"]["Pointer"].Ints(), (std::vector<int>{189, 240, 1, 1}));
    return Geometry::From(screen);
}

TEST(TutorialFlowTest, ANewPlayersFirstLevelIsTheTutorialClickedThroughToANormalLevel) {
    const Geometry g = LookAtTheStart("tutorial-look");
    ASSERT_EQ(g.Size, 60);

    GameProcess game("tutorial");
    Journey j(game);
    j.State("s0");
    j.Click(g.Cell(5, 7));
    j.State("s0-cell");  // step 0 takes a click anywhere, a cell included
    j.Click(g.Cell(1, 2));
    j.ClickAway();
    j.State("s1-elsewhere");
    j.Click(g.Cell(5, 7));
    j.State("s2");
    j.Click(g.Cell(6, 2));
    j.Click(g.Cell(5, 6));
    j.State("s2-elsewhere");
    j.Click(g.Cell(5, 2));
    j.State("s3-moving");
    j.ClickAway();
    j.Wait(300);
    j.State("s3");
    j.ClickAway();
    j.State("s4");
    j.ClickAway();
    j.State("s5");
    j.Click(g.Cell(2, 2));
    j.State("s5-elsewhere");
    j.Click(g.Cell(4, 5));
    j.State("s6");
    j.Click(g.Cell(4, 4));
    j.State("s6-elsewhere");
    j.Click(g.Cell(3, 2));
    j.State("s7-filling");
    j.Wait(400);
    j.State("s7");
    j.Click(g.Cell(0, 0));
    j.State("s7-board");
    j.Click(g.Token(0));
    j.State("s8");
    j.Click(g.Cell(0, 0));
    j.State("s8-spinning");
    j.Wait(450);
    j.State("s9");
    j.ClickAway();
    j.State("s11-filling");
    j.Wait(400);
    j.State("s11");
    j.Click(g.Token(0));
    j.State("s11-vortex");
    j.Click(g.Token(1));
    j.State("s12");
    j.Click(g.Cell(4, 2));
    j.State("s12-elsewhere");
    j.Click(g.Cell(4, 3));
    j.State("s12-painting");
    j.Wait(500);
    j.State("s13");
    j.ClickAway();
    j.State("s15-filling");
    j.Wait(500);
    j.State("s15");
    j.Click(g.Token(1));
    j.State("s15-palette");
    j.Click(g.Token(2));
    j.State("s16");
    j.Click(g.Cell(1, 5));
    j.State("s16-elsewhere");
    j.Click(g.Cell(5, 5));
    j.Wait(300);
    j.State("s17");
    j.ClickAway();
    j.State("s18");
    j.ClickAway();
    j.State("s19");
    j.ClickAway();
    j.State("s20");
    j.ClickAway();
    j.State("end");
    // A normal level from here on: a piece is picked up and moved, and the deal lands anywhere.
    j.Click(g.Cell(4, 3));
    j.State("select");
    j.Click(g.Cell(4, 4));
    j.Wait(300);
    j.State("moved");
    ASSERT_EQ(j.Run(Start("Newbie")), 0) << game.Stderr();

    StateJson s = ScreenOf(j.Dump("s0"));
    ExpectBox(s, 0, "s0");
    EXPECT_EQ(s["LevelScore"].Int(), 1000);
    EXPECT_EQ(j.Dump("s0")["Player"]["SaveData"]["Tutorial"].Int(), 1);
    ExpectBox(ScreenOf(j.Dump("s0-cell")), 1, "s0-cell");
    s = ScreenOf(j.Dump("s1-elsewhere"));
    ExpectBox(s, 1, "s1-elsewhere");
    EXPECT_EQ(s["SelectedValue"].Int(), 0) << "pieces cannot be picked freely";

    s = ScreenOf(j.Dump("s2"));
    ExpectBox(s, 2, "s2");
    EXPECT_EQ(s["SelectedX"].Int(), 5);
    EXPECT_EQ(s["SelectedY"].Int(), 7);
    s = ScreenOf(j.Dump("s2-elsewhere"));
    ExpectBox(s, 2, "s2-elsewhere");
    EXPECT_EQ(Cell(s, 6, 2), 0);
    EXPECT_EQ(s["PieceMoving"].Int(), 0);

    s = ScreenOf(j.Dump("s3-moving"));
    ExpectNoBox(s, 3, "s3-moving");
    EXPECT_EQ(s["PieceMoving"].Int(), 1);
    s = ScreenOf(j.Dump("s3"));
    ExpectBox(s, 3, "s3: the click during the move was no click for step 3");
    EXPECT_EQ(Cell(s, 5, 2), 5);
    EXPECT_EQ(Cell(s, 4, 5), 11);
    EXPECT_EQ(Cell(s, 2, 2), 5);
    EXPECT_EQ(Cell(s, 0, 1), 1);
    EXPECT_EQ(s["Next3"].Ints(), (std::vector<int>{3, 2, 4}));
    ExpectBox(ScreenOf(j.Dump("s4")), 4, "s4");
    EXPECT_EQ(ScreenOf(j.Dump("s4"))["TutBox"]["Pointer"].Ints(),
              (std::vector<int>{483, 383, -1, 1}));
    ExpectBox(ScreenOf(j.Dump("s5")), 5, "s5");
    ExpectBox(ScreenOf(j.Dump("s5-elsewhere")), 5, "s5-elsewhere");
    ExpectBox(ScreenOf(j.Dump("s6")), 6, "s6");
    s = ScreenOf(j.Dump("s6-elsewhere"));
    ExpectBox(s, 6, "s6-elsewhere");
    EXPECT_EQ(Cell(s, 4, 5), 11) << "the rainbow stays until its own cell is clicked";

    ExpectNoBox(ScreenOf(j.Dump("s7-filling")), 7, "s7-filling");
    s = ScreenOf(j.Dump("s7"));
    ExpectBox(s, 7, "s7");
    EXPECT_EQ(s["MachineFill"].Number(), 35);
    EXPECT_EQ(s["VOFF"].Int(), 1);
    EXPECT_EQ(Cell(s, 3, 2), 0) << "the line of five went";
    ExpectBox(ScreenOf(j.Dump("s7-board")), 7, "s7-board");
    s = ScreenOf(j.Dump("s8"));
    ExpectBox(s, 8, "s8");
    EXPECT_EQ(s["VOFF"].Int(), 2);
    s = ScreenOf(j.Dump("s8-spinning"));
    ExpectNoBox(s, 8, "s8-spinning");
    EXPECT_EQ(s["TutVortex"].Int(), 1);
    s = ScreenOf(j.Dump("s9"));
    ExpectBox(s, 9, "s9");
    EXPECT_EQ(s["PiecesOnBoard"].Int(), 8);
    EXPECT_EQ(Cell(s, 1, 5), 1);
    EXPECT_EQ(Cell(s, 4, 3), 3);

    ExpectNoBox(ScreenOf(j.Dump("s11-filling")), 11, "s11-filling");
    s = ScreenOf(j.Dump("s11"));
    ExpectBox(s, 11, "s11");
    EXPECT_EQ(s["POFF"].Int(), 1);
    s = ScreenOf(j.Dump("s11-vortex"));
    ExpectBox(s, 11, "s11-vortex");
    EXPECT_EQ(s["Active"].Int(), 0) << "the vortex lesson is over";
    ExpectBox(ScreenOf(j.Dump("s12")), 12, "s12");
    s = ScreenOf(j.Dump("s12-elsewhere"));
    ExpectBox(s, 12, "s12-elsewhere");
    EXPECT_EQ(Cell(s, 5, 3), 2) << "the palette took no other cell";
    s = ScreenOf(j.Dump("s12-painting"));
    ExpectNoBox(s, 12, "s12-painting");
    EXPECT_EQ(s["TutPalette"].Int(), 1);
    s = ScreenOf(j.Dump("s13"));
    ExpectBox(s, 13, "s13");
    EXPECT_EQ(Cell(s, 5, 3), 3);
    EXPECT_EQ(Cell(s, 3, 4), 3);
    EXPECT_EQ(Cell(s, 4, 2), 3);

    ExpectNoBox(ScreenOf(j.Dump("s15-filling")), 15, "s15-filling");
    s = ScreenOf(j.Dump("s15"));
    ExpectBox(s, 15, "s15");
    EXPECT_EQ(s["BOFF"].Int(), 1);
    s = ScreenOf(j.Dump("s15-palette"));
    ExpectBox(s, 15, "s15-palette");
    EXPECT_EQ(s["Active"].Int(), 0) << "the palette lesson is over";
    ExpectBox(ScreenOf(j.Dump("s16")), 16, "s16");
    s = ScreenOf(j.Dump("s16-elsewhere"));
    ExpectBox(s, 16, "s16-elsewhere");
    EXPECT_EQ(Cell(s, 1, 5), 1);
    s = ScreenOf(j.Dump("s17"));
    ExpectBox(s, 17, "s17");
    EXPECT_EQ(Cell(s, 1, 5), 0) << "the bomb took the blackjack";
    EXPECT_LT(s["LevelScore"].Int(), 1000) << "the clock ran through the tutorial";
    ExpectBox(ScreenOf(j.Dump("s18")), 18, "s18");
    ExpectBox(ScreenOf(j.Dump("s19")), 19, "s19");
    s = ScreenOf(j.Dump("s20"));
    ExpectBox(s, 20, "s20");
    EXPECT_TRUE(s["TutBox"]["Pointer"].Ints().empty());

    const StateJson end = j.Dump("end");
    s = ScreenOf(end);
    EXPECT_EQ(s["TutorialGame"].Int(), 0);
    EXPECT_EQ(s["TutStep"].Int(), 0);
    EXPECT_EQ(s["TutBox"]["Shown"].Int(), 0);
    EXPECT_EQ(s["MachineFill"].Number(), 0);
    EXPECT_EQ(s["PendingFill"].Number(), 0);
    EXPECT_EQ(s["PendingDrain"].Number(), 0);
    EXPECT_EQ(s["LevelScore"].Int(), 1000);
    EXPECT_EQ(end["Player"]["SaveData"]["Tutorial"].Int(), 0);
    EXPECT_EQ(TutorialFlagOnDisk(game, "Newbie"), 0);

    s = ScreenOf(j.Dump("select"));
    EXPECT_EQ(s["SelectedValue"].Int(), 3);
    s = ScreenOf(j.Dump("moved"));
    EXPECT_EQ(Cell(s, 4, 4), 3);
    EXPECT_EQ(s["PiecesOnBoard"].Int(), 9) << "a dry move deals three";
    EXPECT_EQ(s["Level"].Int(), 1);
    EXPECT_EQ(s["TutorialGame"].Int(), 0);
}

TEST(TutorialFlowTest, LeavingThroughTheMenuKeepsTheTutorialForTheNextVisit) {
    const Geometry g = LookAtTheStart("tutorial-leave-look");

    // Where the in-game menu's buttons are once it is open.
    GameProcess look("tutorial-menu-look");
    Journey peek(look);
    peek.Key("Escape");
    peek.Wait(100);
    peek.State("menu");
    ASSERT_EQ(peek.Run(Start("Quitter")), 0) << look.Stderr();
    const std::vector<int> button =
        ScreenOf(peek.Dump("menu"))["GameMenu"]["Buttons"]["SAVEANDEXIT"]["rect"].Ints();
    ASSERT_EQ(button.size(), 4u) << ReadFile(look.Sandbox() / "menu.json");
    // And where the title's button to play is.
    GameProcess titleLook("tutorial-title-look");
    Journey titlePeek(titleLook);
    titlePeek.State("title");
    ASSERT_EQ(titlePeek.Run({"--ticks-per-frame", "2", "--screen", "title", "--player", "Quitter"}),
              0)
        << titleLook.Stderr();
    const std::vector<int> play =
        ScreenOf(titlePeek.Dump("title"))["Buttons"]["PLAYGAME"]["rect"].Ints();
    ASSERT_EQ(play.size(), 4u) << ReadFile(titleLook.Sandbox() / "title.json");

    GameProcess game("tutorial-leave");
    Journey j(game);
    j.ClickAway();
    j.Click(g.Cell(5, 7));
    j.Click(g.Cell(5, 2));
    j.Wait(300);
    j.ClickAway();
    j.State("step4");
    j.Key("Escape");
    j.Wait(100);
    j.Click({button[0] + button[2] / 2, button[1] + button[3] / 2});
    j.Wait(50);
    j.State("title");
    j.Click({play[0] + play[2] / 2, play[1] + play[3] / 2});
    j.Wait(50);
    j.Key("Space");  // the level select's way to the highest open level
    j.Wait(50);
    j.State("again");
    ASSERT_EQ(j.Run(Start("Quitter")), 0) << game.Stderr();

    EXPECT_EQ(ScreenOf(j.Dump("step4"))["TutStep"].Int(), 4);
    const StateJson title = j.Dump("title");
    EXPECT_EQ(ScreenOf(title)["name"].Text(), "title");
    EXPECT_EQ(title["Player"]["SaveData"]["Tutorial"].Int(), 1);
    const StateJson screen = ScreenOf(j.Dump("again"));
    EXPECT_EQ(screen["name"].Text(), "game");
    EXPECT_EQ(screen["Level"].Int(), 1);
    ExpectBox(screen, 0, "back on level 1");
    EXPECT_EQ(screen["PiecesOnBoard"].Int(), 10);
    EXPECT_EQ(Cell(screen, 5, 7), 5) << "the scripted board afresh";
    EXPECT_EQ(TutorialFlagOnDisk(game, "Quitter"), 1);
}

TEST(TutorialFlowTest, ATutorialLostOnTheClockRunsAgainFromTheStart) {
    GameProcess game("tutorial-lost");
    // 1000 s of level clock is 200000 steps; the emptying machine then hands over.
    const fs::path end = game.Sandbox() / "end.json";
    const fs::path again = game.Sandbox() / "again.json";
    const auto lose =
        game.WriteScript("lose.txt", "205000 state " + end.string() + "\n205500 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1000", "--seed", "4", "--player", "Slow", "--level",
                        "1", "--script", lose.string()},
                       kTimeout),
              0)
        << game.Stderr();
    const StateJson lost = StateJson::Parse(ReadFile(end));
    EXPECT_EQ(ScreenOf(lost)["name"].Text(), "gameover");
    EXPECT_EQ(lost["Player"]["SaveData"]["Tutorial"].Int(), 1);
    EXPECT_EQ(TutorialFlagOnDisk(game, "Slow"), 1);

    const auto look = game.WriteScript("again.txt", "5 state " + again.string() + "\n6 quit\n");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--seed", "4", "--player", "Slow", "--level", "1",
                        "--script", look.string()},
                       kTimeout),
              0)
        << game.Stderr();
    ExpectBox(ScreenOf(StateJson::Parse(ReadFile(again))), 0, "after the loss");
}

}  // namespace
