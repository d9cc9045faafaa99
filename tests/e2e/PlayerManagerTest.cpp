// The choose-player dialog played through on the built game, by clicks and typing only. Short
// runs first find every button the journey needs in the state dumps; then one run adds and
// deletes players from a first start without any player, and the files and the settings show
// the outcome.

#include <gtest/gtest.h>

#include <filesystem>
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

Rect RectOf(const std::vector<int>& rect) {
    if (rect.size() != 4) return {};
    return {rect[0], rect[1], rect[2], rect[3]};
}

// The open dialog of that class, or null.
const StateJson& Dialog(const StateJson& state, const std::string& kind) {
    const StateJson& dialogs = state["dialogs"];
    for (size_t i = 0; i < dialogs.Size(); ++i) {
        if (dialogs[i]["kind"].Text() == kind) return dialogs[i];
    }
    return state["no such dialog"];
}

Rect Button(const StateJson& owner, const std::string& name) {
    return RectOf(owner["Buttons"][name]["rect"].Ints());
}

// The rectangle of row `row` of the list of players, while the list is not scrolled.
Rect Row(const StateJson& manager, int row) {
    const StateJson& list = manager["list"];
    const int height = list["rowHeight"].Int();
    return {list["x"].Int(), list["y"].Int() + row * height, list["w"].Int(), height};
}

// One state dump of a run: the script line that asks for it and its file.
std::string DumpAt(const GameProcess& game, int tick, const std::string& name) {
    return std::to_string(tick) + " state " + (game.Sandbox() / (name + ".json")).string() + "\n";
}

StateJson Read(const GameProcess& game, const std::string& name) {
    return StateJson::Parse(ReadFile(game.Sandbox() / (name + ".json")));
}

StateJson RunAndDump(GameProcess& game, const std::vector<std::string>& args,
                     const std::string& script) {
    std::vector<std::string> all = {"--ticks-per-frame",
                                    "1",
                                    "--seed",
                                    "4",
                                    "--script",
                                    game.WriteScript("script.txt", script).string()};
    all.insert(all.end(), args.begin(), args.end());
    EXPECT_EQ(game.Run(all, kTimeout), 0) << game.Stderr();
    return Read(game, "found");
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
    const StateJson players = RunAndDump(probe, {"--dialog", "players", "--player", "Probe"},
                                         DumpAt(probe, 3, "found") + "6 quit\n");
    const Rect changePlayer = Button(players["screen"], "CHANGEPLAYER");
    const StateJson& manager = Dialog(players, "TPlayerManager");
    const Rect add = Button(manager, "ADD"), remove = Button(manager, "DELETE"),
               ok = Button(manager, "OK");
    ASSERT_TRUE(changePlayer.Found() && add.Found() && remove.Found() && ok.Found())
        << ReadFile(probe.Sandbox() / "found.json");
    ASSERT_GT(Row(manager, 0).H, 0);

    GameProcess promptProbe("players-probe-name");
    const StateJson prompts =
        RunAndDump(promptProbe, {"--dialog", "players", "--player", "Probe"},
                   "3 click " + add.Centre() + "\n" + DumpAt(promptProbe, 8, "found") + "9 quit\n");
    const Rect promptOK = Button(Dialog(prompts, "TDialogTextInput"), "OK");
    ASSERT_TRUE(promptOK.Found() && Button(Dialog(prompts, "TDialogTextInput"), "CANCEL").Found());

    GameProcess questionProbe("players-probe-question");
    const StateJson question = RunAndDump(questionProbe, {"--dialog", "question"},
                                          DumpAt(questionProbe, 3, "found") + "4 quit\n");
    const Rect yes = Button(Dialog(question, "TDialogYesNo"), "YES");
    GameProcess messageProbe("players-probe-message");
    const StateJson message = RunAndDump(messageProbe, {"--dialog", "message"},
                                         DumpAt(messageProbe, 3, "found") + "4 quit\n");
    const Rect messageOK = Button(Dialog(message, "TDialogOK"), "OK");
    ASSERT_TRUE(yes.Found() && messageOK.Found());

    // A first start without a player, the name prompt left with Escape.
    GameProcess game("players-journey");
    Journey journey(game);
    journey.Key("Escape");
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
    ASSERT_EQ(game.Run({"--ticks-per-frame", "1", "--seed", "4", "--screen", "title", "--script",
                        game.WriteScript("journey.txt", journey.Script()).string()},
                       kTimeout),
              0)
        << game.Stderr();
    const auto dump = [&game](const std::string& name) { return Read(game, name); };
    const auto profileName = [&dump](const std::string& name) {
        return dump(name)["ProfileName"].Text();
    };

    // Escape, and OK on an empty list, work without a current player; OK asks for a name.
    EXPECT_TRUE(dump("escaped-empty")["dialogs"].IsNull());
    EXPECT_EQ(profileName("escaped-empty"), "");
    EXPECT_FALSE(Dialog(dump("ok-empty"), "TDialogTextInput").IsNull());
    EXPECT_EQ(profileName("first-player"), "Ann");

    // A name in use is refused with its message, and stays typed for correction.
    const StateJson duplicate = dump("duplicate");
    EXPECT_EQ(Dialog(duplicate, "TDialogOK")["caption"].Text(),
              "Error: a profile with this name already exists!");
    EXPECT_EQ(Dialog(duplicate, "TDialogTextInput")["text"].Text(), "Ann");
    const StateJson kept = dump("duplicate-kept");
    EXPECT_TRUE(Dialog(kept, "TDialogOK").IsNull());
    EXPECT_EQ(Dialog(kept, "TDialogTextInput")["text"].Text(), "Ann");
    EXPECT_EQ(profileName("sixth"), "Fay");

    // The seventh player is refused.
    const StateJson seventh = dump("seventh");
    EXPECT_EQ(Dialog(seventh, "TDialogOK")["caption"].Text(),
              "You cannot create any more players!");
    EXPECT_EQ(Dialog(seventh, "TPlayerManager")["names"].Texts(),
              (std::vector<std::string>{"Ann", "Bob", "Cy", "Dee", "Eve", "Fay"}));
    EXPECT_TRUE(Dialog(seventh, "TDialogTextInput").IsNull());

    // Deleting asks first, by name, and keeps the same place in the list selected.
    EXPECT_EQ(Dialog(dump("confirm"), "TDialogYesNo")["caption"].Text(),
              "Are you sure you want to delete - Bob?");
    const StateJson deleted = dump("deleted");
    EXPECT_EQ(Dialog(deleted, "TPlayerManager")["names"].Texts(),
              (std::vector<std::string>{"Ann", "Cy", "Dee", "Eve", "Fay"}));
    EXPECT_EQ(Dialog(deleted, "TPlayerManager")["selected"].Int(), 1);

    // Deleting the current player, the last one listed, selects the new last one; leaving with
    // Escape makes the first listed player current, in the settings file too.
    EXPECT_EQ(Dialog(dump("deleted-current"), "TPlayerManager")["selected"].Int(), 3);
    EXPECT_EQ(profileName("deleted-current"), "Ann");
    EXPECT_TRUE(dump("left")["dialogs"].IsNull());
    EXPECT_EQ(profileName("left"), "Ann");
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
