// The level select and the screens after a level, run through the host's logic steps: the
// edges of a dot's square, a padlocked dot, Space for the highest open level, the arrow keys
// over the open levels and over the options' sliders, Space for OK after a level unless a name
// is typed, who qualifies for the high-score table and what a name entry
// does to a short table, and times as shown.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>

#include "ScreenHost.h"
#include "game/GameResources.h"
#include "host/TAudioBuses.h"
#include "presentation/TChannelArray.h"
#include "presentation/TLabel.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "screens/TGameOverScreen.h"
#include "screens/THighScoreEntry.h"
#include "screens/TLevelCompleteScreen.h"
#include "screens/TLevelSelectScreen.h"
#include "screens/TOptionsScreen.h"
#include "screens/TTitleScreen.h"
#include "screens/TimeText.h"
#include "store/Progress.h"
#include "store/THighScoreList.h"
#include "store/TIniFile.h"

namespace {

using screen_test::ScreenHost;

const auto* const kMedia = ::testing::AddGlobalTestEnvironment(new screen_test::ScreensEnvironment);

constexpr int KeySpace = 32;
constexpr int KeyEnter = 13;
constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;

// The screen drawn into a PNG beside the tests, for a look.
void SaveCanvas(TScreen& screen, const std::string& name) {
    media::Cls();
    screen.Draw();
    const auto png = media::EncodePNG(media::GrabPixmap(0, 0, 800, 600));
    std::ofstream(std::string(QUILLOX_BUILD_DIR) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

TEST(TicksAsTime, ShowsMinutesAndTwoDigitSecondsOfWholeSeconds) {
    EXPECT_EQ(TicksAsTime(13000, 5), "1:05");
    EXPECT_EQ(TicksAsTime(13199, 5), "1:05") << "part seconds are dropped";
    EXPECT_EQ(TicksAsTime(0, 5), "0:00");
    EXPECT_EQ(TicksAsTime(150000, 5), "12:30");
    EXPECT_EQ(TicksAsTime(-40, 5), "0:00");
    EXPECT_EQ(TicksAsTime(std::nan(""), 5), "0:00");
    EXPECT_EQ(TicksAsTime(std::numeric_limits<double>::infinity(), 5), "0:00");
    EXPECT_EQ(TicksAsTime(2147483647.0, 5), "178956:58") << "the largest record fits";
}

struct LevelSelectTest : ::testing::Test {
    ScreenHost host;
    TTitleScreen title{host.game->Parts(), host.Resources};
    TLevelSelectScreen select{host.game->Parts(), host.Resources};

    void SetUp() override {
        host.Resources.SetPaths(screen_test::DataFolder + "graphics/",
                                screen_test::DataFolder + "sound/");
        host.game->Settings.File().FileName = host.Folder.File("quillox");
        host.game->Audio.Open(16);
        LoadGameSounds(host.Resources);
        LoadGameImages(host.Resources);
        host.game->Audio.ChannelsCreate(16);
        select.Player = &host.Player;
        select.PlayScreen = &host.Play;
        select.TitleScreen = &title;
        host.SelectPlayer("Ann");
        ProgressGameStart(host.Player, host.game->Session.Profile.get());
    }
    void TearDown() override { host.game->Audio.Kill(); }
    [[nodiscard]] bool SoundDevice() const { return host.game->Settings.SoundDriver != "None"; }

    [[nodiscard]] std::string ProfileBytes() const {
        return ReadFile(host.Folder.File("profiles/Ann.dat"));
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
};

TEST_F(LevelSelectTest, ADotsSquareTakesItsLeftAndTopEdgesButNotItsRightAndBottom) {
    host.Enter(select);
    for (int i = 0; i < 15; ++i) {
        const TAccuratePoint dot = select.Coords[static_cast<size_t>(i)];
        EXPECT_EQ(select.DotAt(dot.x - 24, dot.y - 24), i);
        EXPECT_EQ(select.DotAt(dot.x + 23, dot.y + 23), i);
        EXPECT_EQ(select.DotAt(dot.x + 24, dot.y), -1) << "level " << i + 1;
        EXPECT_EQ(select.DotAt(dot.x, dot.y + 24), -1) << "level " << i + 1;
    }
    EXPECT_EQ(select.DotAt(10, 10), -1);
}

// The main loop sleeps until the step the screen names: the marker's turn, the glow and the
// machine's bubbles move on then, and a step early would show nothing new.
TEST_F(LevelSelectTest, ThePictureMovesOnAtTheStepTheScreenNamesAndNotBefore) {
    host.Enter(select);
    ScreenHost::PointAt(400, 590);
    host.Step();
    int bubbleMoves = 0;
    for (int picture = 0; picture < 12; ++picture) {
        const int due = select.StepsUntilChange();
        ASSERT_GT(due, 0) << "picture " << picture;
        const float angle = select.ShownAngle;
        for (int step = 1; step <= due; ++step) {
            host.Step();
            ASSERT_EQ(select.ShownAngle != angle, step == due)
                << "picture " << picture << ", step " << step;
        }
        int shown = 0;
        host.Resources.SurfaceParticles.ForEach(
            [&](const TParticle& bubble) { shown += bubble.Hidden == 0; });
        bubbleMoves += shown > 0 && picture % 3 == 2;
    }
    EXPECT_GT(bubbleMoves, 0) << "the bubbles show every third picture";
}

TEST_F(LevelSelectTest, APadlockedDotPlaysTheErrorSoundAndNothingElse) {
    host.Player.Unlocked = 2;
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 2));
    host.Enter(select);
    const std::string before = ProfileBytes();
    const TAccuratePoint locked = select.Coords[2];
    ScreenHost::PointAt(static_cast<int>(locked.x), static_cast<int>(locked.y));
    host.Step();
    ASSERT_EQ(host.game->Audio.Channels->CountPlaying(), 0);
    ScreenHost::ClickAt(static_cast<int>(locked.x), static_cast<int>(locked.y));
    host.Step();
    EXPECT_EQ(select.MOIndex, 2);
    if (SoundDevice()) {
        EXPECT_EQ(host.game->Audio.Channels->CountPlaying(), 1) << "the error sound";
    }
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &select);
    EXPECT_FALSE(host.game->Screens.Fading());
    EXPECT_EQ(host.Player.Level, 2);
    EXPECT_EQ(select.ClickedIndex, -1);
    EXPECT_EQ(ProfileBytes(), before) << "nothing is saved";

    // An open dot next to it starts at once.
    const TAccuratePoint open = select.Coords[1];
    ScreenHost::PointAt(static_cast<int>(open.x), static_cast<int>(open.y));
    ScreenHost::ClickAt(static_cast<int>(open.x), static_cast<int>(open.y));
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &host.Play);
    EXPECT_EQ(select.ClickedIndex, 1);
}

TEST_F(LevelSelectTest, SpaceWithFourLevelsOpenStartsLevelFour) {
    host.Player.Unlocked = 4;
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 2));
    host.Enter(select);
    ScreenHost::Press(KeySpace);
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &host.Play);
    EXPECT_EQ(host.Player.Level, 4);
    EXPECT_EQ(host.ProfileOnDisk("Ann")->CurrentLevel, 4);
}

TEST_F(LevelSelectTest, TheArrowKeysPickAnyOpenLevelAndTabTheButtons) {
    host.Player.Unlocked = 6;
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 6));
    host.Enter(select);
    const auto press = [this](int key) {
        ScreenHost::Press(key);
        host.Step();
    };
    // From the highest open level down, never below the first.
    press(KeyLeft);
    press(KeyDown);
    EXPECT_EQ(select.KeyLevel, 4);
    EXPECT_EQ(select.MOIndex, 3) << "the highlighted dot glows as under the pointer";
    for (int i = 0; i < 5; ++i) press(KeyLeft);
    EXPECT_EQ(select.KeyLevel, 1);
    // Never onto a padlock: up to the highest open level and no further.
    for (int i = 0; i < 7; ++i) press(KeyUp);
    EXPECT_EQ(select.KeyLevel, 6);

    // Tab takes the highlight to the buttons, and the arrows take it back to the levels.
    press(KeyTab);
    EXPECT_EQ(select.Menu->MouseOverName, "BACK");
    EXPECT_EQ(select.KeyLevel, 0);
    press(KeyLeft);
    press(KeyLeft);
    EXPECT_EQ(select.KeyLevel, 4);
    EXPECT_EQ(select.Menu->KeyFocus, -1);
    press(KeyRight);
    press(KeyEnter);
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &host.Play);
    EXPECT_EQ(host.Player.Level, 5);
    EXPECT_EQ(host.ProfileOnDisk("Ann")->CurrentLevel, 5);
}

TEST_F(LevelSelectTest, TheOptionsSlidersMoveWithTheArrowKeysOnceHighlighted) {
    TOptionsScreen options{host.game->Parts(), host.Resources};
    options.Player = &host.Player;
    options.TitleScreen = &title;
    host.Enter(options);
    ASSERT_TRUE(options.MSCSlider && options.SFXSlider);
    options.MSCSlider->SetValue(50);
    options.SFXSlider->SetValue(50);
    const auto press = [this](int key) {
        ScreenHost::Press(key);
        host.Step();
    };
    // Down reaches the music slider first, then the sound slider, then the buttons.
    press(KeyDown);
    EXPECT_EQ(options.MSCSlider->KeyFocus, 1);
    press(KeyLeft);
    press(KeyLeft);
    EXPECT_EQ(options.MSCSlider->Value, 40);
    EXPECT_EQ(host.game->Audio.Volume(TBus::Music), 40) << "heard at once";
    press(KeyDown);
    EXPECT_EQ(options.MSCSlider->KeyFocus, 0);
    EXPECT_EQ(options.SFXSlider->KeyFocus, 1);
    press(KeyRight);
    EXPECT_EQ(options.SFXSlider->Value, 55);
    EXPECT_EQ(host.game->Presentation.SoundVolume, 55);
    // A held key repeats, and the knob stops at the end.
    media::PushKey(KeyRight, true);
    host.Steps(400);
    media::PushKey(KeyRight, false);
    host.Step();
    EXPECT_EQ(options.SFXSlider->Value, 100);

    // On a button Left and Right move the highlight again, and leave the sliders alone.
    press(KeyDown);
    EXPECT_EQ(options.Menu->MouseOverName, "FULLSCREEN");
    press(KeyRight);
    EXPECT_EQ(options.Menu->MouseOverName, "COLORBLIND");
    EXPECT_EQ(options.SFXSlider->KeyFocus, 0);
    EXPECT_EQ(options.MSCSlider->Value, 40);
    EXPECT_EQ(options.SFXSlider->Value, 100);
    // Up from the first button goes back to the sound slider.
    press(KeyUp);
    press(KeyUp);
    EXPECT_EQ(options.SFXSlider->KeyFocus, 1);
}

TEST_F(LevelSelectTest, SpacePressesOKAfterALevelButNotWhileANameIsTyped) {
    // A key, then steps enough for the screen it leads to to have faded in.
    const auto press = [this](int key) {
        ScreenHost::Press(key);
        host.Steps(3);
    };
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 1));
    TLevelCompleteScreen complete{host.game->Parts(), host.Resources};
    complete.Player = &host.Player;
    complete.LevelSelectScreen = &select;
    host.Enter(complete);
    press(KeySpace);
    EXPECT_EQ(host.game->Screens.Current(), &select) << "the level complete screen";

    host.game->Session.HighScores.emplace(THighScoreList::Create(host.Folder.File("zindles"), 12));
    host.game->Session.HighScores->Load();
    TGameOverScreen over{host.game->Parts(), host.Resources};
    over.Player = &host.Player;
    over.TitleScreen = &title;
    over.HighScoresScreen = &host.Blank;
    host.Player.Score = 0;
    host.Enter(over);
    ASSERT_EQ(over.High->HighScore, 0);
    press(KeySpace);
    EXPECT_EQ(host.game->Screens.Current(), &title) << "game over with no name to type";

    host.Player.Score = host.game->Session.HighScores->Entries().front().score;
    host.Enter(over);
    ASSERT_EQ(over.High->HighScore, 1);
    press(KeySpace);
    EXPECT_EQ(host.game->Screens.Current(), &over) << "Space belongs to the name";
    press(KeyBackspace);

    // With a pad the letter picker types the name: it starts on OK, under the digits' row.
    ASSERT_TRUE(media::ConnectVirtualPad());
    const auto pad = [this](media::PadButton button) {
        media::SetVirtualPadButton(button, true);
        host.Step();
        media::SetVirtualPadButton(button, false);
        host.Steps(3);
    };
    using media::PadButton;
    for (const PadButton button : {PadButton::Up, PadButton::A, PadButton::Left, PadButton::A})
        pad(button);
    EXPECT_TRUE(over.High->PickerShown());
    EXPECT_EQ(over.High->InputName.Text, "87");
    EXPECT_EQ(host.game->Screens.Current(), &over) << "A picked a digit, it did not confirm";
    SaveCanvas(over, "gameover-picker.png");
    for (const PadButton button : {PadButton::Down, PadButton::Left, PadButton::A}) pad(button);
    EXPECT_EQ(over.High->InputName.Text, "8") << "Delete, beside OK";
    pad(PadButton::Right);
    pad(PadButton::A);
    EXPECT_EQ(host.game->Screens.Current(), &host.Blank);
    const auto& rows = host.game->Session.HighScores->Entries();
    EXPECT_EQ(rows[static_cast<size_t>(host.game->Session.HighScores->NewHighScoreIndex - 1)].name,
              "8");
    media::DisconnectVirtualPad();
    host.Steps(2);
    host.game->Session.HighScores.reset();
}

TEST_F(LevelSelectTest, PlayGameOnTheTitleLeadsToTheLevelSelectAtTheProfilesLevel) {
    // A title whose screens are not wired shows no buttons that lead nowhere.
    TTitleScreen lonely{host.game->Parts(), host.Resources};
    host.Enter(lonely);
    for (const char* missing : {"playgame", "options", "instructions", "highscores"}) {
        EXPECT_FALSE(lonely.Menu->FindButton(missing)) << missing;
    }
    for (const char* shown : {"changeplayer", "exitgame", "moregames"}) {
        EXPECT_TRUE(lonely.Menu->FindButton(shown)) << shown;
    }
    ScreenHost::PointAt(100, 100);
    ScreenHost::ClickAt(100, 100);
    ScreenHost::Press(KeyEnter);
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &lonely) << "without its wiring it stays put";

    title.Player = &host.Player;
    title.LevelSelectScreen = &select;
    title.GameStart = [this] { ProgressGameStart(host.Player, host.game->Session.Profile.get()); };
    ASSERT_TRUE(ProgressLevelChosen(host.Player, host.game->Session.Profile.get(), 1));
    host.Player.Score = 400;
    ASSERT_FALSE(ProgressLevelComplete(host.Player, host.game->Session.Profile.get()));
    // The player leaves the program during level 2 and comes back.
    host.Player = TPlayer();
    host.Enter(title);
    EXPECT_EQ(title.Welcome->Text, "Welcome, Ann");
    // The pointer goes there first: the host reads where a click lands from the pointer.
    ScreenHost::PointAt(100, 100);
    ScreenHost::ClickAt(100, 100);
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &title) << "only the button starts a game";
    const auto playGame = title.Menu->FindButton("playgame");
    ASSERT_TRUE(playGame);
    const int x = static_cast<int>(playGame->x) + 10;
    const int y = static_cast<int>(playGame->y) + 10;
    ScreenHost::PointAt(x, y);
    ScreenHost::ClickAt(x, y);
    host.Step();
    host.Step();
    EXPECT_EQ(host.game->Screens.Current(), &select);
    EXPECT_EQ(host.Player.Level, 2);
    EXPECT_EQ(host.Player.Score, 400);
}

TEST(HighScoreEntry, AScoreEqualToTheLowestRowQualifiesAndAShortTableHasRoom) {
    ScreenHost host;
    auto table =
        std::make_shared<THighScoreList>(THighScoreList::Create(host.Folder.File("zindles"), 12));
    table->Load();
    const int lowest = table->Entries().back().score;
    EXPECT_TRUE(THighScoreEntry::Qualifies(*table, lowest));
    EXPECT_FALSE(THighScoreEntry::Qualifies(*table, lowest - 1));
    EXPECT_FALSE(THighScoreEntry::Qualifies(*table, 0));

    // A table that lost rows keeps every one it has when a name is added.
    table->Clear();
    table->Add("Bob", 500, 4);
    EXPECT_TRUE(THighScoreEntry::Qualifies(*table, 1));
    auto entry = THighScoreEntry::Create(nullptr, host.Resources, table.get(), "Ann", 20, 2, 12);
    ASSERT_EQ(entry->HighScore, 1);
    EXPECT_EQ(entry->InputName.Text, "Ann");
    entry->FinishAndAdd();
    entry->FinishAndAdd();
    ASSERT_EQ(table->Count(), 2u) << "added once, nothing removed";
    EXPECT_EQ(table->Entries()[0].name, "Bob");
    EXPECT_EQ(table->Entries()[1].name, "Ann");
    EXPECT_EQ(table->NewHighScoreIndex, 2);

    table->Clear();
    auto first = THighScoreEntry::Create(nullptr, host.Resources, table.get(), "Ann", 7, 1, 12);
    first->FinishAndAdd();
    ASSERT_EQ(table->Count(), 1u);
    EXPECT_EQ(table->NewHighScoreIndex, 1);
    EXPECT_FALSE(PresentationContext().BlockKeys) << "the keys are the host's again";
}

}  // namespace
