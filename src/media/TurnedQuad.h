#pragma once
// Turned pictures on the software renderer, drawn by the media layer itself.

#include <SDL.h>

#include "media/Media.h"

namespace media {
struct ImageData;
}

namespace media::detail {

// Whether DrawTurnedQuad takes this draw: a turned, slanted or stretched picture quad (two
// triangles 0-1-2, 0-2-3 over a parallelogram) of one vertex colour. What it draws, clipped,
// leaves exactly the pixels the whole draw leaves there.
bool TakesQuad(const ImageData& image, int frame, const SDL_Vertex* vertices, int vertexCount,
               const int* indices, int indexCount);

// Alpha-blends a frame of `image` over a quad TakesQuad takes into an ARGB8888 canvas within
// `clip`, bilinearly for a smooth image. False, having drawn nothing, for any other draw: SDL
// draws those.
bool DrawTurnedQuad(SDL_Surface* canvas, ImageData& image, int frame, const SDL_Vertex* vertices,
                    int vertexCount, const int* indices, int indexCount, const SDL_Rect& clip);

}  // namespace media::detail
