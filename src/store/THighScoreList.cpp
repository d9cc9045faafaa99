#include "store/THighScoreList.h"

#include <algorithm>

#include "store/NameCipher.h"
#include "store/ReadFileBytes.h"
#include "store/TByteReader.h"
#include "store/TByteWriter.h"
#include "system/AtomicFile.h"
#include "system/ReportError.h"

namespace {

constexpr const char* DefaultName = "Bexholt";

}  // namespace

THighScoreList THighScoreList::Create(const std::string& path, int maxNameLength) {
    THighScoreList list;
    list.filepath = path + ".dat";
    list.MaxNameLength = maxNameLength;
    return list;
}

void THighScoreList::Add(const std::string& name, int score, int level) {
    List.push_back(THighScore{name, score, level});
}

int THighScoreList::Insert(const std::string& name, int score, int level) {
    const auto at = std::find_if(List.begin(), List.end(),
                                 [score](const THighScore& entry) { return entry.score <= score; });
    const auto inserted = List.insert(at, THighScore{name, score, level});
    return static_cast<int>(inserted - List.begin()) + 1;
}

void THighScoreList::RemoveLast() {
    if (!List.empty()) List.pop_back();
}

void THighScoreList::AppendDefaultRows(std::size_t from) {
    for (std::size_t row = from; row < TableSize; ++row) {
        const int rank = static_cast<int>(TableSize - row);
        Add(DefaultName, rank * 10, rank);
    }
}

void THighScoreList::CreateDefault() {
    AppendDefaultRows(0);
    Save();
}

void THighScoreList::Zero(int count) {
    List.clear();
    for (int i = 0; i < count; ++i) Add("Empty", 0, 0);
    Save();
}

std::string THighScoreList::Bytes() const {
    TByteWriter out;
    for (const THighScore& entry : List) {
        WriteShiftedName(out, entry.name);
        out.WriteInt32(entry.score);
        out.WriteInt32(entry.level);
    }
    return out.Bytes();
}

void THighScoreList::ReadBytes(std::string_view bytes) {
    List.clear();
    TByteReader in(bytes);
    const auto nameLength = static_cast<std::size_t>(std::max(MaxNameLength, 0));
    while (!in.AtEnd() && List.size() < TableSize) {
        std::string raw;
        std::int32_t score = 0;
        std::int32_t level = 0;
        if (!in.ReadTerminated(raw) || !in.ReadInt32(score) || !in.ReadInt32(level)) break;
        Add(DecodeShiftedName(raw, nameLength), std::max(score, 0), std::clamp(level, 0, MaxLevel));
    }
    AppendDefaultRows(List.size());
    // A hand-edited or damaged file may be out of order; Insert relies on rank order. Rows from
    // the file stay ahead of equal default rows.
    std::stable_sort(List.begin(), List.end(),
                     [](const THighScore& a, const THighScore& b) { return a.score > b.score; });
}

void THighScoreList::Load() {
    List.clear();
    FileBytes file = ReadFileBytes(filepath);
    switch (file.State) {
        case FileState::Missing:
            UnreadablePath.clear();
            CreateDefault();
            return;
        case FileState::Unreadable:
            UnreadablePath = filepath;
            ReportError("Error loading file " + filepath, false);
            AppendDefaultRows(0);
            return;
        case FileState::Read:
            break;
    }
    UnreadablePath.clear();
    ReadBytes(file.Bytes);
}

void THighScoreList::Save() {
    if (filepath == UnreadablePath) return;
    if (!WriteFileAtomic(filepath, Bytes())) ReportError("Failed to save file " + filepath, true);
}
