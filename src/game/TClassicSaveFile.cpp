#include "game/TClassicSaveFile.h"

#include "store/ReadFileBytes.h"
#include "system/AtomicFile.h"
#include "system/ReportError.h"

namespace {

// The undo history grows by a line of about 110 bytes a move: a limit far above the other
// save files', so that no game a player can play is cut short and taken for a damaged one.
constexpr std::size_t ClassicReadLimit = std::size_t{64} << 20;

}  // namespace

TClassicSaveFile::TLoaded TClassicSaveFile::Load(TClassicRecord& record) const {
    const FileBytes file = ReadFileBytes(Path, ClassicReadLimit);
    switch (file.State) {
        case FileState::Missing:
            return TLoaded::Missing;
        case FileState::Unreadable:
            LogError("Error loading file " + Path);
            return TLoaded::Unreadable;
        case FileState::Read:
            break;
    }
    if (record.ReadBytes(file.Bytes)) return TLoaded::Read;
    // The damaged game is moved out of the way so the new one can be saved; its bytes stay for
    // whoever wants to look at them.
    const std::string kept = NumberedCopyPath(Path + ".damaged", file.Bytes);
    if (WriteFileAtomic(kept, file.Bytes)) {
        LogError("Damaged file " + Path + " replaced by a new game; the damaged file is kept as " +
                 kept);
        return TLoaded::Damaged;
    }
    LogError("Damaged file " + Path + " left as it is; could not create file '" + kept + "'");
    return TLoaded::Unreadable;
}

bool TClassicSaveFile::Save(const TClassicRecord& record) const {
    return WriteFileAtomic(Path, record.Bytes());
}
