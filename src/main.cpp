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
#include "host/TDataPaths.h"
#include "host/TGame.h"
#include "host/TLoadingScreen.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "host/TScriptPlayer.h"
#include "media/Media.h"
#include "media/Platform.h"
#include "presentation/ButtonCaptions.h"
#include "presentation/TChannelArray.h"
#include "presentation/TDialogStack.h"
#include "presentation/TImageBank.h"
#include "presentation/TMousePointer.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "presentation/TSprite.h"
#include "screens/GameDialogs.h"
#include "screens/GameTexts.h"
#include "screens/PlayerSelect.h"
#include "screens/TClassicScreen.h"
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
#include "store/Progress.h"
#include "store/THighScoreList.h"
#include "store/TProfile.h"
#include "system/ErrorReporting.h"
#include "system/InputHelpers.h"
#include "system/Paths.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

// The name the desktop knows the game by: its launcher, metadata and icons carry it too.
const char* const kAppId = "com.bexholt.Quillox";

// One object of each screen, made once and reused for every visit.
struct Screens {
    Screens(const THost& host, TResources& resources)
        : Loading(host),
          Splash(host),
          Title(host, resources),
          Play(host, resources),
          LevelSelect(host, resources),
          LevelComplete(host, resources),
          GameOver(host, resources),
          GameFinished(host, resources),
          HighScores(host, resources),
          LevelStats(host, resources),
          Options(host, resources),
          Credits(host, resources),
          Instructions(host, resources),
          Classic(host, resources),
          Menu(host),
          ClassicMenu(host) {}

    TLoadingScreen Loading;
    TSplashScreen Splash;
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
    TClassicScreen Classic;
    TGameMenu Menu;
    TGameMenu ClassicMenu;

    // Who leads where; no screen loads anything yet.
    void Wire() {
        TScreen* title = &Title;
        TScreen* highScores = &HighScores;
        Splash.Next = &Loading;
        Loading.Next = title;
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
        WireClassic();
    }

    // The Classic game has an in-game menu of its own, so that its save and exit leaves it.
    void WireClassic() {
        ClassicMenu.PlayScreen = &Classic;
        ClassicMenu.TitleScreen = &Title;
        ClassicMenu.OptionsScreen = &Options;
        ClassicMenu.InstructionsScreen = &Instructions;
        Classic.Player = &Play.Player;
        Classic.GameMenu = &ClassicMenu;
        Classic.GameMenuOpen = [this] { return ClassicMenu.Active != 0; };
        Classic.ShowGameMenu = [this](int sound) { ClassicMenu.Show(sound); };
        Classic.HighScoresScreen = &HighScores;
        LevelSelect.ClassicScreen = &Classic;
    }

    // The screen `--screen` names: its state dump's name; none for an unknown one.
    TScreen* Named(const std::string& screenName) {
        for (TScreen* screen : std::initializer_list<TScreen*>{
                 &Title, &Play, &LevelSelect, &LevelComplete, &GameOver, &GameFinished, &HighScores,
                 &LevelStats, &Options, &Credits, &Instructions, &Classic}) {
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
    TGame Host;
    TResources Resources;
    std::optional<TScriptPlayer> Script;
    Screens Screen{Host.Parts(), Resources};
};

void ProgramEnd(Program& program) {
    // Screenshots and dumps asked for in the last frame are written from the final state.
    if (program.Script) program.Script->BeforeFlip();
    media::SetMouseVisible(true);
    program.Host.Kill();
}

// The player named on the command line, made current before the title looks for one; a new
// name gets a new profile.
void ChoosePlayer(Program& program) {
    const std::string& name = program.Options.Player;
    if (name.empty()) return;
    TPlayerSession& session = program.Host.Session;
    std::unique_ptr<TProfile> profile =
        SelectPlayer(name, program.Host.Paths.ProfilePath, program.Screen.Play.Player.SaveData);
    if (profile) session.Choose(std::move(profile), name);
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
    const THost host = program.Host.Parts();
    TDialogStack& dialogs = program.Host.Dialogs;
    if (name == "message") {
        dialogs.Open(CreateMessageDialog(host, program.Resources,
                                         Tr("You cannot create any more players!")));
    } else if (name == "question") {
        dialogs.Open(CreateQuestionDialog(host, program.Resources,
                                          Tr("Are you sure you want to delete this player?")));
    } else if (name == "web") {
        dialogs.Open(program.Screen.Title.CreateDialogLaunchWeb(Tr(game_texts::WebQuestion)));
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

void DrawLoadingCopyright(const TResources& resources) {
    if (!resources.FontMedium) return;
    TShadow::Create(1, 1, 0.6f).ApplyToText();
    resources.FontMedium->DrawAlignedWithShadow(game_texts::CopyrightLine, ScreenWidth / 2, 536, 1,
                                                1, 1);
}

// Loads the sounds, the images, the high scores and the title behind the loading screen, moving
// its bar; the screen then waits for its button to be clicked.
void LoadGameResources(Program& program) {
    TGame& game = program.Host;
    media::AutoMidHandle(true);
    media::SetClsColor(0, 0, 0);
    media::Cls();
    media::Flip(game.Presentation.FlipSyncMode);

    TLoadingScreen& loading = program.Screen.Loading;
    loading.SpecialLoad("loadingscreen.png", "loadingbar.png", "loading.png");
    loading.LoadingBar.Centre(ScreenHeight - 317);
    loading.LoadingBar.Mode = 1;
    loading.SetSteps(65);
    loading.CustomDrawFunction = [&program] { DrawLoadingCopyright(program.Resources); };
    loading.Show();
    if (program.Options.ReportStartup) std::printf("loading screen shown %lld\n", WallClockMs());
    // The button shows only once loading is done, so it need not hold up the first frame.
    loading.SetClickHereButton("clickhere", "clickhereMO", "buttonMO", "buttonClick",
                               ScreenHeight - 317);
    loading.ClickHereButton->SetShadow(1, 3.0f, 3.0f, 0.4f);

    LoadGameSounds(program.Resources);
    game.Display.Mouse().Load("pointer");
    LoadGameImages(program.Resources);
    game.Loop.SpritePausedCreate(program.Resources.ImageBank.Find("paused")->image);
    game.Session.HighScores.emplace(THighScoreList::Create(game.Paths.SubPath + "zindles", 12));
    game.Session.HighScores->Load();

    loading.MoveBar();
    program.Screen.Title.Preload();
    for (int step = 2; step <= 65; ++step) loading.MoveBar();
    game.Audio.MusicPlay(1);
    if (program.Options.ReportStartup) {
        std::printf("loading ended %lld\n", WallClockMs());
        std::fflush(stdout);
    }
}

// Once loading is done: straight onto the screen the command line names, as if the loading
// screen had been clicked (a level as a game start and a level choice would; a level the
// player has not reached yet is played this once without unlocking anything).
void GoStraightOn(Program& program) {
    const CommandLine& options = program.Options;
    Screens& screens = program.Screen;
    TScreenSwitcher& switcher = program.Host.Screens;
    if (options.Level > 0) {
        TGameScreen& play = screens.Play;
        play.GameStart();
        if (!ProgressLevelChosen(play.Player, program.Host.Session.Profile.get(), options.Level)) {
            play.Player.Level = options.Level;
        }
        switcher.First(play);
        return;
    }
    if (options.Classic) {
        // As the level select would: the screen sees the player's progress.
        screens.Play.GameStart();
        screens.Classic.StartDaily = options.Daily;
        switcher.First(screens.Classic);
        return;
    }
    if (options.Screen.empty() && options.Dialog.empty()) return;
    if (options.Dialog == "name") screens.Title.SetupPrompt();
    TScreen* first = &screens.Title;
    if (!options.Screen.empty()) {
        // As the title's "playgame" would: the screen sees the player's progress.
        screens.Play.GameStart();
        first = screens.Named(options.Screen);
    }
    switcher.First(*first);
    if (!options.Dialog.empty()) OpenDialog(program, options.Dialog);
}

void CloseMediaBeforeExit() {
    media::Shutdown();
}

// The media layer, before anything else; false when there is no video system.
bool StartMedia(const CommandLine& options) {
    if (!options.DataHome.empty()) media::SetDataHome(options.DataHome);
    media::SetAppId(kAppId);
    media::InitOptions init;
    init.headless = options.Headless;
    if (!media::Init(init)) {
        std::fprintf(stderr, "quillox: cannot start the video system\n");
        return false;
    }
    media::SetWindowSize(options.WindowWidth, options.WindowHeight);
    Errors().BeforeExitFunction = CloseMediaBeforeExit;
    return true;
}

// The host's folders, settings, language and channels, and the game's fonts; false when the
// command line asks for a language the game does not ship.
bool StartHost(Program& program) {
    const CommandLine& options = program.Options;
    TGame& game = program.Host;
    media::SetAppTitle(game_texts::AppTitle);
    Errors().ErrorsOnScreen = 0;
    media::SeedRandom(options.Seed ? *options.Seed
                                   : static_cast<std::uint32_t>(media::MilliSecs()));
    game.Settings.FullScreenOverride = options.FullScreen;
    if (options.TicksPerFrame > 0) {
        game.Loop.NoTiming = 1;
        game.Loop.NoTimingTicks = options.TicksPerFrame;
    }
    game.Paths.DataPrefix =
        options.DataDir.empty()
            ? DataPrefixFor(media::ExecutableFolder(),
                            [](const std::string& path) {
                                std::error_code error;
                                return std::filesystem::is_directory(path, error);
                            })
            : FixPath(options.DataDir);
    media::SetBuiltInFontFile(game.Paths.DataPrefix + "Data/fonts/text.ttf");
    game.Init("Bexholt/Quillox", 16);
    if (!game.Language.Start(game.Paths.DataPrefix + "Data/locale/", options.Language)) {
        std::fprintf(stderr, "quillox: no language '%s' comes with the game\n",
                     options.Language.c_str());
        return false;
    }
    // As many voices as channels: effects playing together keep their own volumes.
    game.Audio.Channels->MaxVol = 16.0f;
    game.Audio.SetEscapeSound("buttonclick");
    program.Resources.SetPaths(game.Presentation.ImagePath, game.Presentation.SoundPath);
    game.Presentation.ButtonCaptions = ReadButtonCaptions(game.Presentation.MenuPath);
    const std::string fontFolder = game.Paths.DataPrefix + "Data/fonts/";
    program.Resources.LoadFonts(fontFolder);
    game.Language.Changed = [&program, &game, fontFolder] {
        program.Resources.LoadTutorialFont(fontFolder, game.Language.Current);
    };
    game.Language.Changed();
    return true;
}

// Who leads where, what the command line changes in play, and the script's hooks.
void WireScreens(Program& program) {
    const CommandLine& options = program.Options;
    TGame& game = program.Host;
    Screens& screens = program.Screen;
    screens.Wire();
    if (options.Seed) {
        screens.Play.Seed = *options.Seed;
        screens.Classic.NewSeed = [seed = *options.Seed] { return std::uint64_t{seed}; };
    }
    if (!options.Date.empty()) screens.Classic.Today = [date = options.Date] { return date; };
    if (options.Fill > 0) {
        screens.Play.LevelStarted = [fill = static_cast<float>(options.Fill)](TLevel& level) {
            level.Play.Machine.PendingFill = fill;
        };
    }
    if (game.Loop.NoTiming) {
        // Waits measured in milliseconds follow the logic, so a scripted run repeats exactly.
        screens.Play.Clock = [&game] {
            return static_cast<double>(game.Loop.LogicSteps) * game.Timing.MS;
        };
    }
    screens.Loading.LoadFunction = [&program] { LoadGameResources(program); };
    screens.Loading.Loaded = [&program] { GoStraightOn(program); };
    if (!program.Script) return;
    game.Loop.BeforeStepFunction = [&program] { program.Script->BeforeStep(); };
    game.Presentation.TextLog = &game.DrawnTexts;
    game.Loop.BeforeFlipFunction = [&program] { program.Script->BeforeFlip(); };
    game.Loop.EndFrameFunction = [&program] { return program.Script->OutputDue(); };
    game.Loop.StepsUntilDueFunction = [&program] { return program.Script->StepsUntilDue(); };
    program.Script->StateProviders.push_back([&game](JsonObject& state) { game.AddState(state); });
    program.Script->StateProviders.push_back(
        [&program](JsonObject& state) { AddPlayerState(program, state); });
}

// The maker's logo first when the settings ask for it, then the loading screen.
void StartScreens(Program& program) {
    TGame& game = program.Host;
    if (!game.Settings.PortalSplash) {
        game.Screens.First(program.Screen.Loading);
        return;
    }
    std::error_code error;
    std::string logo = game.Paths.DataPrefix + "data/bexholt.png";
    if (!std::filesystem::exists(media::ResolvePath(logo), error)) {
        logo = game.Paths.DataPrefix + "data/bexholt.jpg";
    }
    program.Screen.Splash.Init(logo, "", 1, 0);
    game.Screens.First(program.Screen.Splash);
}

int Run(Program& program) {
    if (!StartMedia(program.Options)) return 1;
    // One copy at a time; a second one ends silently.
    if (!media::EnsureSingleInstance("Quillox")) return 0;
    if (!StartHost(program)) return 2;
    WireScreens(program);

    TGame& game = program.Host;
    Errors().ErrorsOnScreen = 1;
    media::SetWindowIconFile(game.Paths.DataPrefix + "Data/icons/256.png");
    game.Display.GraphicsCreate();
    media::SetMouseVisible(false);
    ChoosePlayer(program);
    StartScreens(program);
    if (!media::WindowHasFocus() && !media::Headless()) game.Loop.SuspendedEvent = 1;
    game.Loop.Run();
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
