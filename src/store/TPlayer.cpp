#include "store/TPlayer.h"

#include "store/TProfile.h"

void TPlayer::InitStats() {
    Name.clear();
    Progress() = TProgress();
    TimeTaken = 0.0f;
}

int TPlayer::ReadProfile(TProfile* profile, int reload) {
    if (profile == nullptr) return 0;
    if (reload != 0) profile->Load();
    Name = profile->Name;
    Progress() = profile->Progress();
    return 1;
}

int TPlayer::WriteProfile(TProfile* profile) {
    if (profile == nullptr) return 0;
    profile->Name = Name;
    profile->SetProgress(Progress());
    profile->Save();
    return 1;
}

int TPlayer::ProfileGameOver(TProfile* profile, int save) {
    if (profile == nullptr) return 0;
    // A new game, but the levels reached stay open as the file has them.
    const int locked = profile->LockedLevel;
    profile->SetProgress(TProgress());
    profile->LockedLevel = locked;
    if (save != 0) profile->Save();
    return 1;
}
