#include "game/TBomb.h"

#include <algorithm>

namespace {

constexpr float ExplodeEvery = 58;
// The tutorial's bomb lesson works on this cell only.
constexpr int TutorialCellX = 5;
constexpr int TutorialCellY = 5;

}  // namespace

TBomb::TBomb(TPlayState& play, TPowers& powers) : Play(play), Powers(powers) {
    for (auto& column : ExplosionMap) column.fill(-1);
}

void TBomb::ForEachCrossCell(auto&& action) {
    for (int i = 0; i < BoardSize; ++i) {
        action(i, ExpY);
        action(ExpX, i);
    }
}

bool TBomb::Click(int x, int y) {
    if (Play.TutorialGame && (x != TutorialCellX || y != TutorialCellY)) return false;
    ExpX = x;
    ExpY = y;
    BombAnim.Start(Play.CalcAnimLength(LengthMs));
    BombX = 1000;
    Play.TutBomb = true;
    nExplosions = 0;
    doExplosion = true;
    Cleared = false;
    Play.Hooks.PowerStarted(PowerBomb);
    return true;
}

void TBomb::ClearCross() {
    ForEachCrossCell([this](int x, int y) { Play.BoardState.Board[x][y] = EMPTY; });
    Play.BoardState.PiecesOnBoard = Play.BoardState.CountOccupiedCells();
    Cleared = true;
}

void TBomb::Logic(float delta) {
    if (!BombAnim.Active) return;
    if (BombAnim.Manage(delta)) {
        // However long the passes were, the bomb never ends without having cleared.
        if (!Cleared) ClearCross();
        Powers.Active = 0;
        doExplosion = false;
        for (auto& column : ExplosionMap) column.fill(-1);
        Play.Machine.PendingDrain += Powers.BCost;
        Play.Hooks.PowerPaid(PowerBomb, DrainBurst);
        return;
    }
    const float ratio = BombAnim.GetRatio() * 1000;
    if (ratio > BombX - ExplodeEvery) return;
    const int frame = nExplosions;
    ForEachCrossCell([this, frame](int x, int y) { ExplosionMap[x][y] = frame; });
    nExplosions = std::min(nExplosions + 1, ExplosionFrames - 1);
    if (nExplosions == ClearingFrame && !Cleared) ClearCross();
    BombX = ratio;
}
