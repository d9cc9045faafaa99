// PNG and JPEG decoding and PNG encoding. The libraries report errors by longjmp, so the
// functions that call setjmp keep only plain values in their own frames.
#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstring>

#include <jpeglib.h>
#include <png.h>

#include "media/MediaInternal.h"

namespace media {
namespace {

std::uint32_t Pack(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

// ---------------------------------------------------------------- JPEG

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Warnings mean corrupt or missing data; such a picture is not shown half grey.
void JpegMessage(j_common_ptr info, int level) {
    if (level < 0) std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Decodes into `rgb` (three bytes a pixel), sized by the caller once the header is known.
bool JpegDecode(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& rgb, int& width,
                int& height) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFail;
    error.manager.emit_message = JpegMessage;
    jpeg_create_decompress(&info);
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    if (info.output_components != 3 || width <= 0 || height <= 0 || width > 16384 ||
        height > 16384) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    rgb.resize(static_cast<size_t>(width) * height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(info.output_scanline) * width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// ---------------------------------------------------------------- PNG writing

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

void PngQuiet(png_structp, png_const_charp) {}

bool PngEncode(const Pixmap& pixmap, const std::vector<std::uint8_t>& rgba,
               std::vector<std::uint8_t>& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, PngQuiet);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap.width),
                 static_cast<png_uint_32>(pixmap.height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pixmap.height; ++y) {
        png_write_row(png, &rgba[static_cast<size_t>(y) * pixmap.width * 4]);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

namespace detail {

Pixmap DecodeImageFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    static const std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};
    if (bytes.size() >= 4 && std::equal(kPngSignature, kPngSignature + 4, bytes.begin()))
        return DecodePNG(bytes);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        return DecodeJPEG(bytes);
    return {};
}

Pixmap DecodePNG(const std::vector<std::uint8_t>& bytes) {
    Pixmap pixmap;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return pixmap;
    image.format = PNG_FORMAT_RGBA;
    if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        return pixmap;
    }
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return pixmap;
    }
    pixmap.width = pixmap.pitch = static_cast<int>(image.width);
    pixmap.height = static_cast<int>(image.height);
    pixmap.pixels.resize(static_cast<size_t>(pixmap.width) * pixmap.height);
    for (size_t i = 0; i < pixmap.pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        pixmap.pixels[i] = Pack(p[3], p[0], p[1], p[2]);
    }
    return pixmap;
}

Pixmap DecodeJPEG(const std::vector<std::uint8_t>& bytes) {
    Pixmap pixmap;
    std::vector<std::uint8_t> rgb;
    int width = 0, height = 0;
    if (!JpegDecode(bytes, rgb, width, height)) return pixmap;
    pixmap.width = pixmap.pitch = width;
    pixmap.height = height;
    pixmap.pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixmap.pixels.size(); ++i) {
        pixmap.pixels[i] = Pack(255, rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    }
    return pixmap;
}

}  // namespace detail

std::vector<std::uint8_t> EncodePNG(const Pixmap& pixmap) {
    std::vector<std::uint8_t> out;
    if (pixmap.width <= 0 || pixmap.height <= 0 || pixmap.pitch < pixmap.width ||
        pixmap.pixels.size() < static_cast<size_t>(pixmap.pitch) * (pixmap.height - 1) +
                                   static_cast<size_t>(pixmap.width))
        return out;
    std::vector<std::uint8_t> rgba(static_cast<size_t>(pixmap.width) * pixmap.height * 4);
    for (int y = 0; y < pixmap.height; ++y) {
        for (int x = 0; x < pixmap.width; ++x) {
            const std::uint32_t p = pixmap.At(x, y);
            std::uint8_t* o = &rgba[(static_cast<size_t>(y) * pixmap.width + x) * 4];
            o[0] = static_cast<std::uint8_t>(p >> 16);
            o[1] = static_cast<std::uint8_t>(p >> 8);
            o[2] = static_cast<std::uint8_t>(p);
            o[3] = static_cast<std::uint8_t>(p >> 24);
        }
    }
    if (!PngEncode(pixmap, rgba, out)) out.clear();
    return out;
}

}  // namespace media
