#include "PngPicture.h"

#include <png.h>

#include <fstream>

PngPicture PngPicture::Header(const std::string& path) {
    PngPicture p;
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return p;
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (int i = 0; i < 8; ++i) {
        if (head[i] != signature[i]) return p;
    }
    if (std::string(reinterpret_cast<char*>(head + 12), 4) != "IHDR") return p;
    auto be32 = [&](int at) {
        return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3];
    };
    p.width = be32(16);
    p.height = be32(20);
    p.ok = true;
    return p;
}

PngPicture PngPicture::Decode(const std::string& path) {
    PngPicture p;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return p;
    image.format = PNG_FORMAT_RGBA;
    p.rgba.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return p;
    }
    p.width = static_cast<int>(image.width);
    p.height = static_cast<int>(image.height);
    p.ok = true;
    return p;
}
