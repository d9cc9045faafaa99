#include "game/TMachine.h"

#include <algorithm>
#include <cmath>

void TMachine::CancelPending() {
    if (PendingFill == 0 || PendingDrain == 0) return;
    if (PendingFill >= PendingDrain) {
        PendingFill -= PendingDrain;
        PendingDrain = 0;
    } else {
        PendingDrain -= PendingFill;
        PendingFill = 0;
    }
}

bool TMachine::Step(float delta, float pixelSteps) {
    if (GlobeCounter > 0) GlobeCounter -= delta;
    if (GlobeCounter >= 1) return false;
    GlobeCounter = pixelSteps;

    // Once the level is lost the machine only empties: late lines must not fill it up and win
    // a level whose loss is already booked.
    if (MachineEmptying) PendingFill = 0;
    if (PendingFill > 0) {
        PendingFill -= 1;
        MachineFill += 1;
        if (MachineFill >= MachineFull) {
            MachineFill = MachineFull;
            FanfarePending = true;
            LevelWonPending = true;
        }
    }
    if (PendingDrain > 0) {
        PendingDrain -= 1;
        MachineFill = std::max(0.0f, MachineFill - 1);
        return true;
    }
    return false;
}

void TMachine::ClockStep(float delta, float secondSteps) {
    if (SecCounter > 0) SecCounter -= delta;
    if (SecCounter >= 1) return;
    LevelScore = std::max(0, LevelScore - 1);
    SecCounter = secondSteps;
}

int TMachine::StepsUntilScoreTicks() const {
    // ClockStep takes the point on the step that brings the counter below one.
    return LevelScore > 0 ? std::max(1, static_cast<int>(std::floor(SecCounter))) : 0;
}

void TMachine::AddToLevelScore(int points) {
    LevelScore = std::clamp(LevelScore + points, 0, StartLevelScore);
}
