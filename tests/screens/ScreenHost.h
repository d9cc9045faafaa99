#pragma once
// A headless host running whole logic steps for the tests of the in-game menu and the screens
// around play: the generated Data tree, the game's fonts, a player with a profile in a scratch
// folder, and a play screen that hosts the in-game menu the way the real one does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "presentation/TResources.h"
#include "presentation/WidgetHost.h"
#include "screens/PlayerSelect.h"
#include "screens/TGameMenu.h"
#include "store/RecordsTestSupport.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"

namespace screen_test {

using widget_test::DataFolder;

using ScreensEnvironment = widget_test::MediaEnvironment;

// Stands where the play screen stands: it runs the in-game menu first and skips its own logic
// while the menu is open, and leaves Escape to the screen.
struct PlayStandIn : TScreen {
    TGameMenu* GameMenu = nullptr;
    int Loads = 0, Starts = 0, Kills = 0, OwnSteps = 0;

    PlayStandIn() { name = "game"; }
    void Load() override {
        ++Loads;
        if (GameMenu) GameMenu->Load();
    }
    void Start() override {
        ++Starts;
        TScreen::Start();
    }
    void CoreStart() override {
        TScreen::CoreStart();
        Game->IgnoreEscapeKey = 1;
    }
    void Kill() override {
        ++Kills;
        TScreen::Kill();
        if (GameMenu) GameMenu->Kill();
    }
    void Logic() override {
        if (GameMenu) GameMenu->Logic();
        if (GameMenu && GameMenu->Active) return;
        ++OwnSteps;
    }
    void Draw() override {
        media::SetClsColor(40, 120, 200);
        media::Cls();
        if (GameMenu) GameMenu->Draw();
    }
};

struct ScreenHost : widget_test::WidgetHost {
    TempFolder Folder{"screens"};
    // The fonts the screens draw with.
    TResources Resources;
    TPlayer Player;
    PlayStandIn Play;
    TScreen Blank;

    ScreenHost() {
        Resources.LoadFonts(DataFolder + "fonts/");
        game->SubPath = Folder.Path();
        game->FixedRateLogic.Clock = [] { return 1000; };
        game->FixedRateLogic.Create();
        game->FixedRateLogic.Init();
        std::filesystem::create_directory(Folder.File("profiles"));
        InstallProfileCreatedHook(Player.SaveData);
        while (media::NextEvent().kind != media::EventKind::None) {
        }
        Blank.name = "blank";
        Blank.Start();
    }
    ~ScreenHost() {
        ProfileCreatedHook = [](TProfile&) {};
    }

    void SelectPlayer(const std::string& playerName) {
        game->CurrentProfile =
            ::SelectPlayer(playerName, Folder.File("profiles/"), Player.SaveData);
        ASSERT_TRUE(game->CurrentProfile);
    }
    // The profile as a fresh program would read it from its file.
    // The player's own record is left alone.
    std::unique_ptr<TProfile> ProfileOnDisk(const std::string& playerName) const {
        auto hook = std::exchange(ProfileCreatedHook, [](TProfile&) {});
        auto profile = TProfile::Create(playerName, Folder.File("profiles/"));
        profile->Load();
        ProfileCreatedHook = std::move(hook);
        return profile;
    }

    int Step() const { return game->LogicWrapper(); }
    void Steps(int count) const {
        for (int i = 0; i < count; ++i) Step();
    }
    // Switches to the screen the way a finished fade-out does, and lets its fade-in end.
    void Enter(TScreen& screen) const {
        game->FadeToScreen(&screen);
        Step();
        Step();
    }
    // Input through the event queue, as a player gives it.
    static void PointAt(int x, int y) { media::PushMouseMove(x, y); }
    static void ClickAt(int x, int y) {
        media::PushMouseButton(1, true, x, y);
        media::PushMouseButton(1, false, x, y);
    }
    static void Press(int key) {
        media::PushKey(key, true);
        media::PushKey(key, false);
    }
};

}  // namespace screen_test
