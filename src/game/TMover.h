#pragma once
// The piece on its way along the found path: position on screen, the leg it is on, and the
// put-down at the destination.

#include <array>

#include "game/TPathfinder.h"
#include "game/TPlayState.h"

class TMover {
public:
    TMover(TPlayState& play, TPathfinder& pathfinder) : Play(play), Pathfinder(pathfinder) {}

    enum Direction { Up = 0, Left = 1, Down = 2, Right = 3 };
    // Pixels per logic step.
    static constexpr float Speed = 3;

    // Screen centre of the carried piece; drawn only while Visible.
    float X = 0;
    float Y = 0;
    bool Visible = false;
    // Value of the carried piece.
    int ImageFrame = 0;
    // Index into the route of the cell being left; 0 once arrived.
    int PathPointer = 0;
    // Set when the piece has been put down; the play screen clears it after the line check.
    bool MoveComplete = false;
    int StartingX = 0;
    int StartingY = 0;
    int TargetX = 0;
    int TargetY = 0;
    int FinalX = 0;
    int FinalY = 0;
    int Dir = Up;

    // Starts carrying the piece on (sx, sy) to (dx, dy); false when there is no path.
    bool InitSprite(int sx, int sy, int dx, int dy);
    void Logic(float delta);

private:
    void GetDirection();

    TPlayState& Play;
    TPathfinder& Pathfinder;
    // The route being followed, (x, y) pairs, destination first.
    std::array<int, 2 * BoardSize * BoardSize> Route{};
};
