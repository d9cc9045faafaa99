#pragma once
// Pictures the media layer draws itself into the software renderer's canvas.

#include <SDL.h>

#include "media/Media.h"

namespace media {
struct ImageData;
}

namespace media::detail {

// Whether DrawQuad takes this draw: a picture quad (two triangles 0-1-2, 0-2-3 over a
// parallelogram) of one vertex colour, blended or added, that is turned or slanted, or upright
// at its own size on whole pixels. What it draws, clipped, leaves exactly
// the pixels the whole draw leaves there.
bool TakesQuad(const ImageData& image, int frame, const SDL_Vertex* vertices, int vertexCount,
               const int* indices, int indexCount, SDL_BlendMode blend);

// Draws a frame of `image` over a quad TakesQuad takes into an ARGB8888 canvas within `clip`,
// bilinearly for a smooth image. False, having drawn nothing, for any other draw: SDL draws
// those.
bool DrawQuad(SDL_Surface* canvas, ImageData& image, int frame, const SDL_Vertex* vertices,
              int vertexCount, const int* indices, int indexCount, SDL_BlendMode blend,
              const SDL_Rect& clip);

}  // namespace media::detail
