#pragma once
// The best score and the best time of every level with the names of the players who set them,
// shared by all players, indexed by level - 1. TSaveBest keeps them in "stats.dat".

#include <array>
#include <string>

#include "store/LevelCount.h"

inline const std::string DefaultBestScoreName = "------------";
inline const std::string DefaultBestTimeName = "-----------";

struct TBestResults {
    std::array<int, LevelCount> BestLevelScores{};
    std::array<std::string, LevelCount> BestLevelScoreNames{};
    // Winning times in logic ticks; 0 means no time yet.
    std::array<int, LevelCount> BestLevelTimes{};
    std::array<std::string, LevelCount> BestLevelTimeNames{};

    // "New " when the level just won set the record, else empty.
    std::string NewScoreMark;
    std::string NewTimeMark;

    // No records: scores and times 0 under the default names.
    void Defaults() {
        BestLevelScores.fill(0);
        BestLevelScoreNames.fill(DefaultBestScoreName);
        BestLevelTimes.fill(0);
        BestLevelTimeNames.fill(DefaultBestTimeName);
    }
};
