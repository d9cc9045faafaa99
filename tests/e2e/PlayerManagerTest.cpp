// The choose-player dialog played through on the built game, by clicks and typing only. Short
// runs first find every button the journey needs in the state dumps; then one run adds and
// deletes players from a first start without any player, and the files and the settings show
// the outcome.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "GameProcess.h"

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

// The part of a state dump that describes one open dialog (by its class), or the screen.
std::string Section(const std::string& json, const std::string& kind) {
    const std::string start = kind == "screen" ? "\"screen\"" : "\"kind\": \"" + kind + "\"";
    const auto from = json.find(start);
    if (from == std::string::npos) return "";
    const auto to = json.find("\"kind\"", from + start.size());
    return json.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

Rect Button(const std::string& section, const std::string& name) {
    const std::regex pattern("\\{\"name\": \"" + name +
                             "\", \"image\": \"[^\"]*\", \"x\": (\\d+), \"y\": (\\d+), \"w\": "
                             "(\\d+), \"h\": (\\d+)");
    std::smatch match;
    if (!std::regex_search(section, match, pattern)) return {};
    return {std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4])};
}

// The rectangle of row `row` of the list of players, while the list is not scrolled.
Rect Row(const std::string& section, int row) {
    const std::regex pattern(
        "\"list\": \\{\"x\": (\\d+), \"y\": (\\d+), \"w\": (\\d+), \"rowHeight\": (\\d+)");
    std::smatch match;
    if (!std::regex_search(section, match, pattern)) return {};
    const int height = std::stoi(match[4]);
    return {std::stoi(match[1]), std::stoi(match[2]) + row * height, std::stoi(match[3]), height};
}

std::string Field(const std::string& section, const std::string& name) {
    const std::regex pattern("\"" + name + "\": (\"[^\"]*\"|\\[[^\\]]*\\]|[^,\\n]+)");
    std::smatch match;
    return std::regex_search(section, match, pattern) ? match[1].str() : "";
}

// One state dump of a run: the script line that asks for it and its file.
std::string DumpAt(const GameProcess& game, int tick, const std::string& name) {
    return std::to_string(tick) + " state " + (game.Sandbox() / (name + ".json")).string() + "\n";
}

std::string RunAndDump(GameProcess& game, const std::vector<std::string>& args,
                       const std::string& script) {
    std::vector<std::string> all = {"--ticks-per-frame",
                                    "1",
                                    "--seed",
                                    "4",
                                    "--script",
                                    game.WriteScript("script.txt", script).string()};
    all.insert(all.end(), args.begin(), args.end());
    EXPECT_EQ(game.Run(all, kTimeout), 0) << game.Stderr();
    return ReadFile(game.Sandbox() / "found.json");
}

// Timed input for the journey, a few logic steps apart so each action lands on its own.
class Journey {
public:
    explicit Journey(const GameProcess& game) : game_(game) {}
    void Click(const Rect& rect) { Add("click " + rect.Centre()); }
    void Type(const std::string& text) {
        Add("text " + text);
        tick_ += static_cast<int>(text.size());
    }
    void Key(const std::string& name) { Add("key " + name); }
    void Dump(const std::string& name) { script_ += DumpAt(game_, tick_ - 1, name); }
    void Screenshot(const std::string& name) {
        script_ += std::to_string(tick_ - 1) + " screenshot " +
                   (game_.Sandbox() / (name + ".png")).string() + "\n";
    }
    std::string Script() const { return script_ + std::to_string(tick_ + 5) + " quit\n"; }

private:
    void Add(const std::string& action) {
        script_ += std::to_string(tick_) + " " + action + "\n";
        tick_ += 4;
    }
    const GameProcess& game_;
    std::string script_;
    int tick_ = 5;
};

TEST(PlayerManagerTest, PlayersAreAddedRefusedAndDeletedByClicksAndTyping) {
    // Where everything is: the choose-player dialog and its name prompt, a question, a message.
    GameProcess probe("players-probe");
    const std::string players =
        RunAndDump(probe, {"--dialog", "players"}, DumpAt(probe, 3, "found") + "6 quit\n");
    const Rect changePlayer = Button(Section(players, "screen"), "CHANGEPLAYER");
    const std::string manager = Section(players, "TPlayerManager");
    const Rect add = Button(manager, "ADD"), remove = Button(manager, "DELETE"),
               ok = Button(manager, "OK");
    ASSERT_TRUE(changePlayer.Found() && add.Found() && remove.Found() && ok.Found()) << players;

    GameProcess namesProbe("players-probe-name");
    const std::string prompt = Section(
        RunAndDump(namesProbe, {"--dialog", "players"},
                   "3 click " + add.Centre() + "\n" + DumpAt(namesProbe, 8, "found") + "9 quit\n"),
        "TDialogTextInput");
    const Rect promptOK = Button(prompt, "OK");
    ASSERT_TRUE(promptOK.Found() && Button(prompt, "CANCEL").Found()) << prompt;

    GameProcess questionProbe("players-probe-question");
    const Rect yes = Button(RunAndDump(questionProbe, {"--dialog", "question"},
                                       DumpAt(questionProbe, 3, "found") + "4 quit\n"),
                            "YES");
    GameProcess messageProbe("players-probe-message");
    const Rect messageOK = Button(RunAndDump(messageProbe, {"--dialog", "message"},
                                             DumpAt(messageProbe, 3, "found") + "4 quit\n"),
                                  "OK");
    ASSERT_TRUE(yes.Found() && messageOK.Found());

    // A first start without a player, the name prompt never answered.
    GameProcess game("players-journey");
    Journey journey(game);
    journey.Click(changePlayer);
    journey.Key("Escape");
    journey.Dump("escaped-empty");
    journey.Click(changePlayer);
    journey.Click(ok);
    journey.Dump("ok-empty");
    journey.Type("ann");
    journey.Click(promptOK);
    journey.Dump("first-player");
    for (const char* name : {"bob", "cy", "dee", "eve"}) {
        journey.Click(changePlayer);
        journey.Click(add);
        journey.Type(name);
        journey.Key("Enter");
    }
    journey.Click(changePlayer);
    journey.Click(add);
    journey.Type("ann");
    journey.Key("Enter");
    journey.Dump("duplicate");
    journey.Screenshot("duplicate");
    journey.Click(messageOK);
    journey.Dump("duplicate-kept");
    for (int i = 0; i < 3; ++i) journey.Key("Backspace");
    journey.Type("fay");
    journey.Key("Enter");
    journey.Dump("sixth");
    journey.Click(changePlayer);
    journey.Click(add);
    journey.Dump("seventh");
    journey.Click(messageOK);
    journey.Click(Row(manager, 1));
    journey.Click(remove);
    journey.Dump("confirm");
    journey.Click(yes);
    journey.Dump("deleted");
    journey.Click(Row(manager, 4));
    journey.Click(remove);
    journey.Click(yes);
    journey.Dump("deleted-current");
    journey.Screenshot("deleted-current");
    journey.Key("Escape");
    journey.Dump("left");
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--seed", "4", "--script",
                        game.WriteScript("journey.txt", journey.Script()).string()},
                       kTimeout),
              0)
        << game.Stderr();
    const auto dump = [&game](const std::string& name) {
        return ReadFile(game.Sandbox() / (name + ".json"));
    };

    // Escape, and OK on an empty list, work without a current player; OK asks for a name.
    EXPECT_EQ(dump("escaped-empty").find("\"dialogs\""), std::string::npos);
    EXPECT_EQ(Field(dump("escaped-empty"), "ProfileName"), "\"\"");
    EXPECT_NE(Section(dump("ok-empty"), "TDialogTextInput"), "") << dump("ok-empty");
    EXPECT_EQ(Field(dump("first-player"), "ProfileName"), "\"Ann\"") << dump("first-player");

    // A name in use is refused with its message, and stays typed for correction.
    const std::string duplicate = dump("duplicate");
    EXPECT_EQ(Field(Section(duplicate, "TDialogOK"), "caption"),
              "\"Error: a profile with this name already exists!\"")
        << duplicate;
    EXPECT_EQ(Field(Section(duplicate, "TDialogTextInput"), "text"), "\"Ann\"");
    const std::string kept = dump("duplicate-kept");
    EXPECT_EQ(Section(kept, "TDialogOK"), "");
    EXPECT_EQ(Field(Section(kept, "TDialogTextInput"), "text"), "\"Ann\"") << kept;
    EXPECT_EQ(Field(dump("sixth"), "ProfileName"), "\"Fay\"") << dump("sixth");

    // The seventh player is refused.
    const std::string seventh = dump("seventh");
    EXPECT_EQ(Field(Section(seventh, "TDialogOK"), "caption"),
              "\"You cannot create any more players!\"")
        << seventh;
    EXPECT_EQ(Field(seventh, "names"), "[\"Ann\", \"Bob\", \"Cy\", \"Dee\", \"Eve\", \"Fay\"]");
    EXPECT_EQ(Section(seventh, "TDialogTextInput"), "");

    // Deleting asks first, by name, and keeps the same place in the list selected.
    EXPECT_EQ(Field(Section(dump("confirm"), "TDialogYesNo"), "caption"),
              "\"Are you sure you want to delete - Bob?\"")
        << dump("confirm");
    const std::string deleted = Section(dump("deleted"), "TPlayerManager");
    EXPECT_EQ(Field(deleted, "names"), "[\"Ann\", \"Cy\", \"Dee\", \"Eve\", \"Fay\"]");
    EXPECT_EQ(Field(deleted, "selected"), "1");

    // Deleting the current player, the last one listed, selects the new last one; leaving with
    // Escape makes the first listed player current, in the settings file too.
    const std::string deletedCurrent = dump("deleted-current");
    EXPECT_EQ(Field(deletedCurrent, "selected"), "3") << deletedCurrent;
    EXPECT_EQ(Field(deletedCurrent, "ProfileName"), "\"Ann\"");
    EXPECT_EQ(dump("left").find("\"dialogs\""), std::string::npos);
    EXPECT_EQ(Field(dump("left"), "ProfileName"), "\"Ann\"");
    EXPECT_NE(ReadFile(game.Shared() / "quillox.ini").find("PROFILE NAME=Ann\r\n"),
              std::string::npos);
    const fs::path profiles = game.Shared() / "profiles";
    for (const char* name : {"Ann", "Cy", "Dee", "Eve"}) {
        EXPECT_TRUE(fs::exists(profiles / (std::string(name) + ".dat"))) << name;
    }
    EXPECT_FALSE(fs::exists(profiles / "Bob.dat"));
    EXPECT_FALSE(fs::exists(profiles / "Fay.dat"));
    EXPECT_EQ(PngSize(game.Sandbox() / "duplicate.png"), (std::pair<int, int>{800, 600}));
}

}  // namespace
