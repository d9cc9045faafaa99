#pragma once
// The current player's game: the progress record (copied whole to and from the player's
// profile), the level running now and the player's own flags. Times are logic ticks.

#include <string>

#include "store/TProgress.h"
#include "store/TSaveData.h"

class TProfile;

class TPlayer : public TProgress {
public:
    std::string Name;
    int LevelStartScore = 0;
    // The level being played, so far.
    float TimeTaken = 0.0f;
    TSaveData SaveData;

    virtual ~TPlayer() = default;

    [[nodiscard]] TProgress& Progress() { return *this; }
    [[nodiscard]] const TProgress& Progress() const { return *this; }

    // Resets for a new game. LevelStartScore and SaveData are kept.
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
