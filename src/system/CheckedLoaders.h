#pragma once
// Loaders for the game's own data. Data that should be there and is not is a fatal error, so
// these report and end the program instead of returning nothing. Paths are looked up without
// regard to case, as the data was made on a file system that ignores it.

#include <string>

#include "media/Media.h"

[[nodiscard]] media::Image LoadImageChecked(const std::string& path, int flags);
[[nodiscard]] media::Image LoadAnimImageChecked(const std::string& path, int cellWidth,
                                                int cellHeight, int first, int count, int flags);
// The file's bytes.
[[nodiscard]] std::string OpenFileChecked(const std::string& path);
[[nodiscard]] media::Sound LoadSoundChecked(const std::string& path, int flags);
// A TrueType font at `size` points.
[[nodiscard]] media::Font LoadFontChecked(const std::string& path, int size, int style);
