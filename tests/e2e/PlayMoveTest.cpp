// A move played on the real screen: the built game started on level 2 with a seed (a new
// player's level 1 is the tutorial's fixed board), a click on a piece and a click on an empty
// cell next to it, then the state dump shows the piece moved and the three pieces of the
// following deal landed.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GameProcess.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTimeout = 120;
constexpr int kBoardLeft = 234, kBoardTop = 30, kCell = 60;

using Board = std::array<std::array<int, 9>, 9>;

// The "Board" of a state dump: nine columns of nine cells, Board[x][y].
std::optional<Board> ParseBoard(const std::string& json) {
    const auto key = json.find("\"Board\"");
    if (key == std::string::npos) return std::nullopt;
    Board board{};
    size_t pos = json.find("[[", key);
    if (pos == std::string::npos) return std::nullopt;
    int read = 0;
    while (read < 81 && pos < json.size()) {
        if (json[pos] >= '0' && json[pos] <= '9') {
            size_t end = pos;
            const int value = std::stoi(json.substr(pos), &end);
            board[read / 9][read % 9] = value;
            ++read;
            pos += end;
        } else {
            ++pos;
        }
    }
    if (read != 81) return std::nullopt;
    return board;
}

int IntField(const std::string& json, const std::string& name) {
    const auto key = json.find("\"" + name + "\"");
    if (key == std::string::npos) return -1;
    return std::stoi(json.substr(json.find(':', key) + 1));
}

std::string ClickOn(int tick, int x, int y) {
    return std::to_string(tick) + " click " + std::to_string(kBoardLeft + kCell * x + kCell / 2) +
           " " + std::to_string(kBoardTop + kCell * y + kCell / 2) + "\n";
}

int Occupied(const Board& board) {
    int n = 0;
    for (const auto& column : board) {
        for (int cell : column) n += cell != 0 ? 1 : 0;
    }
    return n;
}

TEST(PlayMoveTest, APieceClickedAndSentNextDoorMovesAndThreePiecesAreDealt) {
    const std::vector<std::string> start = {"--ticks-per-frame", "1", "--seed",   "21",
                                            "--level",           "2", "--player", "Tester"};

    // The seed fixes the starting board: look at it first.
    GameProcess look("play-look");
    const fs::path first = look.Sandbox() / "first.json";
    auto args = start;
    args.insert(
        args.end(),
        {"--script",
         look.WriteScript("look.txt", "5 state " + first.string() + "\n6 quit\n").string()});
    ASSERT_EQ(look.Run(args, kTimeout), 0) << look.Stderr();
    const std::string before = ReadFile(first);
    const auto board = ParseBoard(before);
    ASSERT_TRUE(board) << before;
    ASSERT_EQ(Occupied(*board), 6) << before;

    // A piece with an empty neighbour (every opening board has one).
    int px = -1, py = -1, tx = -1, ty = -1;
    for (int x = 0; x < 9 && px < 0; ++x) {
        for (int y = 0; y < 9 && px < 0; ++y) {
            if ((*board)[x][y] < 2) continue;
            const int steps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
            for (const auto& s : steps) {
                const int nx = x + s[0], ny = y + s[1];
                if (nx < 0 || nx > 8 || ny < 0 || ny > 8 || (*board)[nx][ny] != 0) continue;
                px = x, py = y, tx = nx, ty = ny;
                break;
            }
        }
    }
    ASSERT_GE(px, 0);

    GameProcess play("play-move");
    const fs::path after = play.Sandbox() / "after.json";
    args = start;
    const std::string script =
        ClickOn(10, px, py) + ClickOn(20, tx, ty) + "200 state " + after.string() + "\n201 quit\n";
    args.insert(args.end(), {"--script", play.WriteScript("move.txt", script).string()});
    ASSERT_EQ(play.Run(args, kTimeout), 0) << play.Stderr();
    const std::string json = ReadFile(after);
    const auto moved = ParseBoard(json);
    ASSERT_TRUE(moved) << json;
    EXPECT_EQ((*moved)[px][py], 0) << json;
    EXPECT_EQ((*moved)[tx][ty], (*board)[px][py]) << json;
    EXPECT_EQ(Occupied(*moved), 9) << "three dealt pieces joined the six: " << json;
    EXPECT_EQ(IntField(json, "PiecesOnBoard"), 9) << json;
    EXPECT_EQ(IntField(json, "PieceMoving"), 0) << json;
    EXPECT_EQ(IntField(json, "SelectedValue"), 0) << json;
    EXPECT_EQ(IntField(json, "Level"), 2) << json;
}

}  // namespace
