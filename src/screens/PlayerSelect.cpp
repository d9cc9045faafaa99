#include "screens/PlayerSelect.h"

#include "host/TDataPaths.h"
#include "host/TPlayerSession.h"
#include "host/TSettings.h"
#include "store/ProfileNames.h"
#include "store/TProfile.h"
#include "store/TSaveData.h"

std::unique_ptr<TProfile> SelectPlayer(const std::string& name, const std::string& profileFolder,
                                       TSaveData& saveData) {
    if (!IsSafeProfileName(name)) return nullptr;
    auto profile = TProfile::Create(name, profileFolder);
    // A new player's flags until the file says otherwise.
    saveData.Init(profile.get());
    saveData.AttachTo(*profile);
    profile->Load();
    return profile;
}

bool MakePlayerCurrent(const THost& host, const std::string& name, TSaveData& saveData) {
    std::unique_ptr<TProfile> profile;
    if (!name.empty()) {
        profile = SelectPlayer(name, host.Paths.ProfilePath, saveData);
        if (!profile) return false;
    }
    // A settings file lost meanwhile is written again at once, even for the same player.
    if (!host.Session.Choose(std::move(profile), name)) host.Settings.IniUpdate(1);
    return true;
}
