// The Classic game on the built binary, played by clicks found from the state dumps: reached
// from the level select, a line made, undone and made again, a deal undone and dealt again
// alike, the game continued by the next start, hints on built positions, a full board entered
// in the Classic table on disk, daily boards by date, and a damaged saved game kept aside.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameProcess.h"
#include "ScriptJourney.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 180;
constexpr int kBoardLeft = 234, kBoardTop = 30, kCell = 60;
// Ticks for a piece to cross a few cells and for a deal to land.
constexpr int kMoveTicks = 60, kDealTicks = 100;

const std::vector<std::string> kPlayer = {"--ticks-per-frame", "1", "--player", "Tester"};

std::array<int, 2> Cell(int x, int y) {
    return {kBoardLeft + kCell * x + kCell / 2, kBoardTop + kCell * y + kCell / 2};
}

std::array<int, 2> Centre(const StateJson& rect) {
    const std::vector<int> r = rect.Ints();
    if (r.size() != 4) return {-1, -1};
    return {r[0] + r[2] / 2, r[1] + r[3] / 2};
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

void WriteSavedGame(GameProcess& game, const std::string& bytes) {
    fs::create_directories(game.Shared() / "profiles");
    std::ofstream(game.Shared() / "profiles" / "Tester.classic", std::ios::binary) << bytes;
}

std::string BoardOf(const StateJson& screen) {
    std::string cells;
    for (size_t x = 0; x < screen["Board"].Size(); ++x) {
        for (int v : screen["Board"][x].Ints()) cells += std::to_string(v) + ",";
    }
    return cells;
}

int Pieces(const StateJson& screen) {
    int n = 0;
    for (size_t x = 0; x < screen["Board"].Size(); ++x) {
        for (int v : screen["Board"][x].Ints()) n += v != 0 ? 1 : 0;
    }
    return n;
}

// The moment of a game a move, an undo and a replay must bring back exactly.
struct Moment {
    std::string Board;
    std::vector<int> Next3;
    int Score = -1, Moves = -1;
    explicit Moment(const StateJson& s)
        : Board(BoardOf(s)),
          Next3(s["Next3"].Ints()),
          Score(s["Score"].Int()),
          Moves(s["Moves"].Int()) {}
    bool operator==(const Moment&) const = default;
};

// Four 2s in the top row, a fifth 2 one move from the line, and a 3 free to move.
const std::vector<std::string> kLineOneMoveAway = {
    "2222.....", "....2....", ".........", ".........", ".........",
    ".........", ".........", "......3..", ".........",
};

TEST(ClassicFlowTest, ALineUndoneAndReplayedAndADealUndoneAndDealtAgainAndTheGameWaits) {
    GameProcess game("classic-journey");
    WriteSavedGame(game, ClassicGameFile(kLineOneMoveAway, 0));

    // The level select's button leads to Classic, which continues the saved game.
    ScriptJourney look(game, "look.txt", kTimeout);
    look.State("select");
    ASSERT_EQ(look.Run(With(kPlayer, {"--screen", "levelselect"})), 0) << game.Stderr();
    const auto classic = Centre(look.Screen("select")["Buttons"]["CLASSIC"]["rect"]);
    ScriptJourney enter(game, "enter.txt", kTimeout);
    enter.Click(classic);
    enter.Wait(10);
    enter.State("start");
    ASSERT_EQ(enter.Run(With(kPlayer, {"--screen", "levelselect"})), 0) << game.Stderr();
    const StateJson start = enter.Screen("start");
    ASSERT_EQ(start["name"].Text(), "classic");
    EXPECT_EQ(Pieces(start), 6);
    const auto undo = Centre(start["Buttons"]["UNDO"]["rect"]);
    const auto hint = Centre(start["Buttons"]["HINT"]["rect"]);

    ScriptJourney play(game, "play.txt", kTimeout);
    play.Click(hint);
    play.State("hint");
    play.Click(Cell(4, 1));
    play.Click(Cell(4, 0));
    play.Wait(kMoveTicks);
    play.State("line");
    play.Key("U");
    play.State("undone");
    play.Click(Cell(4, 1));
    play.Click(Cell(4, 0));
    play.Wait(kMoveTicks);
    play.State("line-again");
    play.Click(Cell(6, 7));
    play.Click(Cell(6, 8));
    play.Wait(kMoveTicks + kDealTicks);
    play.State("dealt");
    play.Click(undo);
    play.State("deal-undone");
    play.Click(Cell(6, 7));
    play.Click(Cell(6, 8));
    play.Wait(kMoveTicks + kDealTicks);
    play.State("dealt-again");
    play.Key("H");
    play.State("hint-later");
    ASSERT_EQ(play.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();

    const StateJson shown = play.Screen("hint");
    EXPECT_EQ(shown["Hint"]["from"].Ints(), (std::vector<int>{4, 1}));
    EXPECT_EQ(shown["Hint"]["to"].Ints(), (std::vector<int>{4, 0}));

    const StateJson line = play.Screen("line");
    EXPECT_EQ(line["Score"].Int(), 10);
    EXPECT_EQ(line["Moves"].Int(), 1);
    EXPECT_EQ(line["CanUndo"].Int(), 1);
    EXPECT_EQ(Pieces(line), 1) << "the five 2s vanished and nothing was dealt";
    EXPECT_EQ(line["Next3"].Ints(), (std::vector<int>{5, 6, 7}));
    EXPECT_TRUE(line["Hint"].IsNull()) << "a move puts the hint away";

    EXPECT_EQ(Moment(play.Screen("undone")), Moment(start));
    EXPECT_EQ(play.Screen("undone")["CanUndo"].Int(), 0);
    EXPECT_EQ(Moment(play.Screen("line-again")), Moment(line));

    const StateJson dealt = play.Screen("dealt");
    EXPECT_EQ(dealt["Moves"].Int(), 2);
    EXPECT_EQ(Pieces(dealt), 4) << "three pieces dealt beside the moved 3";
    EXPECT_EQ(dealt["Phase"].Text(), "idle");
    EXPECT_EQ(Moment(play.Screen("deal-undone")), Moment(line));
    EXPECT_EQ(Moment(play.Screen("dealt-again")), Moment(dealt)) << "the same move, the same deal";

    // Every hint is a legal move: a piece to an empty cell.
    const StateJson later = play.Screen("hint-later");
    const auto from = later["Hint"]["from"].Ints(), to = later["Hint"]["to"].Ints();
    ASSERT_EQ(from.size(), 2u);
    ASSERT_EQ(to.size(), 2u);
    EXPECT_NE(later["Board"][from[0]].Ints()[from[1]], 0);
    EXPECT_EQ(later["Board"][to[0]].Ints()[to[1]], 0);

    // Quit mid-game: the next start continues the same board, history and all.
    ScriptJourney again(game, "again.txt", kTimeout);
    again.State("continued");
    ASSERT_EQ(again.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(Moment(again.Screen("continued")), Moment(dealt));
    EXPECT_EQ(again.Screen("continued")["CanUndo"].Int(), 1);
}

TEST(ClassicFlowTest, KeysPlayAndTheGameInPlayIsAskedForAndKeptBySaveAndExit) {
    GameProcess game("classic-keys");
    WriteSavedGame(game, ClassicGameFile(kLineOneMoveAway, 0));
    // Where the question and the in-game menu put their buttons; the game is the same after.
    ScriptJourney look(game, "look.txt", kTimeout);
    for (int up = 0; up < 3; ++up) look.Key("Up");
    look.Key("Space");
    look.Key("Escape");
    look.State("menu");
    ASSERT_EQ(look.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    const StateJson menu = look.Screen("menu");
    const auto saveAndExit = Centre(menu["GameMenu"]["Buttons"]["SAVEANDEXIT"]["rect"]);
    const auto daily = Centre(menu["Buttons"]["DAILY"]["rect"]);
    EXPECT_EQ(menu["SelectedX"].Int(), 4) << "Space picked up the piece on the highlighted cell";
    EXPECT_EQ(menu["SelectedY"].Int(), 1);

    // The arrows from the centre to the fifth 2, Space, Up and Enter: a line.
    ScriptJourney play(game, "keys.txt", kTimeout);
    for (int up = 0; up < 3; ++up) play.Key("Up");
    play.Key("Space");
    play.Key("Up");
    play.Key("Enter");
    play.Wait(kMoveTicks);
    play.State("line");
    play.Click(daily);
    play.State("asked");
    ASSERT_EQ(play.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(play.Screen("line")["Score"].Int(), 10);
    EXPECT_EQ(play.Screen("line")["KeyCell"].Ints(), (std::vector<int>{4, 0}));
    const StateJson asked = play.Dump("asked")["dialogs"][size_t{0}];
    EXPECT_EQ(asked["kind"].Text(), "TDialogYesNo");
    const auto cancel = Centre(asked["Buttons"]["CANCEL"]["rect"]);

    // Cancel keeps the game in play; the menu's save and exit leaves for the title and the next
    // start continues.
    ScriptJourney leave(game, "leave.txt", kTimeout);
    leave.Click(daily);
    leave.Click(cancel);
    leave.State("kept");
    leave.Key("Escape");
    leave.Click(saveAndExit);
    leave.Wait(10);
    leave.State("left");
    ASSERT_EQ(leave.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(Moment(leave.Screen("kept")), Moment(play.Screen("line")));
    EXPECT_EQ(leave.Screen("left")["name"].Text(), "title");
    ScriptJourney back(game, "back.txt", kTimeout);
    back.State("back");
    ASSERT_EQ(back.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(Moment(back.Screen("back")), Moment(play.Screen("line")));

    // A pad's spare buttons hint and undo here, where the level board arms its tokens, and
    // Start opens the in-game menu.
    ScriptJourney pad(game, "pad.txt", kTimeout);
    pad.Pad("connect");
    pad.Pad("y");
    pad.State("hinted");
    pad.Pad("x");
    pad.State("undone");
    pad.Pad("start");
    pad.State("menu");
    ASSERT_EQ(pad.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(pad.Screen("hinted")["Hint"]["to"].Ints().size(), 2u);
    EXPECT_EQ(pad.Screen("undone")["Score"].Int(), 0);
    EXPECT_EQ(pad.Screen("undone")["CanUndo"].Int(), 0);
    EXPECT_EQ(pad.Dump("undone")["Input"].Text(), "pad");
    EXPECT_FALSE(pad.Screen("menu")["GameMenu"]["Buttons"]["SAVEANDEXIT"]["rect"].IsNull());
}

TEST(ClassicFlowTest, TheHintNeverChoosesAWalledInPieceAndBuildsTheLongestRun) {
    GameProcess game("classic-hint");
    // The only 2 that would finish the row is walled in by 3s, and no 3 can make five.
    WriteSavedGame(game,
                   ClassicGameFile({"2222.....", ".....333.", ".....323.", ".....333.", ".........",
                                    ".........", ".........", ".........", "........."},
                                   0));
    ScriptJourney play(game, "hint.txt", kTimeout);
    play.Key("H");
    play.State("hint");
    ASSERT_EQ(play.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    const StateJson hint = play.Screen("hint")["Hint"];
    EXPECT_EQ(hint["points"].Int(), 0);
    EXPECT_EQ(hint["run"].Int(), 4) << "four 2s in a row is the longest run one move makes";
    EXPECT_NE(hint["from"].Ints(), (std::vector<int>{6, 2}));
}

TEST(ClassicFlowTest, AFullBoardEndsTheGameAndTheNameReachesTheClassicTableOnDisk) {
    GameProcess game("classic-full");
    WriteSavedGame(game, ClassicGameFile(ClassicBoardNearlyFull(), 500));
    const std::string levelTable = [&] {
        ScriptJourney first(game, "first.txt", kTimeout);
        EXPECT_EQ(first.Run(With(kPlayer, {"--screen", "title"})), 0);
        return ReadFile(game.Shared() / "zindles.dat");
    }();

    ScriptJourney play(game, "full.txt", kTimeout);
    play.Click(Cell(8, 6));
    play.Click(Cell(8, 7));
    play.Wait(kMoveTicks + kDealTicks);
    play.State("over");
    play.Key("Enter");
    play.Wait(10);
    play.State("table");
    ASSERT_EQ(play.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    const StateJson over = play.Screen("over");
    EXPECT_EQ(over["GameOver"].Int(), 1);
    EXPECT_EQ(over["HighScoreEntry"]["HighScore"].Int(), 1);
    EXPECT_EQ(over["HighScoreEntry"]["Text"].Text(), "Tester");
    EXPECT_EQ(over["CanUndo"].Int(), 0) << "a finished game is not taken back";
    const StateJson table = play.Screen("table");
    EXPECT_EQ(table["name"].Text(), "highscores");
    EXPECT_EQ(table["Table"].Text(), "classic");

    // The table on disk, shown by the switch of the high-score screen; the level table's file
    // is untouched.
    ScriptJourney look(game, "look.txt", kTimeout);
    look.State("levels");
    ASSERT_EQ(look.Run(With(kPlayer, {"--screen", "highscores"})), 0);
    const auto toClassic = Centre(look.Screen("levels")["Buttons"]["CLASSICSCORES"]["rect"]);
    EXPECT_EQ(look.Screen("levels")["Table"].Text(), "levels");
    ScriptJourney flip(game, "flip.txt", kTimeout);
    flip.Click(toClassic);
    flip.State("classic");
    ASSERT_EQ(flip.Run(With(kPlayer, {"--screen", "highscores"})), 0);
    const StateJson rows0 = flip.Screen("classic")["Rows"][size_t{0}];
    EXPECT_EQ(rows0["name"].Text(), "Tester");
    EXPECT_EQ(rows0["score"].Int(), 500);
    EXPECT_EQ(ReadFile(game.Shared() / "zindles.dat"), levelTable);

    // A finished game is not continued.
    ScriptJourney next(game, "next.txt", kTimeout);
    next.State("new");
    ASSERT_EQ(next.Run(With(kPlayer, {"--classic"})), 0);
    EXPECT_EQ(next.Screen("new")["Moves"].Int(), 0);
    EXPECT_EQ(next.Screen("new")["GameOver"].Int(), 0);
    EXPECT_EQ(Pieces(next.Screen("new")), 5);
}

TEST(ClassicFlowTest, DailyBoardsFollowTheDateKeepTheirBestApartAndADamagedGameIsKeptAside) {
    auto daily = [](const std::string& sandbox, const std::string& date) {
        GameProcess game(sandbox);
        ScriptJourney play(game, "daily.txt", kTimeout);
        play.State("daily");
        EXPECT_EQ(play.Run(With(kPlayer, {"--classic", "--daily", "--date", date})), 0);
        const StateJson s = play.Screen("daily");
        EXPECT_EQ(s["Daily"].Text(), date);
        return BoardOf(s) + "next " + std::to_string(s["Next3"].Ints().at(2));
    };
    const std::string first = daily("classic-daily-a", "2026-02-03");
    EXPECT_EQ(daily("classic-daily-b", "2026-02-03"), first);
    EXPECT_NE(daily("classic-daily-c", "2026-02-04"), first);

    // A daily board played to the end: its score is the day's best, kept apart from the table.
    GameProcess full("classic-daily-full");
    std::string bytes = ClassicGameFile(ClassicBoardNearlyFull(), 120);
    bytes.replace(bytes.find("daily -"), 7, "daily 2026-02-03");
    WriteSavedGame(full, bytes);
    ScriptJourney end(full, "end.txt", kTimeout);
    end.Click(Cell(8, 6));
    end.Click(Cell(8, 7));
    end.Wait(kMoveTicks + kDealTicks);
    end.State("over");
    ASSERT_EQ(end.Run(With(kPlayer, {"--classic"})), 0) << full.Stderr();
    const StateJson over = end.Screen("over");
    EXPECT_EQ(over["GameOver"].Int(), 1);
    EXPECT_EQ(over["DailyBest"]["date"].Text(), "2026-02-03");
    EXPECT_EQ(over["DailyBest"]["score"].Int(), 120);
    EXPECT_EQ(over["HighScoreEntry"]["HighScore"].Int(), 0);

    GameProcess game("classic-damaged");
    const std::string damaged = "quillox classic 1\ndaily -\nbest - 0\ngame 12\n";
    WriteSavedGame(game, damaged);
    ScriptJourney play(game, "damaged.txt", kTimeout);
    play.State("new");
    ASSERT_EQ(play.Run(With(kPlayer, {"--classic"})), 0) << game.Stderr();
    EXPECT_EQ(play.Screen("new")["Moves"].Int(), 0);
    EXPECT_EQ(Pieces(play.Screen("new")), 5);
    const fs::path saved = game.Shared() / "profiles" / "Tester.classic";
    EXPECT_EQ(ReadFile(saved.string() + ".damaged"), damaged);
    EXPECT_NE(ReadFile(saved), damaged);
    EXPECT_NE(ReadFile(game.Shared() / "ErrorLog.txt").find("Damaged file " + saved.string()),
              std::string::npos);
}

}  // namespace
