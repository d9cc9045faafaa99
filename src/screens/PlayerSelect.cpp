#include "screens/PlayerSelect.h"

#include "host/TGame.h"
#include "store/ProfileNames.h"
#include "store/TProfile.h"
#include "store/TSaveData.h"

void InstallProfileCreatedHook(TSaveData& saveData) {
    ProfileCreatedHook = [&saveData](TProfile& profile) { saveData.Init(&profile); };
}

void AttachSaveData(TProfile& profile, TSaveData& saveData) {
    profile.SaveUserFunction = [&saveData](TByteWriter& out) { saveData.Save(out); };
    profile.LoadUserFunction = [&saveData](TByteReader& in) { saveData.Load(in); };
}

std::unique_ptr<TProfile> SelectPlayer(const std::string& name, const std::string& profileFolder,
                                       TSaveData& saveData) {
    if (!IsSafeProfileName(name)) return nullptr;
    auto profile = TProfile::Create(name, profileFolder);
    AttachSaveData(*profile, saveData);
    profile->Load();
    return profile;
}

bool MakePlayerCurrent(const std::string& name, TSaveData& saveData) {
    std::shared_ptr<TProfile> profile;
    if (!name.empty()) {
        profile = SelectPlayer(name, Game->ProfilePath, saveData);
        if (!profile) return false;
    }
    Game->CurrentProfile = std::move(profile);
    Game->ProfileName = name;
    Game->IniUpdate(1);
    return true;
}
