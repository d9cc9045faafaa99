#include "store/Progress.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "store/TSaveBest.h"

namespace {

// Whole ticks of a level time, never negative and never beyond an int.
int LevelTicks(double time) {
    if (!std::isfinite(time) || time <= 0.0) return 0;
    return static_cast<int>(std::min(time, static_cast<double>(INT_MAX)));
}

// The total is whole ticks, so adding the truncated level time equals truncating the sum; a
// broken level time then cannot wipe out the total.
void BookLevelTime(TPlayer& player) {
    const std::int64_t total =
        static_cast<std::int64_t>(player.TotalTimeTaken) + LevelTicks(player.TimeTaken);
    player.TotalTimeTaken = static_cast<int>(std::clamp<std::int64_t>(total, 0, INT_MAX));
}

}  // namespace

void ProgressGameStart(TPlayer& player, TProfile* profile) {
    player.InitStats();
    player.ReadProfile(profile, 0);
}

bool ProgressLevelChosen(TPlayer& player, TProfile* profile, int level) {
    if (level < 1 || level > std::min(player.Unlocked, LevelCount)) return false;
    player.Level = level;
    player.WriteProfile(profile);
    if (player.SaveData.FirstTime == 1) {
        player.SaveData.FirstTime = 0;
        if (profile != nullptr) profile->Save();
    }
    return true;
}

void ProgressLevelStart(TPlayer& player) {
    player.LevelStartScore = player.Score;
    player.TimeTaken = 0.0f;
}

void ProgressLevelWon(TPlayer& player, int levelScore, TSaveBest& best) {
    BookLevelTime(player);
    const std::int64_t score = static_cast<std::int64_t>(player.Score) + levelScore;
    player.Score = static_cast<int>(std::clamp<std::int64_t>(score, 0, INT_MAX));
    UpdateBestResults(player, levelScore, best);
}

void ProgressLevelLost(TPlayer& player) {
    BookLevelTime(player);
}

void UpdateBestResults(const TPlayer& player, int levelScore, TSaveBest& best) {
    TBestResults& results = best.Results;
    results.NewScoreMark.clear();
    results.NewTimeMark.clear();
    if (player.Level < 1 || player.Level > LevelCount) return;
    const int index = player.Level - 1;
    if (results.BestLevelScores[index] < levelScore) {
        results.BestLevelScores[index] = levelScore;
        results.BestLevelScoreNames[index] = player.Name;
        results.NewScoreMark = "New ";
    }
    const int ticks = LevelTicks(player.TimeTaken);
    if (results.BestLevelTimes[index] == 0 || results.BestLevelTimes[index] > ticks) {
        results.BestLevelTimes[index] = ticks;
        results.BestLevelTimeNames[index] = player.Name;
        results.NewTimeMark = "New ";
    }
    best.Save();
}

bool ProgressLevelComplete(TPlayer& player, TProfile* profile) {
    player.Level += 1;
    // Past the last level it stands one beyond it; whatever offers levels stops at the last.
    if (player.Level > player.Unlocked) player.Unlocked = player.Level;
    if (player.Level > LevelCount) {
        player.Level -= 1;
        player.ProfileGameOver(profile, 1);
        return true;
    }
    player.WriteProfile(profile);
    return false;
}

void ProgressGameOver(TPlayer& player, TProfile* profile) {
    player.ProfileGameOver(profile, 1);
}

void ProgressTutorialEnded(TPlayer& player, TProfile* profile) {
    player.SaveData.Tutorial = 0;
    if (profile != nullptr) profile->Save();
}

void ProgressSaveAndExit(TProfile* profile) {
    if (profile != nullptr) profile->Save();
}
