#include "host/TPlayerSession.h"

#include "host/TSettings.h"

TPlayerSession::TPlayerSession(TSettings& settings) : Settings(settings) {}

const std::string& TPlayerSession::Name() const {
    return Settings.ProfileName;
}

bool TPlayerSession::Choose(std::unique_ptr<TProfile> profile, const std::string& name) {
    Profile = std::move(profile);
    if (Settings.ProfileName == name) return false;
    Settings.ProfileName = name;
    Settings.IniUpdate(1);
    return true;
}

void TPlayerSession::SaveProfile() const {
    if (Profile) Profile->Save();
}
