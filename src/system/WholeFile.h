#pragma once
// Reading a whole file into memory, without the media layer (the fuzz readers link it alone).

#include <optional>
#include <string>

// The whole file, or nothing when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path);
// The same for a file named by the player, which may be a pipe (a shell's "<(...)") read to its
// end; a folder or a device still reads as nothing.
[[nodiscard]] std::optional<std::string> ReadFileOrPipe(const std::string& path);
