// The options, instructions, high-score and level-statistics screens played through on the
// built game by clicks found in the state dumps: options saved to the settings file and the
// profile, the in-game menu's excursions returning to the same board, the records cleared only
// after their question, and the instructions paged to their end and no further, by clicks and
// by keys.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "StateJson.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 180;

struct Rect {
    int X = -1, Y = -1, W = 0, H = 0;
    [[nodiscard]] bool Found() const { return X >= 0; }
    [[nodiscard]] std::string Centre() const {
        return std::to_string(X + W / 2) + " " + std::to_string(Y + H / 2);
    }
};

Rect RectOf(const StateJson& owner) {
    const std::vector<int> rect = owner["rect"].Ints();
    if (rect.size() != 4) return {};
    return {rect[0], rect[1], rect[2], rect[3]};
}

Rect Button(const StateJson& owner, const std::string& name) {
    return RectOf(owner["Buttons"][name]);
}

// Where on a slider the pointer sets `value`.
std::string SliderAt(const StateJson& slider, int value) {
    const Rect track = RectOf(slider);
    const int border = slider["Border"].Int();
    const int x = track.X + border + (track.W - 2 * border) * value / 100;
    return std::to_string(x) + " " + std::to_string(track.Y + track.H / 2);
}

// Timed input, a few logic steps apart so each action lands on its own, with state dumps.
class Journey {
public:
    explicit Journey(const GameProcess& game) : game_(game) {}
    void Click(const Rect& rect, int button = 1) {
        Add("click " + rect.Centre() + " " + std::to_string(button));
    }
    void Drag(const std::string& at) {
        Add("down " + at);
        Add("up " + at);
    }
    void Key(const std::string& name) { Add("key " + name); }
    void Wait(int ticks) { tick_ += ticks; }
    void Dump(const std::string& name) {
        script_ += std::to_string(tick_ - 1) + " state " + Path(name + ".json") + "\n";
    }
    void Screenshot(const std::string& name) {
        script_ += std::to_string(tick_ - 1) + " screenshot " + Path(name + ".png") + "\n";
    }
    [[nodiscard]] StateJson Read(const std::string& name) const {
        return StateJson::Parse(ReadFile(game_.Sandbox() / (name + ".json")));
    }
    int Run(GameProcess& game, std::vector<std::string> args) const {
        const fs::path script =
            game.WriteScript("script.txt", script_ + std::to_string(tick_ + 5) + " quit\n");
        args.insert(args.end(),
                    {"--ticks-per-frame", "1", "--seed", "4", "--script", script.string()});
        return game.Run(args, kTimeout);
    }

private:
    std::string Path(const std::string& file) const { return (game_.Sandbox() / file).string(); }
    void Add(const std::string& action) {
        script_ += std::to_string(tick_) + " " + action + "\n";
        tick_ += 4;
    }
    const GameProcess& game_;
    std::string script_;
    int tick_ = 5;
};

// One dump of a screen as it opens, with `before` done first.
StateJson Probe(const std::string& sandbox, const std::vector<std::string>& args,
                const std::function<void(Journey&)>& before = nullptr) {
    GameProcess probe(sandbox);
    Journey journey(probe);
    if (before) before(journey);
    journey.Dump("found");
    EXPECT_EQ(journey.Run(probe, args), 0) << probe.Stderr();
    return journey.Read("found");
}

TEST(RecordsScreensTest, OptionsAreSavedAndTheInGameMenuReturnsToTheSameBoard) {
    const StateJson options = Probe("options-probe", {"--screen", "options"})["screen"];
    const Rect colorBlind = Button(options, "COLORBLIND"),
               fullScreen = Button(options, "FULLSCREEN"), ok = Button(options, "OK"),
               credits = Button(options, "CREDITS");
    ASSERT_TRUE(colorBlind.Found() && fullScreen.Found() && ok.Found() && credits.Found());
    const StateJson& sliders = options["Sliders"];
    const StateJson menu =
        Probe("menu-probe", {"--player", "Ann", "--level", "1"},
              [](Journey& journey) { journey.Key("Escape"); })["screen"]["GameMenu"];
    const Rect menuOptions = Button(menu, "OPTIONS"),
               menuInstructions = Button(menu, "INSTRUCTIONS");
    ASSERT_TRUE(menuOptions.Found() && menuInstructions.Found());
    const StateJson credit = Probe("credits-probe", {"--screen", "credits"})["screen"];
    const StateJson help = Probe("help-probe", {"--screen", "instructions"})["screen"];
    const Rect creditsOK = Button(credit, "OK"), back = Button(help, "BACK");
    ASSERT_TRUE(creditsOK.Found() && back.Found());

    // From the options screen: every option changed, past the credits, and saved with OK.
    GameProcess game("options-journey");
    Journey journey(game);
    journey.Click(colorBlind);
    journey.Click(fullScreen);
    journey.Drag(SliderAt(sliders["music"], 25));
    journey.Drag(SliderAt(sliders["sound"], 60));
    journey.Dump("changed");
    journey.Screenshot("options");
    journey.Click(credits);
    journey.Dump("credits");
    journey.Click(creditsOK);
    journey.Dump("options-again");
    journey.Click(ok);
    journey.Dump("saved");
    ASSERT_EQ(journey.Run(game, {"--player", "Ann", "--screen", "options"}), 0) << game.Stderr();
    const StateJson changed = journey.Read("changed")["screen"]["Options"];
    EXPECT_EQ(changed["ColorBlind"].Int(), 1);
    EXPECT_EQ(changed["FullScreen"].Int(), 1);
    EXPECT_EQ(changed["MusicVolume"].Int(), 25);
    EXPECT_EQ(changed["SoundVolume"].Int(), 60);
    EXPECT_EQ(journey.Read("credits")["screen"]["name"].Text(), "credits");
    EXPECT_EQ(journey.Read("options-again")["screen"]["Options"]["MusicVolume"].Int(), 25);
    const StateJson saved = journey.Read("saved");
    EXPECT_EQ(saved["screen"]["name"].Text(), "title");
    EXPECT_EQ(saved["Player"]["SaveData"]["colorblind"].Int(), 1);
    const std::string ini = ReadFile(game.Shared() / "quillox.ini");
    for (const char* line : {"FULL SCREEN=1\r\n", "SOUND VOLUME=60\r\n", "MUSIC VOLUME=25\r\n"}) {
        EXPECT_NE(ini.find(line), std::string::npos) << line << ini;
    }

    // The next run reads them back: the profile keeps the colour-blind set.
    GameProcess again("options-again");
    fs::create_directories(again.Shared());
    fs::copy(game.Shared(), again.Shared(), fs::copy_options::recursive);
    Journey check(again);
    check.Dump("read");
    ASSERT_EQ(check.Run(again, {"--player", "Ann", "--screen", "options"}), 0) << again.Stderr();
    const StateJson read = check.Read("read")["screen"]["Options"];
    EXPECT_EQ(read["ColorBlind"].Int(), 1);
    EXPECT_EQ(read["MusicVolume"].Int(), 25);
    EXPECT_EQ(read["SoundVolume"].Int(), 60);

    // During play: the menu's options and instructions each come back to the same board,
    // score and clock, with the menu still open over it.
    GameProcess play("menu-journey");
    Journey round(play);
    round.Key("Escape");
    round.Wait(50);
    round.Dump("before");
    round.Click(menuOptions);
    round.Dump("in-options");
    round.Click(colorBlind);
    round.Wait(400);
    round.Click(ok);
    round.Wait(50);
    round.Dump("after-options");
    round.Click(menuInstructions);
    round.Click(back, 1);
    round.Wait(50);
    round.Dump("after-instructions");
    round.Screenshot("after-instructions");
    ASSERT_EQ(round.Run(play, {"--player", "Ann", "--level", "1"}), 0) << play.Stderr();
    const StateJson before = round.Read("before")["screen"];
    ASSERT_EQ(before["name"].Text(), "game");
    EXPECT_EQ(round.Read("in-options")["screen"]["name"].Text(), "options");
    for (const char* name : {"after-options", "after-instructions"}) {
        const StateJson after = round.Read(name)["screen"];
        EXPECT_EQ(after["name"].Text(), "game") << name;
        EXPECT_EQ(after["Board"].Ints(), before["Board"].Ints()) << name;
        EXPECT_EQ(after["LevelScore"].Int(), before["LevelScore"].Int()) << name;
        EXPECT_EQ(after["TimeTaken"].Number(), before["TimeTaken"].Number()) << name;
        EXPECT_EQ(after["Next3"].Ints(), before["Next3"].Ints()) << name;
        EXPECT_FALSE(after["GameMenu"].IsNull()) << name;
    }
    EXPECT_EQ(round.Read("after-options")["Player"]["SaveData"]["colorblind"].Int(), 1);
}

TEST(RecordsScreensTest, RecordsAreClearedOnlyAfterTheirQuestion) {
    const StateJson table = Probe("scores-probe", {"--screen", "highscores"})["screen"];
    const Rect clear = Button(table, "CLEAR"), levelStats = Button(table, "LEVELSTATS"),
               ok = Button(table, "OK");
    ASSERT_TRUE(clear.Found() && levelStats.Found() && ok.Found());
    const StateJson question = Probe("question-probe", {"--screen", "highscores"},
                                     [&clear](Journey& journey) { journey.Click(clear); });
    const StateJson& dialog = question["dialogs"][size_t{0}];
    EXPECT_EQ(dialog["caption"].Text(), "Are You Sure You Want To Clear The High Scores?");
    const Rect yes = Button(dialog, "YES"), cancel = Button(dialog, "CANCEL");
    ASSERT_TRUE(yes.Found() && cancel.Found());
    const StateJson stats = Probe("stats-probe", {"--screen", "levelstats"})["screen"];
    const Rect statsClear = Button(stats, "CLEAR"), statsOK = Button(stats, "OK");

    GameProcess game("records-journey");
    Journey journey(game);
    journey.Click(clear);
    journey.Click(cancel);
    journey.Dump("kept");
    journey.Click(clear);
    journey.Dump("asked");
    journey.Click(yes);
    journey.Dump("cleared");
    journey.Screenshot("highscores");
    journey.Click(levelStats);
    journey.Dump("stats");
    journey.Screenshot("levelstats");
    journey.Click(statsClear);
    journey.Click(yes);
    journey.Dump("stats-cleared");
    journey.Click(statsOK);
    journey.Dump("back");
    journey.Click(ok);
    journey.Dump("left");
    ASSERT_EQ(journey.Run(game, {"--screen", "highscores"}), 0) << game.Stderr();

    const auto names = [](const StateJson& screen) {
        std::vector<std::string> all;
        for (size_t i = 0; i < screen["Rows"].Size(); ++i) {
            all.push_back(screen["Rows"][i]["name"].Text());
        }
        return all;
    };
    const std::vector<std::string> defaults(10, "Bexholt"), empty(10, "Empty");
    EXPECT_EQ(names(table), defaults);
    EXPECT_EQ(table["Rows"][size_t{0}]["score"].Int(), 100);
    EXPECT_EQ(names(journey.Read("kept")["screen"]), defaults) << "Cancel changes nothing";
    EXPECT_EQ(names(journey.Read("asked")["screen"]), defaults) << "nothing before Yes";
    const StateJson cleared = journey.Read("cleared")["screen"];
    EXPECT_EQ(names(cleared), empty);
    EXPECT_EQ(cleared["Rows"][size_t{0}]["score"].Int(), 0);
    EXPECT_EQ(cleared["NewHighScoreIndex"].Int(), 0);
    // Ten rows of "Empty", 0 and 0: five shifted bytes, the closing 0 and two int32s each.
    EXPECT_EQ(fs::file_size(game.Shared() / "zindles.dat"), 140u);

    const StateJson levels = journey.Read("stats")["screen"];
    EXPECT_EQ(levels["name"].Text(), "levelstats");
    ASSERT_EQ(levels["Rows"].Size(), 15u);
    const StateJson statsCleared = journey.Read("stats-cleared")["screen"];
    ASSERT_EQ(statsCleared["Rows"].Size(), 15u);
    for (size_t i = 0; i < 15; ++i) {
        const StateJson& row = statsCleared["Rows"][i];
        EXPECT_EQ(row["level"].Int(), static_cast<int>(i) + 1);
        EXPECT_EQ(row["scoreName"].Text(), "------------");
        EXPECT_EQ(row["score"].Int(), 0);
        EXPECT_EQ(row["time"].Text(), "0:00");
    }
    EXPECT_EQ(fs::file_size(game.Shared() / "stats.dat"), 495u);
    EXPECT_EQ(journey.Read("back")["screen"]["name"].Text(), "highscores");
    EXPECT_EQ(journey.Read("left")["screen"]["name"].Text(), "title");
    ASSERT_TRUE(statsClear.Found() && statsOK.Found());
}

TEST(RecordsScreensTest, InstructionsArePagedToTheEndAndNoFurther) {
    GameProcess game("instructions-journey");
    Journey journey(game);
    journey.Click({0, 0, 400, 300}, 2);
    journey.Dump("first");
    journey.Click({0, 0, 400, 300});
    journey.Dump("second");
    journey.Screenshot("page2");
    for (int page = 3; page <= 32; ++page) journey.Click({0, 0, 400, 300});
    journey.Dump("last");
    journey.Screenshot("page30");
    journey.Click({0, 0, 400, 300}, 2);
    journey.Dump("back-one");
    // The keys turn the pages too.
    journey.Key("Left");
    journey.Key("Up");
    journey.Dump("keys-back");
    journey.Key("Right");
    journey.Dump("keys-on");
    ASSERT_EQ(journey.Run(game, {"--screen", "instructions"}), 0) << game.Stderr();
    EXPECT_EQ(journey.Read("first")["screen"]["Page"].Int(), 1);
    EXPECT_EQ(journey.Read("second")["screen"]["Page"].Int(), 2);
    EXPECT_EQ(journey.Read("last")["screen"]["Page"].Int(), 30);
    EXPECT_EQ(journey.Read("back-one")["screen"]["Page"].Int(), 29);
    EXPECT_EQ(journey.Read("keys-back")["screen"]["Page"].Int(), 27);
    EXPECT_EQ(journey.Read("keys-on")["screen"]["Page"].Int(), 28);
}

}  // namespace
