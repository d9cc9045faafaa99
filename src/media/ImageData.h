#pragma once
// An image as the media layer keeps it: CPU pixels per frame (the truth) and textures made
// from them on demand for the current renderer.

#include <SDL.h>

#include <vector>

#include "media/Media.h"

namespace media {

struct FrameData {
    Pixmap pixmap;
    SDL_Texture* texture = nullptr;
    SDL_Texture* maskTexture = nullptr;  // alpha thresholded at one half, for MASKBLEND
    unsigned generation = 0;             // renderer generation the textures belong to
    bool textureStale = true;
    bool maskStale = true;
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

struct ImageData {
    int width = 0;
    int height = 0;
    float handleX = 0.0f;
    float handleY = 0.0f;
    bool linear = true;
    std::vector<FrameData> frames;

    ImageData() = default;
    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;
    ~ImageData();
};

namespace detail {

// The frame's texture for the current renderer (the mask texture for MASKBLEND), made or
// refreshed as needed; null without a display.
SDL_Texture* FrameTexture(FrameData& frame, bool linear, bool mask);
// Draws a part (u0..u1, v0..v1 of the texture) of a frame onto the quad with the canvas
// colour, alpha and blend.
void DrawFrameQuad(ImageData& image, int frame, const SDL_FPoint corners[4], float u0, float v0,
                   float u1, float v1);
// A blank image that AutoMidHandle leaves alone (for the layer's own use).
Image NewImage(int width, int height, int frames, bool linear);

}  // namespace detail
}  // namespace media
