// The main loop: step splitting, screen switching at the end of a fade, pause, Escape, close
// requests and focus loss.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <vector>

#include "host/TGame.h"
#include "media/Media.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"

namespace {

struct RecordingScreen : TScreen {
    using TScreen::TScreen;
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
    // Per step, whether the left button was down.
    std::vector<bool> ButtonDown;
    void Logic() override {
        Deltas.push_back(PresentationContext().Delta);
        ButtonDown.push_back(Input().MouseDowns[1] != 0);
    }
    void Draw() override { ++Draws; }
};

struct MainLoopTest : ::testing::Test {
    static void SetUpTestSuite() { ASSERT_TRUE(media::Init({true})); }
    static void TearDownTestSuite() { media::Shutdown(); }

    TGame game;
    RecordingScreen first{game.Parts()}, second{game.Parts()};
    int now = 1000;

    void SetUp() override {
        while (media::NextEvent().kind != media::EventKind::None) {
        }
        UseHostInput();
        game.Presentation.Fade = 1;
        game.Timing.Clock = [this] { return now; };
        game.Timing.Create();
        game.Timing.Init();
        first.name = "first";
        second.name = "second";
        game.Screens.First(first);
    }
    int Step() { return game.Loop.LogicWrapper(); }
    void SwitchTo(TScreen& screen) { game.Screens.FadeTo(&screen); }
};

TEST_F(MainLoopTest, AFrameOfTwelveAndAHalfMillisecondsRunsTwoWholeStepsAndAHalf) {
    game.Settings.VSync = 0;
    for (int i = 0; i < 5; ++i) {
        now += 10;
        game.Timing.Calc();
    }
    now += 12;
    game.Timing.Calc();
    first.Deltas.clear();
    now += 13;  // the history now averages 12.5 ms
    EXPECT_EQ(game.Loop.MainLogicLoop(), 1);
    EXPECT_EQ(first.Deltas, (std::vector<float>{1.0f, 1.0f, 0.5f}));
}

TEST_F(MainLoopTest, AClickThatEndsAChosenWaitComesAfterTheStepsOfTheWait) {
    for (int i = 0; i < 6; ++i) {
        now += 5;
        game.Timing.Calc();
    }
    game.Timing.BeginChosenWait(1000);
    media::PushMouseButton(1, true, 10, 10);
    now += 601;
    first.Deltas.clear();
    first.ButtonDown.clear();
    EXPECT_EQ(game.Loop.MainLogicLoop(), 1);
    ASSERT_EQ(first.Deltas.size(), 121u);
    EXPECT_FLOAT_EQ(first.Deltas.back(), 0.2f);
    std::vector<bool> expected(121, false);
    expected[119] = expected[120] = true;
    EXPECT_EQ(first.ButtonDown, expected) << "the click lands on the last whole step";
    media::PushMouseButton(1, false, 10, 10);
    game.Loop.LogicWrapper();
}

TEST_F(MainLoopTest, ScreensChangeWhenTheFadeOutEnds) {
    SwitchTo(second);
    Step();
    EXPECT_EQ(game.Screens.Current(), &second);
    EXPECT_EQ(game.Screens.Last(), &first);
    EXPECT_EQ(first.Kills, 1);
    EXPECT_EQ((std::vector<int>{second.Loads, second.Starts}), (std::vector<int>{1, 1}));

    // An excursion: the screen left behind is neither killed nor loaded again, and when it
    // comes back only its CoreStart runs.
    game.Screens.Visit(&first);
    Step();
    EXPECT_EQ(game.Screens.Current(), &first);
    EXPECT_EQ(second.Kills, 0);
    TScreen* back = game.Screens.PopReturn(nullptr);
    EXPECT_EQ(back, &second);
    EXPECT_EQ(game.Screens.PopReturn(nullptr), nullptr) << "one way back for one excursion";
    SwitchTo(*back);
    Step();
    EXPECT_EQ(game.Screens.Current(), &second);
    EXPECT_EQ((std::vector<int>{second.Loads, second.Starts}), (std::vector<int>{1, 1}))
        << "StopInit skips Load and Start";
    EXPECT_FALSE(second.StopKill || second.StopInit) << "back home, the marks are cleared";
    SwitchTo(first);
    Step();
    EXPECT_EQ(second.Kills, 1) << "a plain departure drops the screen again";
}

TEST_F(MainLoopTest, SwitchingToTheExitScreenEndsTheLoop) {
    SwitchTo(*game.Screens.ExitScreen());
    Step();
    EXPECT_TRUE(game.Screens.Exiting());
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, PauseStopsLogicButNotDrawingAndAClickResumes) {
    media::PushKey('P', true);
    media::PushKey('P', false);
    first.Deltas.clear();
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(game.Loop.Paused, 1);
    Step();
    EXPECT_TRUE(first.Deltas.empty());
    game.Loop.ScreenDraw();
    EXPECT_EQ(first.Draws, 1);

    media::PushMouseButton(1, true, 10, 10);
    media::PushMouseButton(1, false, 10, 10);
    Step();
    EXPECT_EQ(game.Loop.Paused, 0);
}

TEST_F(MainLoopTest, EscapeFinishesAFadeInOrUnpausesBeforeLeavingTheScreen) {
    game.Fade.Init(1000, 0, nullptr, 1, 0);
    media::PushKey(27, true);
    Step();
    EXPECT_FALSE(game.Fade.Active);
    EXPECT_TRUE(game.Fade.FadeInAborted);
    EXPECT_FLOAT_EQ(game.Fade.Ratio, 1.0f);

    game.Loop.Paused = 1;
    media::PushKey(27, false);
    media::PushKey(27, true);
    Step();
    EXPECT_EQ(game.Loop.Paused, 0);
    EXPECT_EQ(game.Screens.Current(), &first);

    media::PushKey(27, false);
    media::PushKey(27, true);
    Step();
    EXPECT_EQ(game.Screens.Destination(), game.Screens.ExitScreen());
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, AZeroLengthFadeCompletesOnItsFirstStep) {
    game.Fade.Init(0, 0, nullptr, 1, 0);
    EXPECT_EQ(game.Fade.Manage(), 1);
    EXPECT_FLOAT_EQ(game.Fade.Ratio, 1.0f);
    EXPECT_EQ(game.Fade.GetDone(), 1);
    EXPECT_EQ(game.Fade.GetDone(), 0);
}

TEST_F(MainLoopTest, ACloseRequestInThePlayScreenSavesTheProfileFirst) {
    int saves = 0;
    game.Loop.SaveProfileFunction = [&saves] { ++saves; };
    first.name = "game";
    media::PushQuit();
    Step();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(game.Screens.Destination(), game.Screens.ExitScreen());
    EXPECT_EQ(Step(), -1);
}

TEST_F(MainLoopTest, LosingFocusSilencesMusicAndSpeechAndRestoresEachSwitch) {
    game.Settings.Music = 1;
    game.Settings.Speech = 0;
    game.Loop.SuspendedEvent = 1;
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(game.Loop.Suspended, 1);

    game.Loop.SuspendedEvent = 0;
    Step();
    EXPECT_EQ(game.Loop.Suspended, 0);
    EXPECT_EQ(game.Settings.Music, 1);
    EXPECT_EQ(game.Settings.Speech, 0);
}

TEST_F(MainLoopTest, PauseAndTheBackgroundGiveUpARaisedPriority) {
    struct NormalAgain {
        ~NormalAgain() { SetProcessAndThreadPriority(0, 0); }
    } normalAgain;
    game.Settings.FullScreen = 0;
    game.Settings.WindowedProcess = 2;
    game.Display.SetPriority();
    if (getpriority(PRIO_PROCESS, 0) != -10) GTEST_SKIP() << "raising the priority needs rights";

    game.Loop.Pause();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), 0);
    game.Loop.UnPause();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), -10);

    game.Loop.SuspendedEvent = 1;
    Step();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), 0);
    game.Loop.SuspendedEvent = 0;
    Step();
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), -10);
}

TEST_F(MainLoopTest, AScreenWithoutADestinationIsAProgrammingError) {
    game.Fade.Init(0, 1, nullptr, 1, 0);
    EXPECT_EXIT(Step(), ::testing::ExitedWithCode(1), "does not have a destination screen set");
}

}  // namespace

namespace {

TEST_F(MainLoopTest, ACloseRequestDuringAFadeStillEndsTheGame) {
    game.Fade.Init(2000, 0, nullptr, 1, 0);
    media::PushQuit();
    Step();
    EXPECT_EQ(game.Screens.Destination(), game.Screens.ExitScreen());
    EXPECT_EQ(Step(), -1);
}

}  // namespace

namespace {

TEST_F(MainLoopTest, ACloseRequestWhilePausedEndsTheGameAtOnce) {
    game.Loop.Paused = 1;
    media::PushQuit();
    EXPECT_EQ(Step(), -1);
}

}  // namespace
