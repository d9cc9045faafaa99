#include "game/TClassicLines.h"

#include <algorithm>

namespace {

constexpr int FivePoints = 10;
constexpr int PointsPerExtraPiece = 5;

}  // namespace

int TClassicLines::Run(const TCells& board, int x, int y, int flavour, int stepX, int stepY) {
    int n = 1;
    for (int arm = 1; arm >= -1; arm -= 2) {
        int cx = x + arm * stepX, cy = y + arm * stepY;
        while (OnBoard(cx, cy) && board[cx][cy] == flavour) {
            ++n;
            cx += arm * stepX;
            cy += arm * stepY;
        }
    }
    return n;
}

int TClassicLines::LongestRun(const TCells& board, int x, int y, int flavour) {
    int longest = 0;
    for (const auto& d : Directions)
        longest = std::max(longest, Run(board, x, y, flavour, d[0], d[1]));
    return longest;
}

TClassicLines::TFound TClassicLines::Find(const TCells& board, int x, int y) {
    TFound found;
    if (!OnBoard(x, y)) return found;
    const int flavour = board[x][y];
    if (flavour < FirstFlavour || flavour > LastFlavour) return found;
    found.Cells.push_back({x, y});
    for (const auto& d : Directions) {
        const int length = Run(board, x, y, flavour, d[0], d[1]);
        if (length < LineLen) continue;
        found.Lengths.push_back(length);
        for (int arm = 1; arm >= -1; arm -= 2) {
            for (int cx = x + arm * d[0], cy = y + arm * d[1];
                 OnBoard(cx, cy) && board[cx][cy] == flavour; cx += arm * d[0], cy += arm * d[1]) {
                found.Cells.push_back({cx, cy});
            }
        }
    }
    if (found.Lengths.empty()) found.Cells.clear();
    return found;
}

int TClassicLines::LinePoints(int length) {
    return length < LineLen ? 0 : FivePoints + PointsPerExtraPiece * (length - LineLen);
}

int TClassicLines::Points(const std::vector<int>& lengths) {
    int sum = 0;
    for (int length : lengths) sum += LinePoints(length);
    return sum * static_cast<int>(lengths.size());
}

int TClassicLines::PointsIfPlaced(const TCells& board, int x, int y, int flavour) {
    std::vector<int> lengths;
    for (const auto& d : Directions) {
        const int length = Run(board, x, y, flavour, d[0], d[1]);
        if (length >= LineLen) lengths.push_back(length);
    }
    return Points(lengths);
}
