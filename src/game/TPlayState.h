#pragma once
// Everything the rules of one level share: the board, the selection, the machine, the
// tutorial's progress, the event hooks and where random numbers and step lengths come from.

#include <functional>
#include <utility>

#include "game/LevelTables.h"
#include "game/TBoardState.h"
#include "game/TMachine.h"
#include "game/TPlayHooks.h"
#include "game/TRandomSource.h"
#include "game/TSelection.h"

class TPlayState {
public:
    TPlayState(TRandomSource& random, int level, bool tutorialGame,
               std::function<float(float)> calcAnimLength)
        : Level(ClampLevel(level)),
          TutorialGame(tutorialGame),
          Random(random),
          CalcAnimLength(std::move(calcAnimLength)) {}
    TPlayState(const TPlayState&) = delete;
    TPlayState& operator=(const TPlayState&) = delete;

    int Level;
    // Level 1 played as the scripted tutorial.
    bool TutorialGame;
    TRandomSource& Random;
    // Milliseconds to logic steps at the host's current speed.
    std::function<float(float)> CalcAnimLength;

    TBoardState BoardState;
    TSelection Selection;
    TMachine Machine;
    TPlayHooks Hooks;

    // The tutorial's step (0 outside it) and the powers it is waiting to see used.
    int TutStep = 0;
    bool TutVortex = false;
    bool TutPalette = false;
    bool TutBomb = false;
};
