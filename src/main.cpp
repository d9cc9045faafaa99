// Quillox: start-up, the main loop and the orderly end.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/CommandLine.h"
#include "host/TGame.h"
#include "host/TScriptPlayer.h"
#include "media/Media.h"
#include "media/Platform.h"
#include "presentation/Fonts.h"
#include "presentation/ParticleLists.h"
#include "presentation/TImageBank.h"
#include "presentation/TMousePointer.h"
#include "presentation/TSoundBank.h"
#include "store/THighScoreList.h"
#include "system/ErrorReporting.h"
#include "system/InputHelpers.h"
#include "system/Paths.h"

namespace {

const char* const kAppTitle = "Quillox v1.3 - (c) 2026 Bexholt Games";

struct Program {
    CommandLine Options;
    std::unique_ptr<TGame> Host;
    std::optional<TScriptPlayer> Script;
};

[[noreturn]] void ProgramEnd() {
    TGame::MakeGoodExit();
    media::SetMouseVisible(true);
    Game->Kill();
    // Images and sounds go before the display and the sound device they live on.
    ImageBank.Clear();
    SoundBank.Clear();
    KillParticleLists();
    media::Shutdown();
    std::exit(0);
}

void CloseMediaBeforeExit() {
    media::Shutdown();
}

int Run(Program& program) {
    CommandLine& options = program.Options;

    // 1. The media layer and the other runtime modules.
    if (!options.DataHome.empty()) media::SetDataHome(options.DataHome);
    media::InitOptions init;
    init.headless = options.Headless;
    if (!media::Init(init)) {
        std::fprintf(stderr, "quillox: cannot start the video system\n");
        return 1;
    }
    Errors().BeforeExitFunction = CloseMediaBeforeExit;

    // 3. The particle lists the play screen's effects use.
    CreateParticleLists();

    // 4. One copy at a time; a second one ends silently.
    if (!media::EnsureSingleInstance("Quillox")) {
        media::Shutdown();
        return 0;
    }

    // 5. - 6.
    media::SetAppTitle(kAppTitle);
    Errors().ErrorsOnScreen = 0;
    program.Host = std::make_unique<TGame>();
    TGame& game = *program.Host;
    EscapeFadeLength = 0;
    if (options.Seed) game.SeedOverride = *options.Seed;
    game.FullScreenOverride = options.FullScreen;
    if (options.TicksPerFrame > 0) {
        game.NoTiming = 1;
        game.NoTimingTicks = options.TicksPerFrame;
    }
    game.DataPrefix =
        options.DataDir.empty() ? media::ExecutableFolder() : FixPath(options.DataDir);

    // 7. - 9.
    game.SetSubPathWrapper("Bexholt/Quillox");
    game.CheckGoodExit();
    game.Init(0);

    // 10. - 11.
    game.ChannelsCreate(16);
    game.DebugDisplayX = 5;
    game.DebugDisplayY = 95;
    game.SetEscapeSound("buttonclick");
    game.MaxLevels = 15;
    game.IgnoreFrameworkKeys = 1;
    game.IgnoreDebugKey = 1;

    // 12. - 13.
    ImageBank.SetPath(game.ImagePath);
    SoundBank.SetPath(game.SoundPath);
    const std::string fontPath = game.DataPrefix + "Data/fonts/";
    FontLarge = TBitmapFont::Create(fontPath + "font_lg", -1);
    FontMedium = TBitmapFont::Create(fontPath + "font_md", -1);

    // 16. - 18.
    Errors().ErrorsOnScreen = 1;
    game.GraphicsCreate();
    media::SetMouseVisible(false);

    // 19. The game's resources.
    media::AutoMidHandle(true);
    media::SetClsColor(0, 0, 0);
    media::Cls();
    media::Flip(FlipSyncMode);
    game.Mouse->Load("pointer");
    game.HighScores =
        std::make_shared<THighScoreList>(THighScoreList::Create(game.SubPath + "zindles", 12));
    game.HighScores->Load();

    if (program.Script) {
        game.BeforeStepFunction = [&program] { program.Script->BeforeStep(); };
        game.BeforeFlipFunction = [&program] { program.Script->BeforeFlip(); };
    }

    // 20. - 22.
    ClearAllInput();
    game.DebugReset();
    game.FixedRateLogic.Init();
    for (;;) {
        if (game.MainLogicLoop() == -1) ProgramEnd();
        game.ScreenDraw();
    }
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
    static Program program;
    program.Options = *options;
    if (!options->ScriptFile.empty()) {
        program.Script = TScriptPlayer::Load(options->ScriptFile, error);
        if (!program.Script) {
            std::fprintf(stderr, "quillox: %s\n", error.c_str());
            return 2;
        }
    }
    return Run(program);
}
