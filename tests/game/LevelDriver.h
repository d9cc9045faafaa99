#pragma once
// Runs a level pass by pass as the play screen would, with clicks on the real screen
// coordinates and a millisecond clock that follows the passes (5 ms a step).

#include <memory>

#include "game/TLevel.h"

class LevelDriver {
public:
    LevelDriver(TRandomSource& random, int level, bool tutorial = false)
        : Level(std::make_unique<TLevel>(random, level, tutorial, 0.0)) {}

    TLevel& L() { return *Level; }
    TPlayState& P() { return Level->Play; }
    TBoardState& B() { return Level->Play.BoardState; }
    TMachine& M() { return Level->Play.Machine; }

    void Pass(bool hit = false, int mouseX = 0, int mouseY = 0) {
        TPassInput input;
        input.MouseX = mouseX;
        input.MouseY = mouseY;
        input.MouseHit = hit;
        input.Now = Now;
        input.Delta = Delta;
        Level->Logic(input);
        Now += 5 * Delta;
    }
    void ClickCell(int x, int y) { Pass(true, CellCentreX(x), CellCentreY(y)); }
    void ClickAt(int mouseX, int mouseY) { Pass(true, mouseX, mouseY); }
    void Passes(int n) {
        for (int i = 0; i < n; ++i) Pass();
    }
    // Passes until the condition holds; false if it never did within `limit` passes.
    template <typename Condition>
    bool RunUntil(Condition condition, int limit = 10000) {
        for (int i = 0; i < limit; ++i) {
            if (condition()) return true;
            Pass();
        }
        return condition();
    }

    double Now = 0;
    // Logic steps per pass; above 1 for a machine that cannot keep up.
    float Delta = 1;

private:
    std::unique_ptr<TLevel> Level;
};
