// The main loop: step splitting, screen switching at the end of a fade, pause, Escape, close
// requests and focus loss.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <vector>

#include "host/TGame.h"
#include "media/Media.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "system/InputHelpers.h"

namespace {

struct RecordingScreen : TScreen {
    std::vector<float> Deltas;
    int Loads = 0, Starts = 0, Kills = 0, Draws = 0;
    void Load() override { ++Loads; }
    void Start() override {
        ++Starts;
        TScreen::Start();
    }
    void Kill() override {
        ++Kills;
        TScreen::Kill();
    }
    void Logic() override { Deltas.push_back(PresentationContext().Delta); }
    void Draw() override { ++Draws; }
};

struct MainLoopTest : ::testing::Test {
    static void SetUpTestSuite() { ASSERT_TRUE(media::Init({true})); }
    static void TearDownTestSuite() { media::Shutdown(); }

    TGame game;
    RecordingScreen first, second;
    int now = 1000;

    void SetUp() override {
        while (media::NextEvent().kind != media::EventKind::None) {
        }
        UseHostInput();
        game.Presentation.Fade = 1;
        game.FixedRateLogic.Clock = [this] { return now; };
        game.FixedRateLogic.Create();
        game.FixedRateLogic.Init();
        first.name = "first";
        second.name = "second";
        first.Start();
    }
    int Step() { return game.LogicWrapper(); }
    void SwitchTo(TScreen& screen) { game.FadeToScreen(&screen); }
};

TEST_F(MainLoopTest, AFrameOfTwelveAndAHalfMillisecondsRunsTwoWholeStepsAndAHalf) {
    game.VSync = 0;
    for (int i = 0; i < 5; ++i) {
        now += 10;
        game.FixedRateLogic.Calc();
    }
    now += 12;
    game.FixedRateLogic.Calc();
    first.Deltas.clear();
    now += 13;  // the history now averages 12.5 ms
    EXPECT_EQ(game.MainLogicLoop(), 1);
    EXPECT_EQ(first.Deltas, (std::vector<float>{1.0f, 1.0f, 0.5f}));
}

TEST_F(MainLoopTest, ScreensChangeWhenTheFadeOutEnds) {
    SwitchTo(second);
    Step();
    EXPECT_EQ(game.CurrentTScreen, &second);
    EXPECT_EQ(game.LastTScreen, &first);
    EXPECT_EQ(first.Kills, 1);
    EXPECT_EQ((std::vector<int>{second.Loads, second.Starts}), (std::vector<int>{1, 1}));

    // An excursion: the screen left behind is neither killed nor loaded again, and when it
    // comes back only its CoreStart runs.
    game.VisitScreen(&first, &second);
    Step();
    EXPECT_EQ(game.CurrentTScreen, &first);
    EXPECT_EQ(second.Kills, 0);
    EXPECT_EQ(first.Destination, &second);
    SwitchTo(*first.Destination);
    Step();
    EXPECT_EQ(game.CurrentTScreen, &second);
    EXPECT_EQ((std::vector<int>{second.Loads, second.Starts}), (std::vector<int>{1, 1}))
        << "StopInit skips Load and Start";
    EXPECT_FALSE(second.StopKill || second.StopInit) << "back home, the marks are cleared";
    SwitchTo(first);
    Step();
    EXPECT_EQ(second.Kills, 1) << "a plain departure drops the screen again";
}

TEST_F(MainLoopTest, SwitchingToTheExitScreenEndsTheLoop) {
    SwitchTo(*game.ExitScreen);
    Step();
    EXPECT_EQ(game.InstantExit, 1);
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, PauseStopsLogicButNotDrawingAndAClickResumes) {
    media::PushKey('P', true);
    media::PushKey('P', false);
    first.Deltas.clear();
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(game.Paused, 1);
    Step();
    EXPECT_TRUE(first.Deltas.empty());
    game.ScreenDraw();
    EXPECT_EQ(first.Draws, 1);

    media::PushMouseButton(1, true, 10, 10);
    media::PushMouseButton(1, false, 10, 10);
    Step();
    EXPECT_EQ(game.Paused, 0);
}

TEST_F(MainLoopTest, EscapeFinishesAFadeInOrUnpausesBeforeLeavingTheScreen) {
    game.GameFade->Init(1000, 0, nullptr, 1, 0);
    media::PushKey(27, true);
    Step();
    EXPECT_FALSE(game.GameFade->Active);
    EXPECT_TRUE(game.GameFade->FadeInAborted);
    EXPECT_FLOAT_EQ(game.GameFade->Ratio, 1.0f);

    game.Paused = 1;
    media::PushKey(27, false);
    media::PushKey(27, true);
    Step();
    EXPECT_EQ(game.Paused, 0);
    EXPECT_EQ(game.CurrentTScreen, &first);

    media::PushKey(27, false);
    media::PushKey(27, true);
    Step();
    EXPECT_EQ(game.DestinationTScreen, game.ExitScreen.get());
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, AZeroLengthFadeCompletesOnItsFirstStep) {
    game.GameFade->Init(0, 0, nullptr, 1, 0);
    EXPECT_EQ(game.GameFade->Manage(), 1);
    EXPECT_FLOAT_EQ(game.GameFade->Ratio, 1.0f);
    EXPECT_EQ(game.GameFade->GetDone(), 1);
    EXPECT_EQ(game.GameFade->GetDone(), 0);
}

TEST_F(MainLoopTest, ACloseRequestInThePlayScreenSavesTheProfileFirst) {
    int saves = 0;
    game.SaveProfileFunction = [&saves] { ++saves; };
    first.name = "game";
    media::PushQuit();
    Step();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(game.DestinationTScreen, game.ExitScreen.get());
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, AVetoedCloseRequestIsIgnored) {
    game.TerminatedUserFunction = [] { return 1; };
    media::PushQuit();
    EXPECT_EQ(Step(), 1);
    EXPECT_EQ(game.InstantExit, 0);
    EXPECT_EQ(game.TerminatedEvent, 0);
}

TEST_F(MainLoopTest, LosingFocusSilencesMusicAndSpeechAndRestoresEachSwitch) {
    game.Music = 1;
    game.MusicRestart = 0;
    game.Speech = 0;
    game.SuspendedEvent = 1;
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(game.Suspended, 1);
    EXPECT_EQ(game.Music, 0);
    EXPECT_EQ(game.PausedMusicState, 1);
    EXPECT_EQ(game.PausedSpeechState, 0);

    game.SuspendedEvent = 0;
    Step();
    EXPECT_EQ(game.Suspended, 0);
    EXPECT_EQ(game.Music, 1);
    EXPECT_EQ(game.Speech, 0);
}

TEST_F(MainLoopTest, PauseAndTheBackgroundGiveUpARaisedPriority) {
    struct NormalAgain {
        ~NormalAgain() { SetProcessAndThreadPriority(0, 0); }
    } normalAgain;
    game.FullScreen = 0;
    game.WindowedProcess = 2;
    game.SetPriority();
    if (getpriority(PRIO_PROCESS, 0) != -10) GTEST_SKIP() << "raising the priority needs rights";

    game.Pause();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), 0);
    game.UnPause();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), -10);

    game.SuspendedEvent = 1;
    Step();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), 0);
    game.SuspendedEvent = 0;
    Step();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), -10);
}

TEST_F(MainLoopTest, NoDrawSkipsOneFrame) {
    game.NoDraw = 1;
    game.ScreenDraw();
    EXPECT_EQ(first.Draws, 0);
    EXPECT_EQ(game.NoDraw, 0);
    game.ScreenDraw();
    EXPECT_EQ(first.Draws, 1);
}

TEST_F(MainLoopTest, AScreenWithoutADestinationIsAProgrammingError) {
    game.DestinationTScreen = nullptr;
    game.GameFade->Init(0, 1, nullptr, 1, 0);
    EXPECT_EXIT(Step(), ::testing::ExitedWithCode(1), "does not have a destination screen set");
}

}  // namespace

namespace {

TEST_F(MainLoopTest, ACloseRequestDuringAFadeStillEndsTheGame) {
    game.GameFade->Init(2000, 0, nullptr, 1, 0);
    media::PushQuit();
    Step();
    EXPECT_EQ(game.DestinationTScreen, game.ExitScreen.get());
    EXPECT_EQ(Step(), -1);
}

}  // namespace

namespace {

TEST_F(MainLoopTest, ACloseRequestWhilePausedEndsTheGameAtOnce) {
    game.Paused = 1;
    media::PushQuit();
    EXPECT_EQ(Step(), -1);
    EXPECT_EQ(game.InstantExit, 1);
}

}  // namespace
