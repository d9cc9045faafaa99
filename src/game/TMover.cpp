#include "game/TMover.h"

bool TMover::InitSprite(int sx, int sy, int dx, int dy) {
    if (!OnBoard(sx, sy)) return false;
    Pathfinder.FindPath(sx, sy, dx, dy);
    if (Pathfinder.PathLength == 0) return false;

    Route = Pathfinder.PathSteps;
    PathPointer = 2 * Pathfinder.PathLength;
    int& start = Play.BoardState.Board[sx][sy];
    ImageFrame = start;
    X = static_cast<float>(CellCentreX(sx));
    Y = static_cast<float>(CellCentreY(sy));
    FinalX = dx;
    FinalY = dy;
    Visible = true;
    Play.Selection.PieceMoving = true;
    // The piece now travels on the mover; its cell is free for other searches.
    start = EMPTY;
    GetDirection();
    MoveComplete = false;
    return true;
}

void TMover::GetDirection() {
    PathPointer -= 2;
    if (PathPointer <= 0) {
        PathPointer = 0;
        return;
    }
    const int fromX = Route[PathPointer];
    const int fromY = Route[PathPointer + 1];
    const int toX = Route[PathPointer - 2];
    const int toY = Route[PathPointer - 1];
    StartingX = CellCentreX(fromX);
    StartingY = CellCentreY(fromY);
    TargetX = CellCentreX(toX);
    TargetY = CellCentreY(toY);
    Play.Hooks.MoverLeftCell(fromX, fromY);
    if (fromX == toX) {
        Dir = toY > fromY ? Down : Up;
    } else {
        Dir = toX > fromX ? Right : Left;
    }
}

void TMover::Logic(float delta) {
    if (!Play.Selection.PieceMoving) return;
    const float step = Speed * delta;
    bool reached = false;
    switch (Dir) {
        case Up:
            Y -= step;
            reached = Y <= TargetY;
            break;
        case Left:
            X -= step;
            reached = X <= TargetX;
            break;
        case Down:
            Y += step;
            reached = Y >= TargetY;
            break;
        default:
            X += step;
            reached = X >= TargetX;
            break;
    }
    if (reached) {
        X = static_cast<float>(TargetX);
        Y = static_cast<float>(TargetY);
        GetDirection();
    }
    if (PathPointer == 0) {
        Play.Selection.PieceMoving = false;
        Visible = false;
        Play.BoardState.Board[FinalX][FinalY] = ImageFrame;
        MoveComplete = true;
    }
}
