#include "game/TPathfinder.h"

#include <cstdlib>

namespace {

constexpr float StepCost = 0.1f;
constexpr float Root2 = 1.4142f;
constexpr int Neighbours[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

}  // namespace

void TPathfinder::Reach(int startX, int startY,
                        std::array<std::array<bool, BoardSize>, BoardSize>& out) const {
    for (auto& column : out) column.fill(false);
    if (PathMap == nullptr || !OnBoard(startX, startY)) return;
    std::array<int, 2 * BoardSize * BoardSize> queue{};
    int head = 0, tail = 0;
    queue[tail++] = startX;
    queue[tail++] = startY;
    while (head < tail) {
        const int x = queue[head++], y = queue[head++];
        for (const auto& step : Neighbours) {
            const int nx = x + step[0], ny = y + step[1];
            if (!Free(nx, ny) || out[nx][ny] || (nx == startX && ny == startY)) continue;
            out[nx][ny] = true;
            queue[tail++] = nx;
            queue[tail++] = ny;
        }
    }
}

bool TPathfinder::FindPath(int startX, int startY, int destX, int destY) {
    PathLength = 0;
    if (startX == destX && startY == destY) return true;
    if (PathMap == nullptr || !OnBoard(startX, startY) || !Free(destX, destY)) return false;

    for (auto& column : NodeAt) column.fill(-1);
    int count = 0;
    PathNodes[count] = TPath{startX, startY, -1, 0, 0, -1};
    NodeAt[startX][startY] = count++;

    int found = -1;
    for (int current = 0; current != -1 && found == -1; current = PathNodes[current].After) {
        const TPath here = PathNodes[current];
        for (const auto& step : Neighbours) {
            const int nx = here.X + step[0];
            const int ny = here.Y + step[1];
            if (!Free(nx, ny)) continue;
            const float value = static_cast<float>((*PathMap)[nx][ny]);
            const int existing = NodeAt[nx][ny];
            if (existing == -1) {
                const float dist =
                    static_cast<float>(std::abs(nx - destX) + std::abs(ny - destY)) / 8.0f;
                const int added = count++;
                PathNodes[added] = TPath{nx, ny, current, here.Cost + StepCost + value, dist, -1};
                NodeAt[nx][ny] = added;
                // Equal totals keep the older node first.
                const float total = PathNodes[added].Cost + PathNodes[added].Dist;
                int at = current;
                while (PathNodes[at].After != -1 &&
                       PathNodes[PathNodes[at].After].Cost + PathNodes[PathNodes[at].After].Dist <=
                           total) {
                    at = PathNodes[at].After;
                }
                PathNodes[added].After = PathNodes[at].After;
                PathNodes[at].After = added;
                if (nx == destX && ny == destY) {
                    found = added;
                    break;
                }
            } else if (PathNodes[existing].Cost > here.Cost + StepCost + Root2 * value) {
                PathNodes[existing].Parent = current;
                PathNodes[existing].Cost = here.Cost + StepCost + value;
            }
        }
    }
    if (found == -1) return false;

    int length = 0;
    for (int node = found; node != -1 && length < BoardSize * BoardSize;
         node = PathNodes[node].Parent) {
        PathSteps[2 * length] = PathNodes[node].X;
        PathSteps[2 * length + 1] = PathNodes[node].Y;
        ++length;
    }
    PathLength = length;
    return true;
}
