#pragma once
// An image as the media layer keeps it: CPU pixels per frame (the truth) and textures made
// from them on demand for the current renderer. A picture read from a file lets its pixels go
// once they are on a texture, and decodes the file again whenever they are wanted (a mask, a
// new renderer); an edit keeps them for good.

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/Media.h"

namespace media {

struct FrameData {
    Pixmap pixmap;
    SDL_Texture* texture = nullptr;
    SDL_Texture* maskTexture = nullptr;  // alpha thresholded at one half, for MASKBLEND
    unsigned generation = 0;             // renderer generation the textures belong to
    // Who the pixels are and which edit of them, for telling one frame's drawing from the next.
    std::uint64_t serial = 0;
    std::uint64_t version = 0;
    std::uint64_t drawnInFrame = 0;  // the display frame that last drew it
    std::uint64_t madeInFrame = 0;   // and the one it was made in
    bool textureStale = true;
    bool maskStale = true;
    // What the pixels of `measuredVersion` hold: every one fully opaque (so blending the frame
    // is a plain copy), and how far from the centre, in texels, the visible ones reach (a
    // turned picture changes nothing outside that circle).
    bool opaque = false;
    float contentRadius = 0.0f;
    float contentHole = 0.0f;  // nothing visible nearer the centre than this (a ring's hole)
    std::uint64_t measuredVersion = ~std::uint64_t{0};
    // For the media layer's own drawing into the software renderer's canvas: the pixels with the
    // edge repeated all round, made from `version`; what such a picture keeps instead of its
    // pixmap and texture.
    // Only the rows down to one past the last visible one are kept (`paddedRows` of them).
    std::vector<std::uint32_t> padded;
    std::uint64_t paddedVersion = 0;
    int paddedRows = 0;
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

struct ImageData {
    // In canvas pixels; a frame's pixmap holds texelScale texels for each of them.
    int width = 0;
    int height = 0;
    int texelScale = 1;
    // The file has a twin drawn at twice the resolution (its name with "@2x" before the
    // extension), used while the canvas is drawn at twice the resolution.
    bool hasDouble = false;
    float handleX = 0.0f;
    float handleY = 0.0f;
    bool linear = true;
    std::vector<FrameData> frames;
    // The file and the cells cut from it, for decoding let-go pixels again.
    std::string path;
    int cellWidth = 0, cellHeight = 0, firstCell = 0;
    bool keepPixels = true;

    ImageData() = default;
    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;
    ~ImageData();
};

namespace detail {

// The frame's texture for the current renderer (the mask texture for MASKBLEND), made or
// refreshed as needed; null without a display.
SDL_Texture* FrameTexture(ImageData& image, int frame, bool mask);
// Lets go of the frame's textures; they are made again when next wanted.
void ReleaseTextures(FrameData& frame);
// Measures the frame's pixels (opaque, contentRadius, contentHole) for their current version.
void MeasureContent(FrameData& frame);
// True when the measure is of the pixels as they are now.
inline bool Measured(const FrameData& frame) {
    return frame.measuredVersion == frame.version;
}
// Decodes the file again for frames whose pixels were let go (all of them, or those that need
// a texture made); false when the file cannot be read any more.
bool RestorePixels(ImageData& image, bool all);
// The frame's pixels are wanted from now on (edited); an edit is always of the picture's own
// resolution, so a picture drawn from its "@2x" twin goes back to its own file first.
void KeepPixels(ImageData& image);
// Lets go of pixels and textures of the wrong resolution after the canvas scale changed; the
// pictures' pixels come back from the file of the new one when next wanted.
void MatchCanvasScale(ImageData& image);
// The name of a picture file's twin drawn at twice the resolution: "a/b.png" -> "a/b@2x.png".
std::string DoubleResolutionPath(const std::string& path);
// Draws a part (u0..u1, v0..v1 of the texture) of a frame onto the quad with the canvas
// colour, alpha and blend.
void DrawFrameQuad(const Image& image, int frame, const SDL_FPoint corners[4], float u0, float v0,
                   float u1, float v1);
// A blank image that AutoMidHandle leaves alone (for the layer's own use), with texelScale
// texels per canvas pixel.
Image NewImage(int width, int height, int frames, bool linear, int texelScale = 1);

}  // namespace detail
}  // namespace media
