#pragma once
// Operating-system services the game needs beyond drawing and sound: the single-instance
// guard, the shared data folder, system information and case-insensitive file lookup.

#include <string>

namespace media {

// Takes an exclusive lock named after `name` for the life of the process; false when another
// running process already holds it.
[[nodiscard]] bool EnsureSingleInstance(const std::string& name);

// The per-user data folder ($XDG_DATA_HOME, else ~/.local/share), or the one set with
// SetDataHome; always ends with "/".
void SetDataHome(const std::string& dir);
std::string CommonAppDataFolder();
// Folders made by this user are already fully accessible to it.
bool GrantFullAccess(const std::string& folder);

std::string OSName();

// Finds an existing file whatever the case of each path component ("data/Default.ini" finds
// "Data/default.ini"); returns the path unchanged when nothing matches. Backslashes count as
// separators, so paths written the Windows way resolve too.
std::string ResolvePath(const std::string& path);

// The folder of the running program, ending with "/".
std::string ExecutableFolder();

}  // namespace media
