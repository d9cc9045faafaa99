#pragma once
// The preview of the next three pieces and the deal that sends them onto the board.

#include <array>

#include "game/TPlayState.h"

class TPreview {
public:
    explicit TPreview(TPlayState& play) : Play(play) {}

    // Deal animation progress; 1 means no deal is in flight, and a deal starts this small.
    float NextScale = 1;
    static constexpr float DealStartScale = 0.017f;
    // Pieces in the deal in flight (0 to 3).
    int count = 0;
    // Deals chosen this level (normal game only).
    int dealCnt = 0;
    // The next three pieces, shown in the preview.
    std::array<int, 3> Next3{2, 2, 2};
    // The pieces of the deal in flight, by slot.
    std::array<int, 3> Last3{2, 2, 2};

    // The tutorial's scripted preview pieces and landing cells, as (x, y) pairs.
    static constexpr std::array<int, 6> TutBalls = {11, 5, 1, 3, 2, 4};
    static constexpr std::array<int, 12> TutCoors = {0, 1, 2, 2, 4, 5, 3, 7, 5, 5, 1, 6};
    int TutBallCount = 0;
    int TutCoorsCount = 0;

    bool InFlight() const { return NextScale < 1; }
    // Moves the preview into the deal and chooses the next three.
    void NextDeal();
    // Starts a deal onto the empty cells; does nothing while a deal is in flight.
    void Deal();
    // One pass of the deal animation; the pieces land at its end.
    void logic(float delta);
    // Cells holding exactly 0: reserved cells are not empty.
    int CountEmptySquares() const { return Play.BoardState.CountEmptySquares(); }

private:
    std::array<int, 2> ChooseLandingCell();
    std::array<int, 2> RandomEmptyCell();

    TPlayState& Play;
};
