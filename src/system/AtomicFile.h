#pragma once
// Every file the game writes goes through here: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the old file, so a crash or a full disk
// mid-save always leaves either the old file or the new one whole.

#include <string>
#include <string_view>

// A file that already holds exactly these bytes is left alone (and that counts as success).
[[nodiscard]] bool WriteFileAtomic(const std::string& path, std::string_view bytes);

// Gives a file a new name in the same folder without replacing anything: false, changing
// nothing, when a file of the new name exists or the rename fails. A rename is atomic, so at
// every moment one of the two names holds the file; only one copy of the game runs, so nothing
// else takes the new name meanwhile.
[[nodiscard]] bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// Where a kept copy of these bytes goes beside the earlier ones: `base`, else "<base>.2",
// "<base>.3", ...: the first name that is free or already holds exactly these bytes (so a copy
// kept twice is kept once).
[[nodiscard]] std::string NumberedCopyPath(const std::string& base, std::string_view bytes);

// The temporary files are named "<target>.<process id>.<counter>.tmp"; a save cut short by a
// crash leaves one behind. Deletes the folder's files of exactly that form (not its
// sub-folders). Only one copy of the game runs at a time, so none of them can be in use.
void RemoveWriterLeftovers(const std::string& folder);
