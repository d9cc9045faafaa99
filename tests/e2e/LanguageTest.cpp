// The game in every shipped language, on the built program: a player's way from the title to
// the options shows that language's texts, every screen and dialog keeps each text inside its
// box with every glyph drawn, names in each script are saved, read back and drawn whole, and
// the options' language row switches the language and keeps the choice.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <map>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "ScriptJourney.h"
#include "StateJson.h"
#include "screens/InstructionPages.h"
#include "system/LocalNumber.h"
#include "system/TLanguages.h"
#include "system/Translate.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 300;

std::vector<std::string> ShippedCodes() {
    TLanguages languages;
    languages.Load(std::string(QUILLOX_BUILD_DIR) + "/Data/locale/");
    std::vector<std::string> codes;
    for (const TLanguage& language : languages.All()) codes.push_back(language.Code);
    return codes;
}

// The catalogue's text for `english` in `code`, through the game's own choice of catalogue.
std::string InLanguage(const std::string& code, const char* english) {
    TLanguages languages;
    languages.Load(std::string(QUILLOX_BUILD_DIR) + "/Data/locale/");
    languages.Use(code);
    return Tr(english);
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::array<int, 2> Centre(const StateJson& buttons, const std::string& name) {
    const std::vector<int> rect = buttons[name]["rect"].Ints();
    if (rect.size() != 4) return {-1, -1};
    return {rect[0] + rect[2] / 2, rect[1] + rect[3] / 2};
}

// Every text of a dump inside its box (a pixel of anti-aliasing aside) and fully drawn.
void ExpectTextsFit(const StateJson& dump, const std::string& where) {
    const StateJson& texts = dump["TextLayout"];
    EXPECT_GT(texts.Size(), 0u) << where << ": no text drawn";
    for (size_t i = 0; i < texts.Size(); ++i) {
        const StateJson& text = texts[i];
        const std::vector<int> r = text["rect"].Ints(), box = text["box"].Ints();
        ASSERT_EQ(r.size(), 4u);
        ASSERT_EQ(box.size(), 4u);
        const std::string what = where + ": \"" + text["text"].Text() + "\"";
        EXPECT_GE(r[0] + 1, box[0]) << what << " starts left of its box";
        EXPECT_GE(r[1] + 1, box[1]) << what << " starts above its box";
        EXPECT_LE(r[0] + r[2], box[0] + box[2] + 1) << what << " runs past its box's right";
        EXPECT_LE(r[1] + r[3], box[1] + box[3] + 1) << what << " runs below its box";
        EXPECT_EQ(text["missing"].Int(), 0) << what << " lacks glyphs";
        // Nor may it run into another text of its layer (a label into its value).
        for (size_t j = i + 1; j < texts.Size(); ++j) {
            const std::vector<int> o = texts[j]["rect"].Ints();
            if (o.size() != 4 || texts[j]["layer"].Int() != text["layer"].Int()) continue;
            const int across = std::min(r[0] + r[2], o[0] + o[2]) - std::max(r[0], o[0]);
            const int down = std::min(r[1] + r[3], o[1] + o[3]) - std::max(r[1], o[1]);
            EXPECT_FALSE(across > 2 && down > 2 && r != o)
                << what << " runs into \"" << texts[j]["text"].Text() << "\"";
        }
    }
}

// The way from the title through a level into the in-game menu, by keys.
void IntoTheGameMenu(ScriptJourney& journey) {
    journey.State("title");
    journey.Key("Enter");
    journey.Wait(120);
    journey.State("levels");
    journey.Key("Enter");
    journey.Wait(250);
    journey.State("play");
    journey.Key("Escape");
    journey.Wait(80);
    journey.State("menu");
}

std::string Welcome(const std::string& code, const std::string& name) {
    std::string text = InLanguage(code, "Welcome, %1");
    return text.replace(text.find("%1"), 2, name);
}

TEST(LanguageTest, EachLanguageLeadsFromTheTitleThroughALevelToTheOptions) {
    const std::vector<std::string> codes = ShippedCodes();
    ASSERT_GE(codes.size(), 9u) << "English and at least eight more";
    // Where the in-game menu's options button is: the same in every language.
    GameProcess probe("language-probe");
    ScriptJourney probing(probe, "probe.txt", kTimeout);
    IntoTheGameMenu(probing);
    ASSERT_EQ(probing.Run({"--ticks-per-frame", "10", "--player", "Ann", "--screen", "title"}), 0)
        << probe.Stderr();
    const auto options = Centre(probing.Screen("menu")["GameMenu"]["Buttons"], "OPTIONS");
    ASSERT_GT(options[0], 0) << ReadFile(probe.Sandbox() / "menu.json");

    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        GameProcess game("language-journey-" + code);
        ScriptJourney journey(game, "journey.txt", kTimeout);
        IntoTheGameMenu(journey);
        journey.Click(options);
        journey.Wait(150);
        journey.State("options");
        ASSERT_EQ(journey.Run({"--ticks-per-frame", "10", "--player", "Ann", "--screen", "title",
                               "--lang", code}),
                  0)
            << game.Stderr();

        const StateJson title = journey.Dump("title");
        EXPECT_EQ(title["Language"].Text(), code);
        EXPECT_TRUE(Contains(title["screen"]["Texts"].Texts(), Welcome(code, "Ann")));
        EXPECT_EQ(title["screen"]["Buttons"]["PLAYGAME"]["caption"].Text(),
                  InLanguage(code, "Play Game"));
        EXPECT_EQ(journey.Screen("levels")["name"].Text(), "levelselect");
        EXPECT_EQ(journey.Screen("levels")["Buttons"]["BACK"]["caption"].Text(),
                  InLanguage(code, "Back"));
        const StateJson play = journey.Screen("play");
        EXPECT_EQ(play["name"].Text(), "game");
        EXPECT_TRUE(Contains(play["Texts"].Texts(), InLanguage(code, "Score :")));
        EXPECT_TRUE(
            Contains(play["Texts"].Texts(), InLanguage(code, "Fill the zindle machine by")));
        EXPECT_EQ(journey.Screen("menu")["GameMenu"]["Buttons"]["OPTIONS"]["caption"].Text(),
                  InLanguage(code, "Options"));
        const StateJson shown = journey.Dump("options");
        EXPECT_EQ(shown["screen"]["name"].Text(), "options");
        const std::vector<std::string> texts = shown["screen"]["Texts"].Texts();
        EXPECT_TRUE(Contains(texts, InLanguage(code, "Game Options")));
        EXPECT_TRUE(Contains(texts, InLanguage(code, "Language")));
        if (code != TLanguages::English) {
            EXPECT_NE(InLanguage(code, "Game Options"), "Game Options") << "no catalogue";
        } else {
            EXPECT_TRUE(Contains(texts, "Game Options"));
            EXPECT_TRUE(Contains(texts, "Full Screen Mode"));
            EXPECT_EQ(shown["screen"]["Buttons"]["LANGUAGE"]["caption"].Text(), "English");
        }
        for (const char* dump : {"title", "levels", "play", "menu", "options"}) {
            ExpectTextsFit(journey.Dump(dump), code + " " + dump);
        }
    }
}

TEST(LanguageTest, NamesInEveryScriptAreSavedReadBackAndDrawnWhole) {
    // Latin-1, Latin Extended, Cyrillic and Chinese letters; the Greek omega has no glyph in the
    // fonts, so the field refuses it as it refuses a slash.
    for (const std::string name : {"Zoë", "Łukasz", "Юлия", "晶豆"}) {
        SCOPED_TRACE(name);
        GameProcess game("language-name-" + std::to_string(name.size()));
        ScriptJourney typing(game, "name.txt", kTimeout);
        typing.Wait(30);
        typing.Line("text Ω/" + name);
        typing.State("typed");
        typing.Key("Enter");
        typing.Wait(30);
        typing.State("greeted");
        ASSERT_EQ(typing.Run({"--ticks-per-frame", "10", "--dialog", "name"}), 0) << game.Stderr();
        EXPECT_EQ(typing.Dump("typed")["dialogs"][size_t{0}]["text"].Text(), name);
        EXPECT_TRUE(fs::exists(game.Shared() / "profiles" / (name + ".dat")));
        const StateJson greeted = typing.Dump("greeted");
        EXPECT_EQ(greeted["ProfileName"].Text(), name);
        EXPECT_TRUE(Contains(greeted["screen"]["Texts"].Texts(), "Welcome, " + name));
        ExpectTextsFit(greeted, name + " greeted");

        // The next start reads the name back from the settings and its profile.
        ScriptJourney again(game, "again.txt", kTimeout);
        again.Wait(30);
        again.State("title");
        ASSERT_EQ(again.Run({"--ticks-per-frame", "10", "--screen", "title"}), 0) << game.Stderr();
        const StateJson title = again.Dump("title");
        EXPECT_EQ(title["ProfileName"].Text(), name);
        EXPECT_TRUE(Contains(title["screen"]["Texts"].Texts(), "Welcome, " + name));
        ExpectTextsFit(title, name + " read back");
    }
}

TEST(LanguageTest, TheOptionsLanguageRowSwitchesAtOnceAndKeepsTheChoice) {
    GameProcess game("language-row");
    ScriptJourney probe(game, "probe.txt", kTimeout);
    probe.Wait(40);
    probe.State("options");
    ASSERT_EQ(probe.Run({"--ticks-per-frame", "10", "--player", "Ann", "--screen", "options"}), 0)
        << game.Stderr();
    const auto row = Centre(probe.Screen("options")["Buttons"], "LANGUAGE");
    ASSERT_GT(row[0], 0);

    ScriptJourney choosing(game, "choose.txt", kTimeout);
    choosing.Wait(40);
    choosing.Click(row);
    choosing.Wait(10);
    choosing.State("chosen");
    ASSERT_EQ(choosing.Run({"--ticks-per-frame", "10", "--player", "Ann", "--screen", "options"}),
              0)
        << game.Stderr();
    const std::string next = ShippedCodes()[1];
    const StateJson chosen = choosing.Dump("chosen");
    EXPECT_EQ(chosen["Language"].Text(), next);
    EXPECT_TRUE(Contains(chosen["screen"]["Texts"].Texts(), InLanguage(next, "Game Options")));
    EXPECT_EQ(chosen["screen"]["Buttons"]["OK"]["caption"].Text(), InLanguage(next, "OK"));
    EXPECT_NE(ReadFile(game.Shared() / "preferences.ini").find("Language=" + next + "\r\n"),
              std::string::npos);
    // The settings file keeps its keys: no language among them.
    EXPECT_EQ(ReadFile(game.Shared() / "quillox.ini").find("LANG"), std::string::npos);

    // The choice outlives the run, and --lang overrides it for one run without saving.
    ScriptJourney later(game, "later.txt", kTimeout);
    later.Wait(30);
    later.State("title");
    ASSERT_EQ(later.Run({"--ticks-per-frame", "10", "--screen", "title"}), 0) << game.Stderr();
    EXPECT_EQ(later.Dump("title")["Language"].Text(), next);
    ScriptJourney once(game, "once.txt", kTimeout);
    once.Wait(30);
    once.State("title");
    ASSERT_EQ(once.Run({"--ticks-per-frame", "10", "--screen", "title", "--lang", "en"}), 0)
        << game.Stderr();
    EXPECT_EQ(once.Dump("title")["Language"].Text(), "en");
    EXPECT_NE(ReadFile(game.Shared() / "preferences.ini").find("Language=" + next),
              std::string::npos);
    EXPECT_EQ(game.Run({"--lang", "xx"}, kTimeout), 2) << "no such language";
}

// Scores group their thousands as each language writes them; English keeps them whole, and
// four-digit scores stay whole everywhere.
TEST(LanguageNumbers, ScoresGroupTheirThousandsAsTheLanguageWritesThem) {
    TLanguages languages;
    languages.Load(std::string(QUILLOX_BUILD_DIR) + "/Data/locale/");
    const std::map<std::string, std::string> expected = {{"en", "1234567"},
                                                         {"de", "1.234.567"},
                                                         {"fr", "1\u00a0234\u00a0567"},
                                                         {"ru", "1\u00a0234\u00a0567"},
                                                         {"zh_CN", "1,234,567"}};
    for (const auto& [code, written] : expected) {
        languages.Use(code);
        EXPECT_EQ(LocalNumber(1234567), written) << code;
        EXPECT_EQ(LocalNumber(1234), "1234") << code;
        EXPECT_EQ(LocalNumber(-20000).substr(0, 3), "-20") << code;
    }
    languages.Use("en");
}

class LanguageFitTest : public testing::TestWithParam<std::string> {};

TEST_P(LanguageFitTest, EveryScreenAndDialogKeepsItsTextsInTheirBoxes) {
    const std::string code = GetParam();
    const auto run = [&code](const std::string& name, const std::vector<std::string>& where,
                             int pages, const std::function<void(ScriptJourney&)>& act = {}) {
        GameProcess game("language-fit-" + code + "-" + name);
        ScriptJourney journey(game, "fit.txt", kTimeout);
        journey.Wait(50);
        if (act) act(journey);
        journey.State("page1");
        // The instructions turn a page a click.
        for (int page = 2; page <= pages; ++page) {
            journey.Click({400, 300});
            journey.Wait(20);
            journey.State("page" + std::to_string(page));
        }
        std::vector<std::string> args = {
            "--ticks-per-frame", "10", "--player", "Ann", "--lang", code};
        args.insert(args.end(), where.begin(), where.end());
        ASSERT_EQ(journey.Run(args), 0) << game.Stderr();
        for (int page = 1; page <= pages; ++page) {
            const std::string dump = "page" + std::to_string(page);
            ExpectTextsFit(journey.Dump(dump), code + " " + name + " " + dump);
        }
    };
    for (const char* screen : {"title", "levelselect", "levelcomplete", "gameover", "gamefinished",
                               "highscores", "levelstats", "options", "credits"}) {
        run(screen, {"--screen", screen}, 1);
    }
    run("instructions", {"--screen", "instructions"}, InstructionPageCount);
    for (const char* dialog : {"message", "question", "name", "players", "web"}) {
        run(dialog, {"--dialog", dialog}, 1);
    }
    // The name prompt as a pad player sees it, with the letter picker of the language's alphabet.
    run("picker", {"--dialog", "name"}, 1, [](ScriptJourney& journey) {
        journey.Pad("connect");
        journey.Pad("dpdown");
    });
    // The Classic board with a hint shown.
    run("classic", {"--classic"}, 1, [](ScriptJourney& journey) {
        journey.Key("H");
        journey.Wait(10);
    });
}

// The Classic game's own texts in a game one move from a full board: the question before the
// daily board, the game over with its name entry, and the Classic table it leads to.
TEST_P(LanguageFitTest, TheClassicGamesQuestionAndGameOverKeepTheirTextsInTheirBoxes) {
    const std::string code = GetParam();
    GameProcess game("language-fit-classic-end-" + code);
    // One move made, so leaving the game for the daily board is asked first.
    std::string bytes = ClassicGameFile(ClassicBoardNearlyFull(), 500);
    const std::string before = bytes.substr(bytes.find("game ") + 5);
    bytes.replace(bytes.rfind(" 0 "), 3, " 1 ");
    bytes += "undo " + before;
    fs::create_directories(game.Shared() / "profiles");
    std::ofstream(game.Shared() / "profiles" / "Ann.classic", std::ios::binary) << bytes;
    const std::vector<std::string> args = {
        "--ticks-per-frame", "1", "--player", "Ann", "--lang", code, "--classic"};
    ScriptJourney look(game, "look.txt", kTimeout);
    look.Wait(30);
    look.State("board");
    ASSERT_EQ(look.Run(args), 0) << game.Stderr();
    const auto daily = Centre(look.Screen("board")["Buttons"], "DAILY");
    ASSERT_GT(daily[0], 0);

    ScriptJourney ask(game, "ask.txt", kTimeout);
    ask.Wait(30);
    ask.Click(daily);
    ask.Wait(10);
    ask.State("asked");
    ASSERT_EQ(ask.Run(args), 0) << game.Stderr();
    const StateJson asked = ask.Dump("asked");
    EXPECT_EQ(asked["dialogs"][size_t{0}]["kind"].Text(), "TDialogYesNo");
    ExpectTextsFit(asked, code + " daily question");

    // The last free cells filled: the board is full, and the score goes to the table.
    ScriptJourney end(game, "end.txt", kTimeout);
    end.Wait(30);
    end.Click({234 + 60 * 8 + 30, 30 + 60 * 6 + 30});
    end.Click({234 + 60 * 8 + 30, 30 + 60 * 7 + 30});
    end.Wait(200);
    end.State("over");
    end.Key("Enter");
    end.Wait(10);
    end.State("table");
    ASSERT_EQ(end.Run(args), 0) << game.Stderr();
    const StateJson over = end.Dump("over");
    EXPECT_EQ(over["screen"]["GameOver"].Int(), 1);
    EXPECT_EQ(over["screen"]["HighScoreEntry"]["HighScore"].Int(), 1);
    ExpectTextsFit(over, code + " classic game over");
    const StateJson table = end.Dump("table");
    EXPECT_EQ(table["screen"]["Table"].Text(), "classic");
    ExpectTextsFit(table, code + " classic table");
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFitTest, testing::ValuesIn(ShippedCodes()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

}  // namespace
