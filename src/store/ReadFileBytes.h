#pragma once
// Reading a save file tells "not there yet" apart from "there but unreadable": only a missing
// file may be created from defaults; one that cannot be read must be left alone, or a
// permissions problem or a failing disk would wipe the player's records.

#include <cstddef>
#include <string>

enum class FileState { Read, Missing, Unreadable };

struct FileBytes {
    FileState State = FileState::Missing;
    std::string Bytes;
};

// Save files are a few hundred bytes; anything beyond the limit cannot be a record the game
// wrote and is not read into memory.
inline constexpr std::size_t SaveFileReadLimit = 1 << 20;

[[nodiscard]] FileBytes ReadFileBytes(const std::string& path,
                                      std::size_t limit = SaveFileReadLimit);
