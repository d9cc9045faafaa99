// Quillox: start-up, the main loop and the orderly end.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "game/GameResources.h"
#include "game/TGameScreen.h"
#include "host/CommandLine.h"
#include "host/JsonObject.h"
#include "host/TGame.h"
#include "host/TLoadingScreen.h"
#include "host/TScriptPlayer.h"
#include "media/Media.h"
#include "media/Platform.h"
#include "presentation/TChannelArray.h"
#include "presentation/TDialogStack.h"
#include "presentation/TImageBank.h"
#include "presentation/TMousePointer.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/GameDialogs.h"
#include "screens/GameTexts.h"
#include "screens/PlayerSelect.h"
#include "screens/TCreditsScreen.h"
#include "screens/TGameFinishedScreen.h"
#include "screens/TGameMenu.h"
#include "screens/TGameOverScreen.h"
#include "screens/THighScoresScreen.h"
#include "screens/TInstructionsScreen.h"
#include "screens/TLevelCompleteScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TLevelStatsScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TSplashScreen.h"
#include "screens/TTitleScreen.h"
#include "store/ProfileNames.h"
#include "store/Progress.h"
#include "store/THighScoreList.h"
#include "store/TProfile.h"
#include "system/ErrorReporting.h"
#include "system/InputHelpers.h"
#include "system/Paths.h"

namespace {

// The name the desktop knows the game by: its launcher, metadata and icons carry it too.
const char* const kAppId = "com.bexholt.Quillox";

// One object of each screen, made once and reused for every visit.
struct Screens {
    explicit Screens(TResources& resources)
        : Title(resources),
          Play(resources),
          LevelSelect(resources),
          LevelComplete(resources),
          GameOver(resources),
          GameFinished(resources),
          HighScores(resources),
          LevelStats(resources),
          Options(resources),
          Credits(resources),
          Instructions(resources) {}

    TTitleScreen Title;
    TGameScreen Play;
    TLevelSelectScreen LevelSelect;
    TLevelCompleteScreen LevelComplete;
    TGameOverScreen GameOver;
    TGameFinishedScreen GameFinished;
    THighScoresScreen HighScores;
    TLevelStatsScreen LevelStats;
    TOptionsScreen Options;
    TCreditsScreen Credits;
    TInstructionsScreen Instructions;
    TGameMenu Menu;

    // Who leads where; no screen loads anything yet.
    void Wire() {
        TScreen* title = &Title;
        TScreen* highScores = &HighScores;
        Menu.PlayScreen = &Play;
        Menu.TitleScreen = title;
        Menu.OptionsScreen = &Options;
        Menu.InstructionsScreen = &Instructions;
        Play.GameMenu = &Menu;
        Play.GameMenuOpen = [this] { return Menu.Active != 0; };
        Play.ShowGameMenu = [this](int sound) { Menu.Show(sound); };
        Play.LevelCompleteScreen = &LevelComplete;
        Play.GameOverScreen = &GameOver;
        Play.TitleScreen = title;
        LevelSelect.Player = &Play.Player;
        LevelSelect.PlayScreen = &Play;
        LevelSelect.TitleScreen = title;
        LevelComplete.Player = &Play.Player;
        LevelComplete.LevelSelectScreen = &LevelSelect;
        LevelComplete.GameFinishedScreen = &GameFinished;
        for (TGameOverScreen* closing : {&GameOver, static_cast<TGameOverScreen*>(&GameFinished)}) {
            closing->Player = &Play.Player;
            closing->TitleScreen = title;
            closing->HighScoresScreen = highScores;
        }
        Title.Player = &Play.Player;
        Title.LevelSelectScreen = &LevelSelect;
        Title.GameStart = [this] { Play.GameStart(); };
        Title.OptionsScreen = &Options;
        Title.InstructionsScreen = &Instructions;
        Title.HighScoresScreen = highScores;
        HighScores.TitleScreen = title;
        HighScores.LevelStatsScreen = &LevelStats;
        LevelStats.HighScoresScreen = &HighScores;
        Options.Player = &Play.Player;
        Options.CreditsScreen = &Credits;
        Options.TitleScreen = title;
        Credits.OptionsScreen = &Options;
        Instructions.TitleScreen = title;
    }

    // The screen `--screen` names: its state dump's name; none for an unknown one.
    TScreen* Named(const std::string& screenName) {
        for (TScreen* screen : std::initializer_list<TScreen*>{
                 &Title, &Play, &LevelSelect, &LevelComplete, &GameOver, &GameFinished, &HighScores,
                 &LevelStats, &Options, &Credits, &Instructions}) {
            if (screen->name == screenName) return screen;
        }
        return nullptr;
    }
};

// Closes the media layer when the program's objects are gone: it is declared first in Program,
// so it goes last, after every image, sound and font the others hold.
struct MediaSession {
    MediaSession() = default;
    MediaSession(const MediaSession&) = delete;
    MediaSession& operator=(const MediaSession&) = delete;
    ~MediaSession() { media::Shutdown(); }
};

// Everything the program makes, released in reverse order: the screens, the shared images,
// sounds, fonts and particles, the host, and at last the media layer.
struct Program {
    MediaSession Media;
    CommandLine Options;
    std::unique_ptr<TGame> Host;
    TResources Resources;
    std::optional<TScriptPlayer> Script;
    Screens Screen{Resources};
};

void ProgramEnd(Program& program) {
    // Screenshots and dumps asked for in the last frame are written from the final state.
    if (program.Script) program.Script->BeforeFlip();
    TGame::MakeGoodExit();
    media::SetMouseVisible(true);
    program.Host->Kill();
}

// The player named on the command line, made current before the title looks for one; a new
// name gets a new profile.
void ChoosePlayer(Program& program) {
    TGame& game = *program.Host;
    const std::string& name = program.Options.Player;
    if (name.empty()) return;
    std::unique_ptr<TProfile> profile =
        SelectPlayer(name, game.ProfilePath, program.Screen.Play.Player.SaveData);
    if (!profile) return;
    game.CurrentProfile = std::move(profile);
    if (game.ProfileName != name) {
        game.ProfileName = name;
        game.IniUpdate(1);
    }
}

// Straight onto the play screen at the given level, as a game start and a level choice would;
// a level the player has not reached yet is played this once without unlocking anything.
void StartAtLevel(Program& program, int level) {
    TGameScreen& play = program.Screen.Play;
    play.GameStart();
    if (!ProgressLevelChosen(play.Player, Game->CurrentProfile.get(), level)) {
        play.Player.Level = level;
    }
    play.PreStart();
}

void AddPlayerState(const Program& program, JsonObject& state) {
    const TPlayer& player = program.Screen.Play.Player;
    JsonObject record;
    record.Set("Level", player.Level);
    record.Set("Unlocked", player.Unlocked);
    record.Set("Score", player.Score);
    record.Set("TotalTimeTaken", player.TotalTimeTaken);
    JsonObject flags;
    flags.Set("FirstTime", player.SaveData.FirstTime);
    flags.Set("colorblind", static_cast<int>(player.SaveData.colorblind));
    flags.Set("Tutorial", player.SaveData.Tutorial);
    record.Set("SaveData", flags);
    state.Set("Player", record);
}

// A dialog over the title screen, as the title screen shows them (for testing and tools).
void OpenDialog(Program& program, const std::string& name) {
    TGame& game = *program.Host;
    if (name == "message") {
        game.Dialogs->Open(
            CreateMessageDialog(program.Resources, "You cannot create any more players!"));
    } else if (name == "question") {
        game.Dialogs->Open(CreateQuestionDialog(program.Resources,
                                                "Are you sure you want to delete this player?"));
    } else if (name == "web") {
        game.Dialogs->Open(program.Screen.Title.CreateDialogLaunchWeb(game_texts::WebQuestion));
    } else if (name == "players") {
        program.Screen.Title.ShowPlayerManager();
    }
}

// The system clock in milliseconds, for start-up measurements.
long long WallClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The maker's logo; false when the program was closed meanwhile.
bool ShowSplash(TGame& game) {
    std::error_code error;
    std::string logo = game.DataPrefix + "data/bexholt.png";
    if (!std::filesystem::exists(media::ResolvePath(logo), error)) {
        logo = game.DataPrefix + "data/bexholt.jpg";
    }
    TSplashScreen splash;
    splash.Init(logo, "", 1, 0);
    splash.DoSplash();
    splash.CleanUp();
    // The splash object goes now; loading starts without a current screen.
    game.CurrentTScreen = nullptr;
    return splash.Ended == 0;
}

void DrawLoadingCopyright(const TResources& resources) {
    if (!resources.FontMedium) return;
    TShadow::Create(1, 1, 0.6f).ApplyToText();
    resources.FontMedium->DrawAlignedWithShadow(game_texts::CopyrightLine, ScreenWidth / 2, 536, 1,
                                                1, 1);
}

// Shows the loading screen, loads the sounds, the images and the high scores under it, and
// leaves it as the current screen with its button to click.
void LoadGameResources(Program& program) {
    TGame& game = *program.Host;
    media::AutoMidHandle(true);
    media::SetClsColor(0, 0, 0);
    media::Cls();
    media::Flip(game.Presentation.FlipSyncMode);

    TLoadingScreen& loading = *game.LoadingScreen;
    loading.SpecialLoad("loadingscreen.png", "loadingbar.png", "loading.png");
    loading.LoadingBar.Centre(ScreenHeight - 317);
    loading.LoadingBar.Mode = 1;
    loading.SetSteps(65);
    loading.CustomDrawFunction = [&program] { DrawLoadingCopyright(program.Resources); };
    game.ShowLoadingScreen();
    if (program.Options.ReportStartup) std::printf("loading screen shown %lld\n", WallClockMs());
    // The button shows only once loading is done, so it need not hold up the first frame.
    loading.SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick",
                               ScreenHeight - 317);
    loading.ClickHereButton->SetShadow(1, 3.0f, 3.0f, 0.4f);
    loading.Destination = &program.Screen.Title;

    LoadGameSounds(program.Resources);
    game.Mouse->Load("pointer");
    LoadGameImages(program.Resources);
    game.SpritePausedCreate(program.Resources.ImageBank.Find("paused")->image);
    game.HighScores =
        std::make_shared<THighScoreList>(THighScoreList::Create(game.SubPath + "zindles", 12));
    game.HighScores->Load();

    game.MoveBar();
    game.CurrentTScreen = nullptr;
    program.Screen.Title.Load();
    for (int step = 2; step <= 65; ++step) game.MoveBar();

    loading.CoreStart();
    game.MusicPlay(1);
    if (program.Options.ReportStartup) {
        std::printf("loading ended %lld\n", WallClockMs());
        std::fflush(stdout);
    }
}

void CloseMediaBeforeExit() {
    media::Shutdown();
}

int Run(Program& program) {
    CommandLine& options = program.Options;

    // 1. The media layer and the other runtime modules.
    if (!options.DataHome.empty()) media::SetDataHome(options.DataHome);
    media::SetAppId(kAppId);
    media::InitOptions init;
    init.headless = options.Headless;
    if (!media::Init(init)) {
        std::fprintf(stderr, "quillox: cannot start the video system\n");
        return 1;
    }
    Errors().BeforeExitFunction = CloseMediaBeforeExit;

    // 4. One copy at a time; a second one ends silently.
    if (!media::EnsureSingleInstance("Quillox")) return 0;

    // 5. - 6.
    media::SetAppTitle(game_texts::AppTitle);
    Errors().ErrorsOnScreen = 0;
    program.Host = std::make_unique<TGame>();
    TGame& game = *program.Host;
    game.EscapeFadeLength = 0;
    if (options.Seed) game.SeedOverride = *options.Seed;
    game.FullScreenOverride = options.FullScreen;
    if (options.TicksPerFrame > 0) {
        game.NoTiming = 1;
        game.NoTimingTicks = options.TicksPerFrame;
    }
    game.DataPrefix = options.DataDir.empty()
                          ? DataPrefixFor(media::ExecutableFolder(),
                                          [](const std::string& path) {
                                              std::error_code error;
                                              return std::filesystem::is_directory(path, error);
                                          })
                          : FixPath(options.DataDir);
    media::SetBuiltInFontFile(game.DataPrefix + "Data/fonts/text.ttf");

    // 7. - 9.
    game.SetSubPathWrapper("Bexholt/Quillox");
    game.CheckGoodExit();
    game.Init(0);

    // 10. - 11.
    game.ChannelsCreate(16);
    // As many voices as channels: effects playing together keep their own volumes.
    game.Channels->MaxVol = 16.0f;
    game.DebugDisplayX = 5;
    game.DebugDisplayY = 95;
    game.SetEscapeSound("buttonclick");
    game.MaxLevels = 15;
    game.IgnoreFrameworkKeys = 1;
    game.IgnoreDebugKey = 1;

    // 12. - 13.
    program.Resources.SetPaths(game.Presentation.ImagePath, game.Presentation.SoundPath);
    program.Resources.LoadFonts(game.DataPrefix + "Data/fonts/");

    // 15.
    program.Screen.Wire();
    InstallProfileCreatedHook(program.Screen.Play.Player.SaveData);
    if (options.Fill > 0) {
        program.Screen.Play.LevelStarted = [fill =
                                                static_cast<float>(options.Fill)](TLevel& level) {
            level.Play.Machine.PendingFill = fill;
        };
    }
    if (game.NoTiming) {
        // Waits measured in milliseconds follow the logic, so a scripted run repeats exactly.
        program.Screen.Play.Clock = [&game] {
            return static_cast<double>(game.LogicSteps) * game.FixedRateLogic.MS;
        };
    }

    // 16. - 18.
    Errors().ErrorsOnScreen = 1;
    media::SetWindowIconFile(game.DataPrefix + "Data/icons/256.png");
    game.GraphicsCreate();
    media::SetMouseVisible(false);
    if (program.Script) {
        game.BeforeStepFunction = [&program] { program.Script->BeforeStep(); };
        game.BeforeFlipFunction = [&program] { program.Script->BeforeFlip(); };
        program.Script->StateProviders.push_back(
            [&program](JsonObject& state) { AddPlayerState(program, state); });
    }
    if (game.PortalSplash && !ShowSplash(game)) {
        ProgramEnd(program);
        return 0;
    }

    // 19.
    ChoosePlayer(program);
    game.SaveProfileFunction = [&game] {
        if (game.CurrentProfile) game.CurrentProfile->Save();
    };
    LoadGameResources(program);
    if (program.Options.Level > 0) {
        StartAtLevel(program, program.Options.Level);
        game.LoadingScreen->Kill();
    } else if (!program.Options.Screen.empty() || !program.Options.Dialog.empty()) {
        // Straight on, as if the loading screen had been clicked.
        TTitleScreen& title = program.Screen.Title;
        if (program.Options.Dialog == "name") title.SetupPrompt();
        TScreen* first = &title;
        if (!program.Options.Screen.empty()) {
            // As the title's "playgame" would: the screen sees the player's progress.
            program.Screen.Play.GameStart();
            first = program.Screen.Named(program.Options.Screen);
        }
        first->PreStart();
        game.LoadingScreen->Kill();
        if (!program.Options.Dialog.empty()) OpenDialog(program, program.Options.Dialog);
    }
    if (!media::WindowHasFocus() && !media::Headless()) game.SuspendedEvent = 1;

    // 20. - 22.
    ClearAllInput();
    game.DebugReset();
    game.FixedRateLogic.Init();
    while (game.MainLogicLoop() != -1) game.ScreenDraw();
    ProgramEnd(program);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    static bool entered = false;
    if (entered) return 0;
    entered = true;

    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto options = ParseCommandLine(args, error);
    if (!options) {
        std::fprintf(stderr, "quillox: %s\n", error.c_str());
        return 2;
    }
    if (options->ShowHelp) {
        std::fputs(CommandLineHelp().c_str(), stdout);
        return 0;
    }
    if (options->ShowVersion) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    const auto program = std::make_unique<Program>();
    program->Options = *options;
    if (!options->Screen.empty() && !program->Screen.Named(options->Screen)) {
        std::fprintf(stderr, "quillox: there is no screen called '%s'\n", options->Screen.c_str());
        return 2;
    }
    if (!options->ScriptFile.empty()) {
        program->Script = TScriptPlayer::Load(options->ScriptFile, error);
        if (!program->Script) {
            std::fprintf(stderr, "quillox: %s\n", error.c_str());
            return 2;
        }
    }
    return Run(*program);
}
