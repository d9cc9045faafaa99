#pragma once
// Choosing the current player. Every profile the game uses carries the player record's
// TSaveData as its last three bytes; these functions wire that up. The host stores the
// returned profile as its current profile, the name as its ProfileName, and writes the
// settings file so the player is remembered.

#include <memory>
#include <string>

#include "host/THost.h"

class TProfile;
class TSaveData;

// A profile for the named player, with saveData reset and attached, loaded from its file (created
// when it does not exist yet). Nothing when the name is not a safe file name: nothing is read or
// written then.
[[nodiscard]] std::unique_ptr<TProfile> SelectPlayer(const std::string& name,
                                                     const std::string& profileFolder,
                                                     TSaveData& saveData);

// Makes the named player the host's current player (SelectPlayer) and writes the settings so
// the choice is remembered; "" leaves the game without a current player. False, changing
// nothing, when the name is not a safe file name.
bool MakePlayerCurrent(const THost& host, const std::string& name, TSaveData& saveData);
