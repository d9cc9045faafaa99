#include "store/TProfile.h"

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

}  // namespace

std::unique_ptr<TProfile> TProfile::Create(const std::string& name, const std::string& folder) {
    auto profile = std::make_unique<TProfile>();
    profile->Folder = folder;
    profile->Init(name);
    if (ProfileCreatedHook) ProfileCreatedHook(*profile);
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
    return 1;
}
