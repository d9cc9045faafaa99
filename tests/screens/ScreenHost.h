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

    explicit PlayStandIn(const THost& host) : TScreen(host) { name = "game"; }
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
        Host.Loop.IgnoreEscapeKey = 1;
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
    PlayStandIn Play{game->Parts()};
    TScreen Blank{game->Parts()};

    ScreenHost() {
        Resources.LoadFonts(DataFolder + "fonts/");
        game->Paths.SubPath = Folder.Path();
        game->Paths.ProfilePath = Folder.File("profiles/");
        game->Timing.Clock = [] { return 1000; };
        game->Timing.Create();
        game->Timing.Init();
        std::filesystem::create_directory(Folder.File("profiles"));
        while (media::NextEvent().kind != media::EventKind::None) {
        }
        Blank.name = "blank";
        game->Screens.First(Blank);
    }

    void SelectPlayer(const std::string& playerName) {
        game->Session.Profile =
            ::SelectPlayer(playerName, Folder.File("profiles/"), Player.SaveData);
        ASSERT_TRUE(game->Session.Profile);
    }
    // The profile as a fresh program would read it from its file.
    // The player's own record is left alone.
    std::unique_ptr<TProfile> ProfileOnDisk(const std::string& playerName) const {
        auto profile = TProfile::Create(playerName, Folder.File("profiles/"));
        profile->Load();
        return profile;
    }

    int Step() const { return game->Loop.LogicWrapper(); }
    void Steps(int count) const {
        for (int i = 0; i < count; ++i) Step();
    }
    // Switches to the screen the way a finished fade-out does, and lets its fade-in end.
    void Enter(TScreen& screen) const {
        game->Screens.FadeTo(&screen);
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
