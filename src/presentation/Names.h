#pragma once
// Name and path helpers shared by the image bank and the sound bank: keys are
// stored upper-cased, and file names are split into folder, base name and extension.

#include <string>

#include "system/StringHelpers.h"

// The upper-cased file name of `path` without its folder and extension.
std::string BaseNameUpper(const std::string& path);
// The extension of the file name in `path`, with its dot; empty when there is none.
std::string FileExtension(const std::string& path);
// `path` without the extension of its file name.
std::string WithoutExtension(const std::string& path);
// A folder prefix: "/" is added unless the path already ends in "/" or "\" or is empty.
std::string FolderPrefix(const std::string& path);
