// Images: frames kept as CPU pixels, drawn through textures made from them on demand.
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include "media/ImageData.h"
#include "media/MediaInternal.h"
#include "media/Platform.h"

namespace media {

using detail::Display;

namespace {

bool& AutoMidHandleFlag() {
    static bool flag = false;
    return flag;
}

bool TexturesCurrent(const FrameData& frame) {
    return Display().renderer && frame.generation == Display().generation;
}

Pixmap Thresholded(const Pixmap& pixmap) {
    Pixmap mask = pixmap;
    for (std::uint32_t& p : mask.pixels) p = (p >> 24) >= 128 ? (p | 0xFF000000u) : 0u;
    return mask;
}

FrameData* FrameOf(const Image& image, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return nullptr;
    return &image->frames[static_cast<size_t>(frame)];
}

Image Finish(Image image) {
    if (AutoMidHandleFlag()) MidHandleImage(image);
    return image;
}

// Copies cell number `cell` (counted row by row) of a sheet into a pixmap of the cell's size.
void CopyCell(const Pixmap& sheet, int cell, int cellWidth, int cellHeight, Pixmap& out) {
    const int columns = sheet.width / cellWidth;
    const int left = (cell % columns) * cellWidth, top = (cell / columns) * cellHeight;
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = 0; x < cellWidth; ++x) out.At(x, y) = sheet.At(left + x, top + y);
    }
}

// Cuts `cellCount` cells of cellWidth x cellHeight canvas pixels, numbered row by row, out of a
// sheet drawn at `scale` texels a canvas pixel.
Image CutCells(const Pixmap& sheet, int cellWidth, int cellHeight, int firstCell, int cellCount,
               bool linear, int scale = 1) {
    if (sheet.width <= 0 || cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0)
        return {};
    const int texelsWide = cellWidth * scale, texelsHigh = cellHeight * scale;
    const int columns = sheet.width / texelsWide;
    const int rows = sheet.height / texelsHigh;
    if (columns <= 0 || rows <= 0 || firstCell + cellCount > columns * rows) return {};
    Image image = detail::NewImage(cellWidth, cellHeight, cellCount, linear, scale);
    for (int f = 0; f < cellCount; ++f) {
        CopyCell(sheet, firstCell + f, texelsWide, texelsHigh,
                 image->frames[static_cast<size_t>(f)].pixmap);
    }
    return image;
}

bool Readable(const std::string& path) {
    return ::access(ResolvePath(path).c_str(), R_OK) == 0;
}

// The texels a canvas pixel of the picture should have now.
int WantedScale(const ImageData& image) {
    // A picture made in memory (a page of glyphs) holds the only copy of its texels, at the
    // scale its maker chose: there is no file to draw it again from at another.
    if (image.path.empty()) return image.texelScale;
    return image.hasDouble && !image.keepPixels ? Display().scale : 1;
}

bool Linear(int flags) {
    return flags == -1 || (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0;
}

// Cells of a sheet decoded from `path` (or its twin at twice the resolution, when `scale` is
// 2), remembering where they came from.
Image LoadCells(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                int cellCount, int flags, const Pixmap& sheet, int scale) {
    Image image =
        CutCells(sheet, cellWidth, cellHeight, firstCell, cellCount, Linear(flags), scale);
    if (!image) return image;
    image->hasDouble = scale == 2 || Readable(detail::DoubleResolutionPath(path));
    image->path = path;
    image->cellWidth = cellWidth;
    image->cellHeight = cellHeight;
    image->firstCell = firstCell;
    image->keepPixels = false;
    // Decoded again when first drawn: the loading screen loads every picture the game has, and
    // one for a screen not shown yet holds no pixels till then.
    for (FrameData& frame : image->frames) std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
    return Finish(image);
}

}  // namespace

ImageData::~ImageData() {
    for (FrameData& frame : frames) detail::ReleaseTextures(frame);
}

namespace detail {

void ReleaseTextures(FrameData& frame) {
    if (TexturesCurrent(frame)) {
        if (frame.texture) SDL_DestroyTexture(frame.texture);
        if (frame.maskTexture) SDL_DestroyTexture(frame.maskTexture);
    }
    frame.texture = frame.maskTexture = nullptr;
    frame.textureStale = frame.maskStale = true;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(ResolvePath(path).c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    // Fonts and streamed music keep these bytes for as long as they are used: sized to the file
    // they hold it without the spare room of a vector grown a chunk at a time.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) bytes.reserve(static_cast<size_t>(size));
        std::rewind(file);
    }
    std::uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

SDL_Texture* MakeTexture(const Pixmap& pixmap, bool linear) {
    SDL_Renderer* renderer = Display().renderer;
    if (!renderer || pixmap.width <= 0 || pixmap.height <= 0) return nullptr;
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, pixmap.width, pixmap.height);
    if (!texture) return nullptr;
    SDL_SetTextureScaleMode(texture, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    UploadTexture(texture, pixmap);
    return texture;
}

void UploadTexture(SDL_Texture* texture, const Pixmap& pixmap) {
    if (texture) SDL_UpdateTexture(texture, nullptr, pixmap.pixels.data(), pixmap.pitch * 4);
}

SDL_Texture* FrameTexture(ImageData& image, int index, bool mask) {
    if (!Display().renderer) return nullptr;
    FrameData& frame = image.frames[static_cast<size_t>(index)];
    if (frame.generation != Display().generation) {
        // The renderer these belonged to is gone and took them with it.
        frame.texture = frame.maskTexture = nullptr;
        frame.textureStale = frame.maskStale = true;
        frame.generation = Display().generation;
    }
    SDL_Texture*& texture = mask ? frame.maskTexture : frame.texture;
    bool& stale = mask ? frame.maskStale : frame.textureStale;
    if (stale || !texture) {
        if (frame.pixmap.pixels.empty() && !RestorePixels(image, false)) return nullptr;
        const Pixmap source = mask ? Thresholded(frame.pixmap) : Pixmap{};
        const Pixmap& pixels = mask ? source : frame.pixmap;
        if (texture) {
            UploadTexture(texture, pixels);
        } else {
            texture = MakeTexture(pixels, image.linear);
        }
        if (!mask) MeasureContent(frame);
        stale = false;
        if (!image.keepPixels && !mask) std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
    }
    return texture;
}

void MeasureContent(FrameData& frame) {
    const Pixmap& p = frame.pixmap;
    bool opaque = true;
    // Squared, to the far corner and to the near edge of a visible texel.
    float farthest = 0.0f, nearest = std::numeric_limits<float>::max();
    const float cx = p.width / 2.0f, cy = p.height / 2.0f;
    const auto near = [](int i, float c) {
        return std::max({0.0f, i - c, c - (i + 1)});  // from c to the span [i, i + 1]
    };
    for (int y = 0; y < p.height; ++y) {
        const float dy = std::max(std::fabs(y - cy), std::fabs(y + 1 - cy));
        const float ny = near(y, cy);
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t alpha = p.At(x, y) >> 24;
            if (alpha != 0xFF) opaque = false;
            if (alpha == 0) continue;
            const float dx = std::max(std::fabs(x - cx), std::fabs(x + 1 - cx));
            const float nx = near(x, cx);
            farthest = std::max(farthest, dx * dx + dy * dy);
            nearest = std::min(nearest, nx * nx + ny * ny);
        }
    }
    frame.opaque = opaque;
    frame.contentRadius = std::sqrt(farthest);
    frame.contentHole = nearest == std::numeric_limits<float>::max() ? 0.0f : std::sqrt(nearest);
    frame.measuredVersion = frame.version;
}

bool RestorePixels(ImageData& image, bool all) {
    if (image.path.empty()) return false;
    MatchCanvasScale(image);
    const int scale = image.texelScale;
    const Pixmap sheet =
        DecodeImageFile(scale == 2 ? DoubleResolutionPath(image.path) : image.path);
    const int cellWidth = image.cellWidth * scale, cellHeight = image.cellHeight * scale;
    const int columns = cellWidth > 0 ? sheet.width / cellWidth : 0;
    if (columns <= 0 || (sheet.height / cellHeight) * columns <
                            image.firstCell + static_cast<int>(image.frames.size()))
        return false;
    for (size_t f = 0; f < image.frames.size(); ++f) {
        FrameData& frame = image.frames[f];
        const bool needed =
            all || frame.textureStale || !frame.texture || frame.generation != Display().generation;
        if (!frame.pixmap.pixels.empty() || !needed) continue;
        frame.pixmap.pixels.resize(static_cast<size_t>(cellWidth) * cellHeight);
        CopyCell(sheet, image.firstCell + static_cast<int>(f), cellWidth, cellHeight, frame.pixmap);
    }
    return true;
}

void KeepPixels(ImageData& image) {
    if (!image.keepPixels) {
        image.hasDouble = false;
        MatchCanvasScale(image);
        RestorePixels(image, true);
    }
    image.keepPixels = true;
}

void MatchCanvasScale(ImageData& image) {
    const int scale = WantedScale(image);
    if (scale == image.texelScale) return;
    image.texelScale = scale;
    for (FrameData& frame : image.frames) {
        ReleaseTextures(frame);
        std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
        std::vector<std::uint32_t>().swap(frame.padded);
        frame.pixmap.width = frame.pixmap.pitch = image.width * scale;
        frame.pixmap.height = image.height * scale;
        // Other texels: measured again, and any drawing of them is a change.
        ++frame.version;
    }
}

std::string DoubleResolutionPath(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + "@2x";
    return path.substr(0, dot) + "@2x" + path.substr(dot);
}

void DrawFrameQuad(const Image& image, int frame, const SDL_FPoint corners[4], float u0, float v0,
                   float u1, float v1) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size()) ||
        !Display().renderer)
        return;
    SDL_Color colour;
    if (!CurrentVertexColour(colour)) return;
    MatchCanvasScale(*image);
    const int blend = Canvas().blend;
    const SDL_Vertex vertices[4] = {{corners[0], colour, {u0, v0}},
                                    {corners[1], colour, {u1, v0}},
                                    {corners[2], colour, {u1, v1}},
                                    {corners[3], colour, {u0, v1}}};
    static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
    Display().damage.Geometry(image, frame, blend == MASKBLEND, SdlBlend(blend), Canvas().viewport,
                              vertices, 4, kIndices, 6);
}

void ReleaseIdleImages() {
    // Idle for about ten seconds at 60 frames a second, looked for every two.
    constexpr std::uint64_t kIdleFrames = 600, kCheckFrames = 120;
    DisplayState& d = Display();
    const std::uint64_t now = d.damage.FrameSerial();
    if (now < d.nextIdleCheck) return;
    d.nextIdleCheck = now + kCheckFrames;
    std::erase_if(d.images, [](const std::weak_ptr<ImageData>& image) { return image.expired(); });
    bool released = false;
    for (const std::weak_ptr<ImageData>& weak : d.images) {
        const Image image = weak.lock();
        // Edited pictures hold the only copy of their pixels.
        if (!image || image->keepPixels || image->path.empty()) continue;
        for (FrameData& frame : image->frames) {
            const bool holds = frame.texture || frame.maskTexture || !frame.pixmap.pixels.empty() ||
                               !frame.padded.empty();
            // Loaded counts as used: not let go before its screen has had a chance to show.
            const std::uint64_t used = std::max(frame.drawnInFrame, frame.madeInFrame);
            if (!holds || now - used < kIdleFrames) continue;
            ReleaseTextures(frame);
            std::vector<std::uint32_t>().swap(frame.pixmap.pixels);
            std::vector<std::uint32_t>().swap(frame.padded);
            released = true;
        }
    }
#ifdef __GLIBC__
    // What was let go, and the decoders' scratch around it, goes back to the system rather than
    // staying in the heap.
    if (released) malloc_trim(0);
#endif
}

Image NewImage(int width, int height, int frames, bool linear, int texelScale) {
    auto image = std::make_shared<ImageData>();
    Display().images.push_back(image);
    image->width = width;
    image->height = height;
    image->texelScale = texelScale;
    image->linear = linear;
    width *= texelScale;
    height *= texelScale;
    image->frames.resize(static_cast<size_t>(frames));
    for (FrameData& frame : image->frames) {
        frame.serial = Display().damage.NewSerial();
        frame.madeInFrame = Display().damage.FrameSerial();
        frame.pixmap.width = frame.pixmap.pitch = width;
        frame.pixmap.height = height;
        frame.pixmap.pixels.assign(static_cast<size_t>(width) * height, 0u);
    }
    return image;
}

}  // namespace detail

namespace {

// The sheet drawn for the canvas's scale: the "@2x" twin while drawn at twice the resolution
// (when there is one), else the file itself.
Pixmap DecodeForScale(const std::string& path, int& scale) {
    scale = Display().scale;
    if (scale == 2) {
        Pixmap twin = detail::DecodeImageFile(detail::DoubleResolutionPath(path));
        if (twin.width > 0 && twin.width % 2 == 0 && twin.height % 2 == 0) return twin;
    }
    scale = 1;
    return detail::DecodeImageFile(path);
}

}  // namespace

Image LoadImageFile(const std::string& path, int flags) {
    int scale = 1;
    const Pixmap pixmap = DecodeForScale(path, scale);
    if (pixmap.width <= 0) return {};
    return LoadCells(path, pixmap.width / scale, pixmap.height / scale, 0, 1, flags, pixmap, scale);
}

Image LoadAnimImageFile(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                        int cellCount, int flags) {
    int scale = 1;
    const Pixmap sheet = DecodeForScale(path, scale);
    return LoadCells(path, cellWidth, cellHeight, firstCell, cellCount, flags, sheet, scale);
}

Image ImageFromPixmap(const Pixmap& pixmap, int flags) {
    Image image = CutCells(pixmap, pixmap.width, pixmap.height, 0, 1, Linear(flags), 1);
    return image ? Finish(image) : image;
}

Image ImageFromFrame(const Image& image, int frame) {
    const FrameData* data = FrameOf(image, frame);
    if (!data) return {};
    if (!image->path.empty() && !image->keepPixels)
        return LoadAnimImageFile(image->path, image->cellWidth, image->cellHeight,
                                 image->firstCell + frame, 1, image->linear ? FILTEREDIMAGE : 0);
    Pixmap* pixels = LockImage(image, frame);
    return pixels ? ImageFromPixmap(*pixels, image->linear ? FILTEREDIMAGE : 0) : Image{};
}

void SetImageHandle(const Image& image, float x, float y) {
    if (!image) return;
    image->handleX = x;
    image->handleY = y;
}

void GetImageHandle(const Image& image, float& x, float& y) {
    x = image ? image->handleX : 0.0f;
    y = image ? image->handleY : 0.0f;
}

void MidHandleImage(const Image& image) {
    if (image) SetImageHandle(image, image->width / 2.0f, image->height / 2.0f);
}

void AutoMidHandle(bool flag) {
    AutoMidHandleFlag() = flag;
}

int ImageWidth(const Image& image) {
    return image ? image->width : 0;
}
int ImageHeight(const Image& image) {
    return image ? image->height : 0;
}
int ImageFrames(const Image& image) {
    return image ? static_cast<int>(image->frames.size()) : 0;
}

Pixmap* LockImage(const Image& image, int frame) {
    FrameData* data = FrameOf(image, frame);
    if (!data) return nullptr;
    Display().damage.BeforePixelsChange(*data);
    detail::KeepPixels(*image);
    return &data->pixmap;
}

void UnlockImage(const Image& image, int frame) {
    if (FrameData* data = FrameOf(image, frame)) {
        data->textureStale = data->maskStale = true;
        ++data->version;
    }
}

void SetFrameTexCoords(const Image& image, int frame, float u0, float v0, float u1, float v1) {
    if (FrameData* data = FrameOf(image, frame)) {
        data->u0 = u0;
        data->v0 = v0;
        data->u1 = u1;
        data->v1 = v1;
    }
}

void DrawImageRectFrame(const Image& image, float x, float y, float w, float h, int frame) {
    FrameData* data = FrameOf(image, frame);
    if (!data) return;
    const float hx = image->handleX, hy = image->handleY;
    const SDL_FPoint corners[4] = {detail::Place(-hx, -hy, x, y), detail::Place(w - hx, -hy, x, y),
                                   detail::Place(w - hx, h - hy, x, y),
                                   detail::Place(-hx, h - hy, x, y)};
    detail::DrawFrameQuad(image, frame, corners, data->u0, data->v0, data->u1, data->v1);
}

void DrawImageFrame(const Image& image, float x, float y, int frame) {
    FrameData* data = FrameOf(image, frame);
    if (!data) return;
    // A frame restricted to part of its texture is drawn at that part's own size.
    DrawImageRectFrame(image, x, y, image->width * (data->u1 - data->u0),
                       image->height * (data->v1 - data->v0), frame);
}

void DrawImageArea(const Image& image, float x, float y, float sx, float sy, float sw, float sh,
                   int frame) {
    if (!FrameOf(image, frame)) return;
    const float w = static_cast<float>(image->width), h = static_cast<float>(image->height);
    const float left = std::max(sx, 0.0f), top = std::max(sy, 0.0f);
    const float right = std::min(sx + sw, w), bottom = std::min(sy + sh, h);
    if (right <= left || bottom <= top) return;
    // The area sits where it would be in the whole frame drawn at (x, y), without scaling.
    const float hx = image->handleX, hy = image->handleY;
    const SDL_FPoint corners[4] = {detail::Place(left - hx, top - hy, x, y, false),
                                   detail::Place(right - hx, top - hy, x, y, false),
                                   detail::Place(right - hx, bottom - hy, x, y, false),
                                   detail::Place(left - hx, bottom - hy, x, y, false)};
    detail::DrawFrameQuad(image, frame, corners, left / w, top / h, right / w, bottom / h);
}

}  // namespace media
