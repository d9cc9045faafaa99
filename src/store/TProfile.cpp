#include "store/TProfile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "store/LevelCount.h"
#include "store/ProfileNames.h"
#include "store/ReadFileBytes.h"
#include "store/TByteReader.h"
#include "store/TByteWriter.h"
#include "system/AtomicFile.h"
#include "system/ReportError.h"

namespace {

constexpr std::uint32_t MaskBase = 0x5D13A7;
constexpr std::uint32_t MaskStep = 0x1F4C62;

// Field k of the five masked ones (0-based) is stored with the base plus k steps added, with
// 32-bit wrap-around.
std::int32_t Mask(int value, std::uint32_t field) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + MaskBase +
                                     field * MaskStep);
}

int Unmask(std::int32_t stored, std::uint32_t field) {
    return static_cast<int>(static_cast<std::uint32_t>(stored) - MaskBase - field * MaskStep);
}

// The profile's own fields; the game's data follows them.
constexpr std::size_t OwnBytes = 5 * 4 + 8 + 3 * 4 + TProfile::MAX_HINTS * 4;
// Times are counted in logic steps of 5 ms.
constexpr double StepsPerSecond = 200.0;

// A value that play cannot produce says nothing about the player: it becomes what a new player
// has. True when the field had to change.
template <typename T>
bool ResetUnless(bool producible, T& field, T fresh) {
    if (producible) return false;
    field = fresh;
    return true;
}

bool IsFlag(int value) {
    return value == 0 || value == 1;
}

// Whole ticks of a stored time; a damaged file's NaN, infinity or huge value must not reach an
// integer conversion.
int WholeTicks(double time) {
    if (!std::isfinite(time) || time <= 0.0) return 0;
    if (time >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(time);
}

}  // namespace

TProgress TProfile::Progress() const {
    TProgress progress;
    progress.Level = std::clamp(CurrentLevel, 1, LevelCount);
    progress.Score = std::max(Score, 0);
    progress.Lives = Lives;
    progress.TotalKills = Kills;
    progress.TotalTimeTaken = WholeTicks(TimeTaken);
    const std::int64_t unlocked = static_cast<std::int64_t>(LockedLevel) - 1;
    progress.Unlocked =
        static_cast<int>(std::clamp<std::int64_t>(unlocked, progress.Level, LevelCount));
    return progress;
}

void TProfile::SetProgress(const TProgress& progress) {
    CurrentLevel = progress.Level;
    Score = progress.Score;
    Lives = progress.Lives;
    Kills = progress.TotalKills;
    TimeTaken = static_cast<double>(progress.TotalTimeTaken);
    LockedLevel = progress.Unlocked + 1;
}

std::unique_ptr<TProfile> TProfile::Create(const std::string& name, const std::string& folder) {
    auto profile = std::make_unique<TProfile>();
    profile->Folder = folder;
    profile->Init(name);
    return profile;
}

void TProfile::Init(const std::string& name) {
    Name = name;
    CurrentLevel = 1;
    LockedLevel = 2;
    Score = 0;
    Lives = 3;
    Kills = 0;
    TimeTaken = 0.0;
    Difficulty = 0;
    TipsFlag = 1;
    InstructionsFlag = 1;
    ClearHints();
}

void TProfile::ClearHints() {
    HintsShown.fill(0);
}

void TProfile::HintsSet(int value) {
    HintsShown.fill(value);
}

int TProfile::ShowHint(int index, int save) {
    if (index < 0 || index >= MAX_HINTS || HintsShown[index] != 0) return 0;
    HintsShown[index] = 1;
    if (save != 0) Save();
    return 1;
}

std::string TProfile::Bytes() const {
    TByteWriter out;
    out.WriteInt32(Mask(CurrentLevel, 0));
    out.WriteInt32(Mask(LockedLevel, 1));
    out.WriteInt32(Mask(Score, 2));
    out.WriteInt32(Mask(Lives, 3));
    out.WriteInt32(Mask(Kills, 4));
    out.WriteDouble(TimeTaken);
    out.WriteInt32(Difficulty);
    out.WriteInt32(TipsFlag);
    out.WriteInt32(InstructionsFlag);
    for (const int hint : HintsShown) out.WriteInt32(hint);
    if (SaveUserFunction) SaveUserFunction(out);
    return out.Bytes();
}

void TProfile::ReadBytes(std::string_view bytes) {
    TByteReader in(bytes);
    std::int32_t value = 0;
    int* const masked[] = {&CurrentLevel, &LockedLevel, &Score, &Lives, &Kills};
    for (std::uint32_t field = 0; field < 5; ++field) {
        if (in.ReadInt32(value)) *masked[field] = Unmask(value, field);
    }
    double time = 0.0;
    if (in.ReadDouble(time)) TimeTaken = time;
    for (int* plain : {&Difficulty, &TipsFlag, &InstructionsFlag}) {
        if (in.ReadInt32(value)) *plain = value;
    }
    ClearHints();
    for (int& hint : HintsShown) {
        if (!in.ReadInt32(value)) break;
        hint = value;
    }
    if (LoadUserFunction) LoadUserFunction(in);
}

bool TProfile::Save() {
    const std::string path = FilePath();
    // No player chosen yet: there is nothing to keep.
    if (Name.empty()) return false;
    if (!IsSafeProfileName(Name)) {
        ReportError("Could not create file '" + path + "'", false);
        return false;
    }
    if (path == UnreadablePath) return false;
    if (!WriteFileAtomic(path, Bytes())) {
        ReportError("Could not create file '" + path + "'", true);
        return false;
    }
    return true;
}

bool TProfile::RepairFields() {
    bool repaired = ResetUnless(LockedLevel >= 2 && LockedLevel <= LevelCount + 1, LockedLevel, 2);
    // Only an unlocked level can ever be chosen.
    repaired |= ResetUnless(CurrentLevel >= 1 && CurrentLevel < LockedLevel, CurrentLevel, 1);
    // The total time is stored from a whole number of steps held in an int.
    const bool wholeSteps = std::isfinite(TimeTaken) && TimeTaken >= 0.0 &&
                            TimeTaken <= static_cast<double>(INT_MAX) &&
                            TimeTaken == std::floor(TimeTaken);
    repaired |= ResetUnless(wholeSteps, TimeTaken, 0.0);
    // Every level won adds at most a full level score and takes more than a second of the same
    // game's time.
    const double mostScore = StartLevelScore * (std::floor(TimeTaken / StepsPerSecond) + 1.0);
    repaired |= ResetUnless(Score >= 0 && Score <= mostScore, Score, 0);
    repaired |= ResetUnless(Lives >= 0 && Lives <= 3, Lives, 3);
    repaired |= ResetUnless(Kills >= 0, Kills, 0);
    repaired |= ResetUnless(Difficulty == 0, Difficulty, 0);
    repaired |= ResetUnless(IsFlag(TipsFlag), TipsFlag, 1);
    repaired |= ResetUnless(IsFlag(InstructionsFlag), InstructionsFlag, 1);
    for (int& hint : HintsShown) repaired |= ResetUnless(IsFlag(hint), hint, 0);
    return repaired;
}

int TProfile::Load() {
    if (!IsSafeProfileName(Name)) return 0;
    const std::string path = FilePath();
    FileBytes file = ReadFileBytes(path);
    switch (file.State) {
        case FileState::Missing:
            UnreadablePath.clear();
            Save();
            return 0;
        case FileState::Unreadable:
            UnreadablePath = path;
            ReportError("Error loading file " + path, false);
            return 0;
        case FileState::Read:
            break;
    }
    UnreadablePath.clear();
    ReadBytes(file.Bytes);
    const bool cutShort = file.Bytes.size() < OwnBytes;
    if (RepairFields() || cutShort) {
        // The damaged bytes are kept for whoever wants to look at them before the repaired
        // profile replaces them; without that copy the file is left as it is. A copy kept by an
        // earlier repair stays: this one takes the next number.
        const std::string kept = NumberedCopyPath(path + ".damaged", file.Bytes);
        if (WriteFileAtomic(kept, file.Bytes)) {
            LogError("Damaged file " + path + " repaired; the damaged file is kept as " + kept);
            Save();
        } else {
            LogError("Damaged file " + path + " repaired in memory; could not create file '" +
                     kept + "'");
        }
    }
    return 1;
}
