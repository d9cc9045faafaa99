#pragma once
// The current player's progress through the 15 levels, read from and written to the player's
// profile. Times are logic ticks.

#include <string>

#include "store/TSaveData.h"

class TProfile;

class TPlayer {
public:
    std::string Name;
    int Alive = 1;
    int Level = 1;
    int Unlocked = 1;
    int Score = 0;
    int LevelStartScore = 0;
    int Lives = 3;
    int Kills = 0;
    int TotalKills = 0;
    float Shields = 100.0f;
    float MaxShields = 100.0f;
    int NoChecks = 0;
    int Target = 0;
    float TimeTaken = 0.0f;
    int TotalTimeTaken = 0;
    TSaveData SaveData;

    virtual ~TPlayer() = default;

    // Resets for a new game. LevelStartScore, Kills, Shields and SaveData are kept.
    virtual void InitStats();
    // Takes the profile's progress (loading the file first when reload is non-zero). Values a
    // damaged file could hold out of range are brought back into play: the level to 1..15, the
    // unlocked level to at least the level, score and time to 0 or more. 0 when there is no
    // profile.
    virtual int ReadProfile(TProfile* profile, int reload);
    // Stores the progress in the profile and saves it. 0 when there is no profile.
    virtual int WriteProfile(TProfile* profile);
    // Resets the profile's game (level 1, score 0, time 0) but keeps its unlocked levels; saves
    // when save is non-zero. 0 when there is no profile.
    virtual int ProfileGameOver(TProfile* profile, int save);
};
