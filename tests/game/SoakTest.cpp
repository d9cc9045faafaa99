// A simple player makes random legal moves (preferring ones that make lines) and now and then
// uses a power, through whole levels of every number, checking the books after every pass.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <vector>

#include "LevelDriver.h"
#include "game/TSeededRandom.h"

namespace {

constexpr int TokenCentres[3][2] = {{59, 88}, {114, 65}, {169, 88}};

class SimplePlayer {
public:
    explicit SimplePlayer(std::uint32_t seed) : Engine(seed) {}

    // The next clicks of a move or a power, or none when nothing is worth doing.
    std::vector<std::array<int, 2>> Decide(TLevel& level) {
        const TBoardState& b = level.Play.BoardState;
        TPowers& powers = level.Powers;
        if (Chance(8)) {
            for (int power = PowerVortex; power <= PowerBomb; ++power) {
                if (powers.State(power) == 1) {
                    const auto target =
                        power == PowerPalette ? RandomCell(b, true) : RandomCell(b, false);
                    return {{TokenCentres[power - 1][0], TokenCentres[power - 1][1]},
                            Centre(target)};
                }
            }
        }
        return Move(level);
    }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(Engine) == 1; }
    static std::array<int, 2> Centre(std::array<int, 2> cell) {
        return {CellCentreX(cell[0]), CellCentreY(cell[1])};
    }
    std::array<int, 2> RandomCell(const TBoardState& b, bool piece) {
        std::vector<std::array<int, 2>> cells;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                if (!piece || IsMovablePiece(b.Board[x][y])) cells.push_back({x, y});
            }
        }
        if (cells.empty()) return {0, 0};
        return cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(Engine)];
    }
    static int RunThrough(const TCells& board, int x, int y, int flavour) {
        int best = 0;
        const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
        for (const auto& d : dirs) {
            int n = 1;
            for (int arm = -1; arm <= 1; arm += 2) {
                for (int cx = x + arm * d[0], cy = y + arm * d[1];
                     OnBoard(cx, cy) && (board[cx][cy] == flavour || board[cx][cy] == RAINBOW);
                     cx += arm * d[0], cy += arm * d[1]) {
                    ++n;
                }
            }
            best = std::max(best, n);
        }
        return best;
    }
    static int Score(const TCells& board, int x, int y, int value) {
        if (value != RAINBOW) return RunThrough(board, x, y, value);
        int best = 0;
        for (int f = FirstFlavour; f <= LastFlavour; ++f)
            best = std::max(best, RunThrough(board, x, y, f));
        return best;
    }
    std::vector<std::array<int, 2>> Move(TLevel& level) {
        TCells board = level.Play.BoardState.Board;
        struct Candidate {
            int fx, fy, tx, ty, score;
        };
        std::vector<Candidate> moves;
        for (int fx = 0; fx < BoardSize; ++fx) {
            for (int fy = 0; fy < BoardSize; ++fy) {
                const int value = board[fx][fy];
                if (!IsMovablePiece(value)) continue;
                // Cells reachable from the piece, by a flood through empty cells.
                std::array<std::array<bool, BoardSize>, BoardSize> seen{};
                std::vector<std::array<int, 2>> open = {{fx, fy}};
                board[fx][fy] = EMPTY;
                while (!open.empty()) {
                    const auto [x, y] = open.back();
                    open.pop_back();
                    const int steps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
                    for (const auto& s : steps) {
                        const int nx = x + s[0], ny = y + s[1];
                        if (!OnBoard(nx, ny) || seen[nx][ny] || board[nx][ny] != EMPTY) continue;
                        seen[nx][ny] = true;
                        open.push_back({nx, ny});
                        if (nx != fx || ny != fy) {
                            moves.push_back({fx, fy, nx, ny, Score(board, nx, ny, value)});
                        }
                    }
                }
                board[fx][fy] = value;
            }
        }
        if (moves.empty()) return {};
        std::shuffle(moves.begin(), moves.end(), Engine);
        const Candidate pick = Chance(4)
                                   ? moves.front()
                                   : *std::max_element(moves.begin(), moves.end(),
                                                       [](const Candidate& a, const Candidate& b) {
                                                           return a.score < b.score;
                                                       });
        return {Centre({pick.fx, pick.fy}), Centre({pick.tx, pick.ty})};
    }

    std::mt19937 Engine;
};

TEST(SoakTest, FiftyLevelsOfRandomPlayKeepTheBooksStraight) {
    TSeededRandom random(1);
    SimplePlayer player(2024);
    double now = 0;
    int wins = 0, losses = 0, lines = 0, powersPaid = 0;

    for (int run = 0; run < 60; ++run) {
        const int levelNumber = 1 + run % LevelCount;
        TLevel level(random, levelNumber, false, now);
        bool over = false;
        level.Play.Hooks.LevelWon = [&] { over = true, ++wins; };
        level.Play.Hooks.GameOverScreen = [&] { over = true, ++losses; };
        level.Play.Hooks.LineRemoved = [&](const TLineRemoval&) { ++lines; };
        level.Play.Hooks.PowerPaid = [&](int, int) { ++powersPaid; };

        std::vector<std::array<int, 2>> clicks;
        for (int pass = 0; !over; ++pass) {
            ASSERT_LT(pass, 400000) << "level " << levelNumber << " never ended";
            const TBoardState& b = level.Play.BoardState;
            const TMachine& m = level.Play.Machine;
            const bool settled = !level.Play.Selection.PieceMoving && !level.Preview.InFlight() &&
                                 b.DealtToCheck == 0 && !level.AnyPowerAnimating();
            if (settled) {
                ASSERT_EQ(b.PiecesOnBoard, b.CountOccupiedCells()) << "level " << levelNumber;
            }
            ASSERT_GE(m.MachineFill, 0);
            ASSERT_LE(m.MachineFill, MachineFull);
            ASSERT_GE(m.LevelScore, 0);
            ASSERT_LE(m.LevelScore, StartLevelScore);
            ASSERT_GE(m.PendingFill, 0);
            ASSERT_GE(m.PendingDrain, 0);

            TPassInput input;
            input.Now = now;
            if (clicks.empty() && settled && level.Powers.Active == 0 && !m.MachineEmptying &&
                !m.Full()) {
                clicks = player.Decide(level);
                std::reverse(clicks.begin(), clicks.end());
            }
            if (!clicks.empty() && pass % 2 == 0) {
                input.MouseHit = true;
                input.MouseX = clicks.back()[0];
                input.MouseY = clicks.back()[1];
                clicks.pop_back();
            }
            level.Logic(input);
            now += 5;
        }
    }
    EXPECT_GT(losses, 0);
    EXPECT_GT(lines, 100);
    EXPECT_GT(powersPaid, 10);
    std::printf("soak: %d wins, %d losses, %d lines, %d powers\n", wins, losses, lines, powersPaid);
}

}  // namespace
