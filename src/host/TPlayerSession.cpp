#include "host/TPlayerSession.h"

#include "host/TSettings.h"

namespace {

// As many characters as the level table's names.
constexpr int MaxTableName = 12;

}  // namespace

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

THighScoreList& TPlayerSession::ClassicTable(const std::string& folder) {
    if (!ClassicScores) {
        ClassicScores.emplace(THighScoreList::Create(folder + "ClassicScores", MaxTableName));
        ClassicScores->Load();
    }
    return *ClassicScores;
}

void TPlayerSession::SaveProfile() const {
    if (Profile) Profile->Save();
}
