#include "store/TPlayer.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "store/LevelCount.h"
#include "store/TProfile.h"

namespace {

// Whole ticks of a stored time; a damaged file's NaN, infinity or huge value must not reach an
// integer conversion.
int WholeTicks(double time) {
    if (!std::isfinite(time) || time <= 0.0) return 0;
    if (time >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(time);
}

}  // namespace

void TPlayer::InitStats() {
    Name.clear();
    Level = 1;
    Unlocked = 1;
    Score = 0;
    Lives = 3;
    TotalKills = 0;
    Target = 10;
    TimeTaken = 0.0f;
    TotalTimeTaken = 0;
    Alive = 1;
}

int TPlayer::ReadProfile(TProfile* profile, int reload) {
    if (profile == nullptr) return 0;
    if (reload != 0) profile->Load();
    Name = profile->Name;
    Level = std::clamp(profile->CurrentLevel, 1, LevelCount);
    Score = std::max(profile->Score, 0);
    Lives = profile->Lives;
    TotalKills = profile->Kills;
    TotalTimeTaken = WholeTicks(profile->TimeTaken);
    const std::int64_t unlocked = static_cast<std::int64_t>(profile->LockedLevel) - 1;
    Unlocked = static_cast<int>(std::clamp<std::int64_t>(unlocked, Level, LevelCount));
    return 1;
}

int TPlayer::WriteProfile(TProfile* profile) {
    if (profile == nullptr) return 0;
    profile->Name = Name;
    profile->CurrentLevel = Level;
    profile->Score = Score;
    profile->Lives = Lives;
    profile->Kills = TotalKills;
    profile->TimeTaken = static_cast<double>(TotalTimeTaken);
    profile->LockedLevel = Unlocked + 1;
    profile->Save();
    return 1;
}

int TPlayer::ProfileGameOver(TProfile* profile, int save) {
    if (profile == nullptr) return 0;
    profile->Score = 0;
    profile->CurrentLevel = 1;
    profile->Lives = 3;
    profile->Kills = 0;
    profile->TimeTaken = 0.0;
    if (save != 0) profile->Save();
    return 1;
}
