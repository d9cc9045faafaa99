#pragma once
// Who is playing and what the players keep: the current player's profile and name, the
// high-score table and the best results of every level.

#include <memory>
#include <optional>
#include <string>

#include "store/THighScoreList.h"
#include "store/TProfile.h"
#include "store/TSaveBest.h"

class TSettings;

class TPlayerSession {
public:
    explicit TPlayerSession(TSettings& settings);

    // The current player's profile; none until a player is chosen.
    std::unique_ptr<TProfile> Profile;
    std::optional<THighScoreList> HighScores;
    // The Classic game's table, in its own file "ClassicScores.dat" of the same format.
    std::optional<THighScoreList> ClassicScores;
    // Read from its file by the screens that show or change it.
    std::optional<TSaveBest> Best;

    // The remembered player's name, as the settings file keeps it.
    [[nodiscard]] const std::string& Name() const;
    // Makes `profile` current (none for an empty name) and remembers the name in the settings
    // when it changed; true when the settings were written then.
    bool Choose(std::unique_ptr<TProfile> profile, const std::string& name);
    // The Classic table of the shared folder `folder`, read on first use (a missing file is
    // written then, as the level table's is at start).
    THighScoreList& ClassicTable(const std::string& folder);
    // Saves the current profile as it stands.
    void SaveProfile() const;

private:
    TSettings& Settings;
};
