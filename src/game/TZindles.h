#pragma once
// The board's start of level and the emptying of the machine after a lost level.

#include "game/TPlayState.h"

class TZindles {
public:
    explicit TZindles(TPlayState& play) : Play(play) {}

    // Millisecond time of the last emptying step.
    double STARTTIME = 0;
    static constexpr double FAILSPEED = 150;
    static constexpr double GAMEOVERSPEED = 500;

    // Seeds the random source from the clock and empties the board.
    void Clear(double now);
    // The level's starting pieces.
    void FirstDeal();
    // Starts emptying the machine.
    void GameOver(double now);
    // One pass of the emptying; hands over to the game-over screen when it is done.
    void Logic(double now);

private:
    TPlayState& Play;
};
