#pragma once
// The play screen run headless: the real pictures and sounds of the build's Data folder, a host
// at the normal 5 ms step, a clock that follows the passes, and clicks at screen coordinates.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BoardPicture.h"
#include "game/GameResources.h"
#include "game/TGameScreen.h"
#include "host/TGame.h"
#include "media/Media.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "support/TempFolder.h"

namespace game_screen_test {

inline std::string DataFolder() {
    return std::string(QUILLOX_BUILD_DIR) + "/Data/";
}

// A screen that only counts how often play hands over to it.
struct TargetScreen : TScreen {
    using TScreen::TScreen;
};

class ScreenFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(media::Init({true}));
        ASSERT_TRUE(media::OpenDisplay(800, 600, 0, 60));
        SharedResources = std::make_unique<TResources>();
        SharedResources->SetPaths(DataFolder() + "graphics/", DataFolder() + "sound/");
        LoadGameSounds(*SharedResources);
        LoadGameImages(*SharedResources);
        SharedResources->LoadFonts(DataFolder() + "fonts/");
    }
    static void TearDownTestSuite() {
        SharedResources.reset();
        media::Shutdown();
    }

    void SetUp() override {
        Host->Timing.MS = 5.0f;
        Host->Presentation.Particles = 100;
        // Screen fades end at once: the host's loop, which would run them, is not running.
        Host->Presentation.Fade = 0;
        Host->Presentation.ImagePath = DataFolder() + "graphics/";
        Host->Presentation.MenuPath = DataFolder() + "menus/";
        Host->Presentation.SoundPath = DataFolder() + "sound/";
        Host->Paths.SubPath = Shared.Path();
        Host->Audio.ChannelsCreate(16);
        PresentationContext().Delta = 1.0f;
        Screen = std::make_unique<TGameScreen>(Host->Parts(), *SharedResources);
        Screen->Seed = 11;
        Screen->Clock = [this] { return Now; };
        Screen->LevelCompleteScreen = &LevelComplete;
        Screen->GameOverScreen = &GameOver;
    }
    void TearDown() override {
        if (Screen) Screen->Kill();
        Screen.reset();
        Host->Audio.Kill();
    }

    // Loads and starts level `level`, optionally on a board of its own.
    void StartLevel(int level, const std::vector<std::string>& rows = {}) {
        Screen->Player.Level = level;
        Screen->Load();
        Screen->Start();
        if (!rows.empty()) SetBoard(Board(), rows);
    }

    void Pass(bool hit = false, int x = 0, int y = 0) {
        Host->Display.Mouse().x = x;
        Host->Display.Mouse().y = y;
        if (hit) {
            Host->Display.Mouse().ButtonDown(1);
            Host->Display.Mouse().ButtonUp(1);
        }
        PresentationContext().Delta = 1.0f;
        Screen->Logic();
        Host->Display.Mouse().ClearMouseHit();
        Now += 5;
    }
    void Passes(int n) {
        for (int i = 0; i < n; ++i) Pass();
    }
    void ClickCell(int x, int y) { Pass(true, 264 + 60 * x, 60 + 60 * y); }
    template <typename Condition>
    bool RunUntil(Condition condition, int limit = 5000) {
        for (int i = 0; i < limit && !condition(); ++i) Pass();
        return condition();
    }

    TLevel& L() { return *Screen->Level; }
    TBoardState& Board() { return Screen->Level->Play.BoardState; }
    TMachine& Machine() { return Screen->Level->Play.Machine; }
    TPlayEffects& Effects() { return Screen->Effects; }

    // The pictures, sounds, fonts and particle lists, loaded once for the suite.
    static inline std::unique_ptr<TResources> SharedResources;
    std::unique_ptr<TGame> Host = std::make_unique<TGame>();
    std::unique_ptr<TGameScreen> Screen;
    TargetScreen LevelComplete{Host->Parts()};
    TargetScreen GameOver{Host->Parts()};
    TempFolder Shared{"play"};
    double Now = 100000;
};

}  // namespace game_screen_test
