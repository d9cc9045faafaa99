#pragma once
// A player's Classic record on disk ("profiles/NAME.classic"), written through the crash-safe
// writer after every move, so that leaving by the menu, closing the window or a kill keeps it.

#include <string>

#include "game/TClassicRecord.h"

class TClassicSaveFile {
public:
    explicit TClassicSaveFile(std::string path) : Path(std::move(path)) {}

    std::string Path;

    enum class TLoaded { Read, Missing, Damaged, Unreadable };
    // A damaged file is copied aside as "<path>.damaged" (".damaged.2", ... beside earlier
    // copies), the error log says so, and the record is left as it was (Damaged: a new game may
    // be saved over it). A file that cannot be read, or whose copy cannot be made, is
    // Unreadable and must not be overwritten.
    [[nodiscard]] TLoaded Load(TClassicRecord& record) const;
    // False when the file could not be written (the old one stays whole).
    [[nodiscard]] bool Save(const TClassicRecord& record) const;
};
