#pragma once
// A player's progress through the levels, as one record: what the profile keeps from the start
// of the level being played, and what the running game changes. Times are logic ticks.

struct TProgress {
    int Level = 1;
    // The highest level the player may choose.
    int Unlocked = 1;
    int Score = 0;
    int TotalTimeTaken = 0;
    int Lives = 3;
    int TotalKills = 0;
};
