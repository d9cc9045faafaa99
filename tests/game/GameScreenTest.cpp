// The play screen driven pass by pass with clicks on the real screen: moves and deals, the
// effects of removed lines, the powers at work and paid for, the end of a level in both
// directions, the in-game menu's freeze and the state dump.

#include <filesystem>
#include <string>

#include "ScreenFixture.h"
#include "host/JsonObject.h"

namespace game_screen_test {
namespace {

using GameScreenTest = ScreenFixture;

size_t Count(const TParticleList& list) {
    return list.Count();
}

TEST_F(GameScreenTest, AMoveCarriesThePieceLeavesATrailAndADryMoveDealsThreePieces) {
    StartLevel(3, {"2........", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    const auto next = L().Preview.Next3;

    ClickCell(0, 0);
    EXPECT_EQ(L().Play.Selection.SelectedValue, 2);
    EXPECT_FLOAT_EQ(Screen->PathGlow.Glow.Counter, 0.7f) << "the glow restarts on a new pick";
    ClickCell(3, 0);
    EXPECT_TRUE(L().Play.Selection.PieceMoving);
    EXPECT_EQ(Board().Board[0][0], EMPTY) << "the piece travels on the mover";
    ASSERT_TRUE(RunUntil([&] { return !L().Play.Selection.PieceMoving; }));
    EXPECT_EQ(Board().Board[3][0], 2);
    EXPECT_EQ(Count(SharedResources->TrailParticles), 3u) << "one trail particle per cell left";

    // The dry move sent the preview into the air; the cells wait reserved until it lands.
    EXPECT_LT(L().Preview.NextScale, 1.0f);
    EXPECT_EQ(L().Preview.Last3, next);
    EXPECT_EQ(Board().PiecesOnBoard, 5);
    ASSERT_TRUE(RunUntil([&] { return !L().Preview.InFlight(); }));
    int dealt = 0;
    for (int i = 0; i < 3; ++i) {
        const auto& cell = Board().DealCells[i];
        EXPECT_EQ(Board().Board[cell[0]][cell[1]], next[i]);
        ++dealt;
    }
    EXPECT_EQ(dealt, 3);
    EXPECT_EQ(Board().CountOccupiedCells(), 5);
}

TEST_F(GameScreenTest, ARemovedLineShowsPopupsRingsAndOneBurstAndFillsTheMachinePixelByPixel) {
    // The default particle amount: only the decoration is thinned out.
    Host->Presentation.Particles = 80;
    StartLevel(1, {"2222.....", ".........", ".........", ".........", "....2....", ".........",
                   ".........", ".........", "........3"});
    Screen->Level->Lines.LineStreak = 1;  // a line just before: this one earns a streak bonus
    Effects().Clear();
    ClickCell(4, 4);
    ClickCell(4, 0);
    ASSERT_TRUE(RunUntil([&] { return !L().Play.Selection.PieceMoving; }));
    Pass();

    EXPECT_EQ(Board().PiecesOnBoard, 1);
    EXPECT_EQ(Count(SharedResources->ScoreParticles), 2u) << "the count popup and the streak popup";
    EXPECT_EQ(Count(SharedResources->RingParticles), 5u) << "one ring per removed cell";
    EXPECT_EQ(Count(SharedResources->BurstParticles), 96u)
        << "one burst however many pieces went, thinned";
    EXPECT_EQ(Machine().LevelScore, 1000) << "the bonus is capped at 1000";
    EXPECT_FALSE(L().Preview.InFlight()) << "a move that removes a line deals nothing";

    // 5 pieces at 7 pixels each, one pixel per 20 ms.
    const float before = Machine().MachineFill;
    Passes(40);
    EXPECT_NEAR(Machine().MachineFill - before, 10, 1);
    ASSERT_TRUE(RunUntil([&] { return Machine().PendingFill == 0; }));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 35);
}

TEST_F(GameScreenTest, TheBombExplodesAlongItsCrossClearsItAndIsPaidWithEightDrainPieces) {
    StartLevel(1, {"2.3.4....", ".........", "5.6.#....", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    Machine().MachineFill = 100;
    Pass();
    EXPECT_EQ(L().Powers.BOFF, 1) << "84 pixels are affordable";
    Pass(true, 169, 88);
    ASSERT_EQ(L().Powers.Active, PowerBomb);
    Passes(10);
    EXPECT_NEAR(Screen->Tokens.Angle, 8.8, 0.01) << "the sparkle turns while armed";

    ClickCell(2, 2);
    EXPECT_TRUE(L().Bomb.doExplosion);
    ASSERT_TRUE(RunUntil([&] { return L().Bomb.nExplosions >= 3; }));
    EXPECT_EQ(L().Bomb.ExplosionMap[2][8], L().Bomb.ExplosionMap[8][2]);
    EXPECT_EQ(L().Bomb.ExplosionMap[0][0], -1);
    Screen->Draw();

    Effects().Clear();
    ASSERT_TRUE(RunUntil([&] { return !L().Bomb.BombAnim.Active; }));
    EXPECT_EQ(Count(SharedResources->DrainParticles), 8u);
    EXPECT_EQ(Board().Board[2][0], EMPTY);
    EXPECT_EQ(Board().Board[4][2], EMPTY) << "the blackjack goes with the row";
    EXPECT_EQ(Board().Board[4][0], 4);
    ASSERT_TRUE(RunUntil([&] { return Machine().PendingDrain == 0; }));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 16);
    EXPECT_EQ(L().Powers.BOFF, 0) << "the drain re-rates the tokens";
}

TEST_F(GameScreenTest, ThePaletteBrushCirclesAndRepaintsAndTheVortexSweepsThenPays) {
    StartLevel(1, {".........", ".3#......", ".54......", ".........", ".........", ".........",
                   ".........", ".........", "........2"});
    Machine().MachineFill = 120;
    Pass();
    Pass(true, 114, 65);
    ASSERT_EQ(L().Powers.Active, PowerPalette);
    ClickCell(0, 0);
    EXPECT_FALSE(L().Palette.BrushAnim.Active) << "an empty cell is refused";
    ClickCell(1, 2);
    ASSERT_TRUE(L().Palette.BrushAnim.Active);
    ASSERT_TRUE(RunUntil([&] { return L().Palette.DoPaint; }));
    Screen->Draw();
    Effects().Clear();
    ASSERT_TRUE(RunUntil([&] { return L().Powers.Active == 0; }));
    EXPECT_EQ(Board().Board[2][2], 5);
    EXPECT_EQ(Board().Board[2][1], 5) << "the blackjack takes the colour";
    EXPECT_EQ(Board().Board[1][1], 5);
    EXPECT_EQ(Count(SharedResources->DrainParticles), 6u);
    ASSERT_TRUE(RunUntil([&] { return Machine().PendingDrain == 0; }));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 64);

    Pass();
    Pass(true, 59, 88);
    ASSERT_EQ(L().Powers.Active, PowerVortex);
    ClickCell(7, 7);
    ASSERT_TRUE(L().Vortex.VortexAnim.Active);
    Effects().Clear();
    ASSERT_TRUE(RunUntil([&] { return !L().Vortex.VortexAnim.Active; }));
    EXPECT_EQ(Count(SharedResources->DrainParticles), 4u);
    EXPECT_EQ(Board().CountOccupiedCells(), Board().PiecesOnBoard) << "a shuffle keeps every piece";
    ASSERT_TRUE(RunUntil([&] { return Machine().PendingDrain == 0; }));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 36);
}

TEST_F(GameScreenTest, AFullMachineBooksTheLevelCelebratesAndHandsOverOnce) {
    StartLevel(2);
    Screen->Player.Name = "Ann";
    Screen->Player.Score = 500;
    Machine().MachineFill = 146;
    Machine().PendingFill = 12;
    ASSERT_TRUE(RunUntil([&] { return Machine().Full(); }));
    const int levelScore = Machine().LevelScore;
    Passes(10);
    EXPECT_FALSE(L().LevelTime) << "the end delay of 700 ms comes first";
    ASSERT_TRUE(RunUntil([&] { return L().LevelTime; }));
    EXPECT_EQ(Screen->Player.Score, 500 + levelScore);
    EXPECT_GT(Screen->Player.TotalTimeTaken, 0);
    EXPECT_TRUE(std::filesystem::exists(Shared / "stats.dat"));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 147) << "fill beyond the top is dropped";

    EXPECT_FALSE(Machine().FanfarePending) << "the fanfare plays on the first celebration pass";
    EXPECT_LT(Host->Presentation.MusicVolume, 50) << "the music plays quieter under the fanfare";
    EXPECT_EQ(Host->Audio.Volume(TBus::Music), 50) << "what the settings file and the options keep";
    Screen->Draw();
    ASSERT_TRUE(RunUntil([&] { return Host->Screens.Destination() == &LevelComplete; }, 600));
    EXPECT_FLOAT_EQ(Screen->Full.WellDoneY, TFull::WellDoneRestY);
    EXPECT_EQ(Host->Presentation.MusicVolume, 50) << "the music is back at its own volume";
    // Another destination asked for meanwhile stays: nothing hands over to the first again.
    Host->Screens.FadeTo(&GameOver);
    Passes(900);
    EXPECT_EQ(Host->Screens.Destination(), &GameOver) << "the celebration hands over only once";
}

TEST_F(GameScreenTest, AFullBoardEmptiesTheMachineAndHandsOverToGameOverOnce) {
    std::vector<std::string> rows(9, "");
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) rows[y] += static_cast<char>('2' + (x + 2 * y) % 5);
    }
    StartLevel(4, rows);
    Screen->Player.TotalTimeTaken = 1000;
    Machine().MachineFill = 35;
    Pass();
    EXPECT_TRUE(Machine().MachineEmptying);
    EXPECT_EQ(Screen->Player.TotalTimeTaken, 1001) << "the lost level's time still counts";
    ASSERT_TRUE(RunUntil([&] { return Host->Screens.Destination() == &GameOver; }));
    EXPECT_FLOAT_EQ(Machine().MachineFill, 0);
    Host->Screens.FadeTo(&LevelComplete);
    Passes(400);
    EXPECT_EQ(Host->Screens.Destination(), &LevelComplete) << "it hands over only once";
}

TEST_F(GameScreenTest, WhileTheMenuIsOpenOnlyTheDealAndTheParticlesRun) {
    StartLevel(5, {"2........", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    bool open = false;
    Screen->GameMenuOpen = [&] { return open; };
    ClickCell(8, 8);
    ClickCell(8, 7);
    ASSERT_TRUE(RunUntil([&] { return L().Preview.InFlight(); }));
    open = true;
    const float time = Machine().TimeTaken;
    const int score = Machine().LevelScore;
    Passes(300);
    EXPECT_FLOAT_EQ(Machine().TimeTaken, time);
    EXPECT_EQ(Machine().LevelScore, score);
    EXPECT_FALSE(L().Preview.InFlight()) << "the deal lands behind the menu";
    ClickCell(0, 0);
    EXPECT_EQ(L().Play.Selection.SelectedValue, 0) << "clicks belong to the menu";

    open = false;
    int shown = 0;
    Screen->ShowGameMenu = [&](int playSound) { shown += playSound; };
    Pass(false, 100, 550);
    Pass(true, 100, 550);
    EXPECT_EQ(shown, 1) << "the menu button opens the menu with its sound";
}

// The main loop sleeps until the step the screen names: a step early shows nothing new, one
// late shows the fizz or the clock late.
TEST_F(GameScreenTest, AtRestTheScreenNamesTheStepOfItsNextFizzOrPointAndNothingWithAPieceUp) {
    StartLevel(5, {"2........", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    ASSERT_TRUE(RunUntil([&] { return Screen->StepsUntilCalmChange() > 0; }));
    // A frame's last pass may be part of a step: the counters need not be whole.
    Machine().SecCounter -= 0.5f;
    Effects().SurfaceUnmoved += 0.5f;
    int ticks = 0;
    for (int cycle = 0; cycle < 40; ++cycle) {
        const int due = Screen->StepsUntilCalmChange();
        ASSERT_GT(due, 0) << "cycle " << cycle;
        const int score = Machine().LevelScore;
        for (int step = 1; step <= due; ++step) {
            Pass();
            const bool moved = Effects().SurfaceUnmoved == 0 || Machine().LevelScore != score;
            ASSERT_EQ(moved, step == due) << "cycle " << cycle << ", step " << step;
        }
        ticks += Machine().LevelScore != score;
    }
    EXPECT_GE(ticks, 2) << "the clock's points came due among the fizz's moves";

    ClickCell(0, 0);
    EXPECT_EQ(Screen->StepsUntilCalmChange(), 0) << "a picked-up piece moves every step";
    ClickCell(4, 0);
    ASSERT_TRUE(L().Play.Selection.PieceMoving);
    EXPECT_EQ(Screen->StepsUntilCalmChange(), 0) << "and so does one on its way";
}

TEST_F(GameScreenTest, ANewLevelStartsCleanAfterALevelLeftEarly) {
    StartLevel(6, {"2........", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........3"});
    ClickCell(0, 0);
    ClickCell(8, 0);
    Machine().PendingFill = 30;
    Machine().PendingDrain = 5;
    Pass();
    ASSERT_TRUE(L().Play.Selection.PieceMoving);
    Screen->Kill();
    Screen->Player.Level = 7;
    Screen->Load();
    Screen->Start();
    EXPECT_EQ(L().Play.Level, 7);
    EXPECT_FALSE(L().Play.Selection.PieceMoving);
    EXPECT_EQ(L().Play.Selection.SelectedValue, 0);
    EXPECT_EQ(Machine().PendingFill, 0);
    EXPECT_EQ(Machine().PendingDrain, 0);
    EXPECT_EQ(Machine().LevelScore, 1000);
    EXPECT_EQ(Board().PiecesOnBoard, 6);
    EXPECT_EQ(Count(SharedResources->TrailParticles), 0u);
    EXPECT_EQ(Screen->Player.TimeTaken, 0);
}

TEST_F(GameScreenTest, TheStateDumpHoldsTheBoardByColumnAndEveryPlayField) {
    StartLevel(2, {"2.......7", ".........", ".........", ".........", ".........", ".........",
                   ".........", ".........", "3........"});
    JsonObject state;
    Screen->AddState(state);
    const std::string json = state.Text();
    EXPECT_NE(json.find("[[2,0,0,0,0,0,0,0,3],"), std::string::npos) << json;
    EXPECT_NE(json.find(",[7,0,0,0,0,0,0,0,0]]"), std::string::npos) << json;
    for (const char* key :
         {"Level",      "PiecesOnBoard", "MachineFill",   "PendingFill", "PendingDrain",
          "LevelScore", "LineStreak",    "Next3",         "Last3",       "NextScale",
          "SelectedX",  "SelectedY",     "SelectedValue", "PieceMoving", "DealtToCheck",
          "VOFF",       "POFF",          "BOFF",          "Active",      "MachineEmptying",
          "TimeTaken",  "TutorialGame",  "TutStep",       "TutVortex",   "TutPalette",
          "TutBomb",    "TutBox",        "Cells",         "TokenRects",  "Buttons"}) {
        EXPECT_NE(json.find("\"" + std::string(key) + "\":"), std::string::npos) << key;
    }
}

}  // namespace
}  // namespace game_screen_test
