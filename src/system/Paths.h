#pragma once
// Where files live and how paths are formed.

#include <functional>
#include <optional>
#include <string>

#include "system/WholeFile.h"

// Appends "/" unless the path already ends with "/" or "\".
std::string FixPath(const std::string& path);
// The folder holding the game's "Data" folder, ending with "/": the program's own folder when
// Data sits beside it (a build or an unpacked copy), else "../share/quillox/" from it (an
// installed program). When neither has one, the program's folder, so the load error names the
// usual place. `isFolder` says whether a path is a folder.
std::string DataPrefixFor(const std::string& programFolder,
                          const std::function<bool(const std::string&)>& isFolder);
// The running program's full path, with a ".debug" build tag cut out (see StripDebugTag).
std::string AppFileName();
// "name.debug.exe" becomes "name.exe", so a debug build finds the same settings file.
std::string StripDebugTag(const std::string& path);
bool GrantFullAccess(const std::string& folder);
