#pragma once
// The vortex power: the whole board is shuffled about ten times over a second.

#include "game/TPassInput.h"
#include "game/TPlayState.h"
#include "game/TPowers.h"
#include "game/TStepTimer.h"

class TVortex {
public:
    TVortex(TPlayState& play, TPowers& powers) : Play(play), Powers(powers) {}

    static constexpr float LengthMs = 1000;
    static constexpr int DrainBurst = 4;

    TStepTimer VortexAnim;
    // Animation ratio x 1000 at the last sweep.
    float VortexX = 1000;

    void Start();
    // One pass; true on the pass the vortex finishes (the board is then checked for lines).
    bool Logic(const TPassInput& input);
    void ShuffleSweep();

private:
    void SetTutorialBoard(double now);

    TPlayState& Play;
    TPowers& Powers;
};
