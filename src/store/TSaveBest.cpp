#include "store/TSaveBest.h"

#include <algorithm>
#include <array>

#include "store/NameCipher.h"
#include "store/ProfileNames.h"
#include "store/ReadFileBytes.h"
#include "store/TByteReader.h"
#include "store/TByteWriter.h"
#include "system/AtomicFile.h"
#include "system/ReportError.h"

namespace {

using NameArray = std::array<std::string, LevelCount>;
using ValueArray = std::array<int, LevelCount>;

void WriteSection(TByteWriter& out, const NameArray& names, const ValueArray& values) {
    for (int level = 0; level < LevelCount; ++level) {
        WriteShiftedName(out, names[level]);
        out.WriteInt32(values[level]);
    }
}

// False once the data runs out; the records not reached keep their defaults.
bool ReadSection(TByteReader& in, NameArray& names, ValueArray& values) {
    for (int level = 0; level < LevelCount; ++level) {
        std::string raw;
        std::int32_t value = 0;
        if (!in.ReadTerminated(raw) || !in.ReadInt32(value)) return false;
        names[level] = DecodeShiftedName(raw, MaxProfileNameLength);
        values[level] = std::max(value, 0);
    }
    return true;
}

}  // namespace

TSaveBest TSaveBest::Create(const std::string& folder) {
    TSaveBest best;
    best.Folder = folder;
    best.Load();
    return best;
}

void TSaveBest::DefaultBest() {
    Results.Defaults();
}

std::string TSaveBest::Bytes() const {
    TByteWriter out;
    WriteSection(out, Results.BestLevelScoreNames, Results.BestLevelScores);
    WriteSection(out, Results.BestLevelTimeNames, Results.BestLevelTimes);
    return out.Bytes();
}

void TSaveBest::ReadBytes(std::string_view bytes) {
    TByteReader in(bytes);
    Results.Defaults();
    if (ReadSection(in, Results.BestLevelScoreNames, Results.BestLevelScores)) {
        (void)ReadSection(in, Results.BestLevelTimeNames, Results.BestLevelTimes);
    }
}

void TSaveBest::Save() {
    const std::string path = FilePath();
    if (path == UnreadablePath) return;
    if (!WriteFileAtomic(path, Bytes())) ReportError("Failed to save file " + path, true);
}

void TSaveBest::Load() {
    const std::string path = FilePath();
    FileBytes file = ReadFileBytes(path);
    switch (file.State) {
        case FileState::Missing:
            UnreadablePath.clear();
            DefaultBest();
            Save();
            return;
        case FileState::Unreadable:
            UnreadablePath = path;
            ReportError("Error loading file " + path, false);
            DefaultBest();
            return;
        case FileState::Read:
            break;
    }
    UnreadablePath.clear();
    ReadBytes(file.Bytes);
}
