#pragma once
// Every file the game writes goes through here: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the old file, so a crash or a full disk
// mid-save always leaves either the old file or the new one whole.

#include <string>
#include <string_view>

[[nodiscard]] bool WriteFileAtomic(const std::string& path, std::string_view bytes);
