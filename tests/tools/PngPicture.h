// A generated PNG read back for checking: the size from its header and, when asked, the
// RGBA pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // filled by Decode

    // Reads only the signature and the header chunk.
    static PngPicture Header(const std::string& path);
    static PngPicture Decode(const std::string& path);
    std::uint8_t Alpha(int x, int y) const { return rgba[(y * width + x) * 4 + 3]; }
};
