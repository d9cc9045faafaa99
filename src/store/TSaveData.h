#pragma once
// The game's own flags for a player, stored as the last three bytes of the player's profile
// file: colorblind, FirstTime, Tutorial.

#include <cstdint>

class TByteReader;
class TByteWriter;
class TProfile;

class TSaveData {
public:
    std::uint8_t colorblind = 0;
    // 1 until the player has started a level from the level select for the first time.
    int FirstTime = 0;
    // 1: the tutorial runs in level 1.
    int Tutorial = 0;

    virtual ~TSaveData() = default;

    virtual void Init(TProfile* profile);
    virtual void Save(TByteWriter& out) const;
    // Missing bytes (a short file) keep the current values; flags read as 0 or 1.
    virtual void Load(TByteReader& in);
    // Makes the profile's file carry these flags: written after the profile's fields, read
    // back after them. The flags must outlive the profile.
    void AttachTo(TProfile& profile);
};
