#pragma once
// A player's name is also the base name of the player's profile file, so a name is only used
// when it makes a harmless file name: something typed, remembered in the settings file or given
// on the command line must never reach another folder or a hidden file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The name entry takes at most this many characters.
inline constexpr std::size_t MaxProfileNameLength = 12;

// The name without blanks at either end: "Ann " and "Ann" must not become two players.
[[nodiscard]] std::string TrimmedName(std::string_view name);

// Not empty, well-formed UTF-8 of at most MaxProfileNameLength characters, none a control
// character or one that separates or wildcards paths on any common system, no leading dot and
// no blank at either end. Which letters beyond ASCII the name field offers is the fonts' to
// say; a file name takes them all.
[[nodiscard]] bool IsSafeProfileName(std::string_view name);

// The base names of the profile files ("<name>.dat") in the folder, sorted so the list reads
// the same on every machine. Files whose names are not safe player names are left out.
[[nodiscard]] std::vector<std::string> ListProfileNames(const std::string& folder);

// The player to start with: the name remembered in the settings file, trimmed, when it is safe,
// otherwise the first listed player, otherwise "" (nobody yet: ask for a name).
[[nodiscard]] std::string StartupProfileName(const std::string& rememberedName,
                                             const std::string& folder);

// Profiles saved before names were trimmed (" Ann.dat") take the trimmed name ("Ann.dat").
// Where that name is taken by other bytes, the older file is kept aside as "Ann.dat.untrimmed"
// (numbered beside earlier ones) so that neither player's progress is lost; where it holds the
// same bytes, the older file goes. What was done is written to the error log, in one entry.
void TrimProfileFileNames(const std::string& folder);
