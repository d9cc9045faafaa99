// The route a piece takes: only through empty cells, and exactly the route the search's
// neighbour order and open-list rule pick among equal ones.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "BoardPicture.h"
#include "game/TPathfinder.h"

namespace {

class PathfinderTest : public ::testing::Test {
protected:
    void Picture(const std::vector<std::string>& rows) {
        SetBoard(State, rows);
        Finder.SetMap(&State.Board);
    }
    std::vector<std::pair<int, int>> Route() const {
        std::vector<std::pair<int, int>> cells;
        for (int i = 0; i < Finder.PathLength; ++i) {
            cells.emplace_back(Finder.PathSteps[2 * i], Finder.PathSteps[2 * i + 1]);
        }
        return cells;
    }

    TBoardState State;
    TPathfinder Finder;
};

using Cells = std::vector<std::pair<int, int>>;

TEST_F(PathfinderTest, GoesRoundAWallDownAcrossAndUp) {
    Picture({"2#.......", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    ASSERT_TRUE(Finder.FindPath(0, 0, 2, 0));
    // Destination first, start last: down, right, right, up.
    EXPECT_EQ(Route(), (Cells{{2, 0}, {2, 1}, {1, 1}, {0, 1}, {0, 0}}));
}

TEST_F(PathfinderTest, OnAnOpenBoardTheRowComesFirst) {
    Picture({"3........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    ASSERT_TRUE(Finder.FindPath(0, 0, 2, 2));
    EXPECT_EQ(Route(), (Cells{{2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}}));
}

TEST_F(PathfinderTest, FollowsTheOnlyCorridorThroughAMaze) {
    Picture({"4.#......", "#.#.####.", "..#.#....", ".##.#.###", "....#....", "####.###.",
             ".........", ".........", "........."});
    ASSERT_TRUE(Finder.FindPath(0, 0, 3, 0));
    const Cells route = Route();
    EXPECT_EQ(route.front(), std::make_pair(3, 0));
    EXPECT_EQ(route.back(), std::make_pair(0, 0));
    for (size_t i = 1; i < route.size(); ++i) {
        const int step = std::abs(route[i].first - route[i - 1].first) +
                         std::abs(route[i].second - route[i - 1].second);
        EXPECT_EQ(step, 1) << "steps are to a side neighbour";
        if (i + 1 < route.size()) {
            EXPECT_EQ(State.Board[route[i].first][route[i].second], EMPTY);
        }
    }
    // Start, (1,0) (1,1) (1,2) (0,2) (0,3) (0,4) (1,4) (2,4) (3,4) (3,3) (3,2) (3,1) (3,0).
    EXPECT_EQ(Finder.PathLength, 14);
}

TEST_F(PathfinderTest, PiecesBlackjacksAndLandingCellsAreWalls) {
    Picture({"5*.......", "#........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    EXPECT_FALSE(Finder.FindPath(0, 0, 5, 5));
    EXPECT_EQ(Finder.PathLength, 0);
    // Nothing can land on a taken cell, whatever lies between.
    EXPECT_FALSE(Finder.FindPath(2, 0, 1, 0));
    EXPECT_FALSE(Finder.FindPath(2, 0, 0, 1));
}

TEST_F(PathfinderTest, SameCellIsFoundWithoutARoute) {
    Picture({"6........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    EXPECT_TRUE(Finder.FindPath(0, 0, 0, 0));
    EXPECT_EQ(Finder.PathLength, 0);
    EXPECT_FALSE(Finder.FindPath(0, 0, 9, 0)) << "off the board";
}

// The cells a picked-up piece can reach come from one flood, not a search per cell: on boards
// of every fullness, they must be exactly the cells a search finds a route to.
TEST_F(PathfinderTest, ReachIsEveryCellASearchFindsARouteTo) {
    std::srand(11);
    for (int board = 0; board < 300; ++board) {
        const int fill = board % 10;  // tenths of the board taken
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y)
                State.Board[x][y] = std::rand() % 10 < fill ? 1 + std::rand() % 7 : EMPTY;
        }
        Finder.SetMap(&State.Board);
        const int sx = std::rand() % BoardSize, sy = std::rand() % BoardSize;
        std::array<std::array<bool, BoardSize>, BoardSize> reach{};
        Finder.Reach(sx, sy, reach);
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const bool routed = Finder.FindPath(sx, sy, x, y) && Finder.PathLength != 0;
                ASSERT_EQ(reach[x][y], routed)
                    << "board " << board << " from " << sx << "," << sy << " to " << x << "," << y;
            }
        }
    }
}

}  // namespace
