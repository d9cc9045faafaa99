#pragma once
// The best score and the best time of every level with the names of the players who set them,
// shared by all players, indexed by level - 1. TSaveBest keeps them in "stats.dat".

#include <array>
#include <string>

#include "store/LevelCount.h"

inline const std::string DefaultBestScoreName = "------------";
inline const std::string DefaultBestTimeName = "-----------";

inline std::array<int, LevelCount> BestLevelScores{};
inline std::array<std::string, LevelCount> BestLevelScoreNames{};
// Winning times in logic ticks; 0 means no time yet.
inline std::array<int, LevelCount> BestLevelTimes{};
inline std::array<std::string, LevelCount> BestLevelTimeNames{};

// "New " when the level just won set the record, else empty.
inline std::string NewScoreMark;
inline std::string NewTimeMark;
