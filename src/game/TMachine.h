#pragma once
// The zindle machine and the level clock: fill earned and spent, shown one pixel at a time,
// and the level score that counts down once a second.

#include "game/LevelTables.h"

class TMachine {
public:
    // Fill in pixels of height, 0 to MachineFull.
    float MachineFill = 0;
    // Earned by removed pieces and not yet shown.
    float PendingFill = 0;
    // Spent on powers and not yet taken away. A finished power adds its cost, so one that ends
    // while another's still drains does not forgive the rest.
    float PendingDrain = 0;
    // The machine is being emptied after a lost level.
    bool MachineEmptying = false;
    // The level has been handed over to the game-over screen; nothing more is judged.
    bool LevelOver = false;
    int LevelScore = StartLevelScore;
    bool LevelWonPending = false;
    bool FanfarePending = false;
    // Logic steps until the clock's next point and the machine's next pixel.
    float SecCounter = 0;
    float GlobeCounter = 0;
    // Time spent on the level, in logic steps.
    float TimeTaken = 0;

    bool Full() const { return MachineFill >= MachineFull; }
    // Fill and drain booked in the same pass cancel before the machine moves.
    void CancelPending();
    // One machine step; `pixelSteps` is the number of logic steps per pixel (20 ms).
    // Returns true when a pixel was drained, after which the power tokens are re-rated.
    bool Step(float delta, float pixelSteps);
    // One clock step; `secondSteps` is the number of logic steps in a second.
    void ClockStep(float delta, float secondSteps);
    void AddToLevelScore(int points);
    // Logic steps before the clock next takes a point, 0 once there is none left to take.
    [[nodiscard]] int StepsUntilScoreTicks() const;
};
