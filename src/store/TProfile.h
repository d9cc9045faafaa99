#pragma once
// One player's profile: progress, flags and the hints already shown, kept in the file
// "<folder><Name>.dat" and followed by the game's own data, which the game reads and writes
// through SaveUserFunction and LoadUserFunction.
//
// File layout (little-endian, no header): CurrentLevel, LockedLevel, Score, Lives, Kills as
// int32, each with a growing offset added so that casual editing does not work; TimeTaken as
// float64; Difficulty, TipsFlag, InstructionsFlag as int32; 100 hint values as int32; then the
// game's data.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "store/TProgress.h"

class TByteReader;
class TByteWriter;
class TProfile;

class TProfile {
public:
    static constexpr int MAX_HINTS = 100;

    std::string Name;
    int CurrentLevel = 0;
    int LockedLevel = 0;
    int Score = 0;
    int Lives = 0;
    int Kills = 0;
    double TimeTaken = 0.0;
    int Difficulty = 0;
    int TipsFlag = 0;
    int InstructionsFlag = 0;
    std::array<int, MAX_HINTS> HintsShown{};
    std::function<void(TByteWriter&)> SaveUserFunction = [](TByteWriter&) {};
    std::function<void(TByteReader&)> LoadUserFunction = [](TByteReader&) {};

    // Folder of the profile files, ending in "/".
    std::string Folder;

    virtual ~TProfile() = default;

    [[nodiscard]] static std::unique_ptr<TProfile> Create(const std::string& name,
                                                          const std::string& folder);

    virtual void Init(const std::string& name);
    virtual void ClearHints();
    // Writes the file through the crash-safe writer. A file that cannot be written is a fatal
    // error ("Could not create file '<path>'"). Returns false when nothing was written: the
    // name is not a safe file name, or the file exists but could not be read by the last Load
    // and is kept as it is.
    virtual bool Save();
    // 1 when the file was read. A missing file is created from the current values (0); a file
    // that exists but cannot be read is reported and left alone (0). A file cut short or holding
    // values play cannot produce is repaired (RepairFields) and saved, after its damaged bytes
    // were kept as "<Name>.dat.damaged" (".damaged.2", ... beside earlier copies) and one line
    // went to the error log.
    virtual int Load();
    virtual void HintsSet(int value);
    virtual int ShowHint(int index, int save);

    std::string FilePath() const { return Folder + Name + ".dat"; }

    // The progress the file keeps, as a game plays it: values a damaged file could hold out of
    // range are brought back into play (the level to 1..15, the unlocked level to at least the
    // level, score and time to 0 or more).
    [[nodiscard]] TProgress Progress() const;
    // Keeps `progress` in the file's fields (saved by Save).
    void SetProgress(const TProgress& progress);

    // The file's bytes for the current values.
    [[nodiscard]] std::string Bytes() const;
    // Reads a file's bytes. Fields a short file lacks keep their values; hints it lacks are 0.
    void ReadBytes(std::string_view bytes);
    // Every field that holds a value play cannot produce (levels beyond the unlocked ones, a
    // negative or impossibly high score, a time that is no whole number of steps, flags other
    // than 0 and 1) takes the value a new player has. True when anything changed.
    bool RepairFields();

private:
    // The file that the last Load found but could not read; never overwritten.
    std::string UnreadablePath;
};
