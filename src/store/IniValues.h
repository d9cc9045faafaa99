#pragma once
// Working on settings files directly, for the crash repair that runs before the settings are
// loaded. Keys are compared without regard to case.

#include <string>

// The value of the first line with the key; "" when there is none or the file cannot be read.
[[nodiscard]] std::string ReadIniValue(const std::string& path, const std::string& key);
// Copies source to target line by line, with every line of the key replaced by the key in
// upper case, "=" and value. Returns 0 without touching target when the source cannot be
// read or the target cannot be written, else 1.
int CopyIniWithValue(const std::string& source, const std::string& target, const std::string& key,
                     const std::string& value);
