#pragma once
// The canvas as a frame's first commands left it, kept where the frames keep changing above
// them (a ring's pieces turning over the background and its band): an area redrawn there
// starts from a copy instead of drawing those commands again. Kept only once frames have gone
// on changing above the same first commands for a while, and let go as soon as one of those
// commands changes.

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace media::detail {

class StillLayers {
public:
    // Follows a frame compared with the last one: its first `head` commands were the same and
    // `rects` changed (device pixels; `whole` is the canvas). True when the layers should be
    // kept in this frame, drawn whole: Keep after the first CommandsToKeep() commands.
    bool Follow(size_t head, const std::vector<SDL_Rect>& rects, const SDL_Rect& whole);
    size_t CommandsToKeep() const { return streakHead_; }
    // Keeps the software canvas, as drawn so far, as the frame's first `commands` left it.
    void Keep(size_t commands);
    // Copies the kept layers into the software canvas over `area`; the number of the frame's
    // first commands that stands for, none when they are not kept there.
    size_t Restore(const SDL_Rect& area);
    // Nothing is kept any more (the frame was not compared, or the renderer went away).
    void Drop();

private:
    std::vector<std::uint32_t> pixels_;  // area_.w by area_.h, row after row
    SDL_Rect area_{0, 0, 0, 0};
    size_t commands_ = 0;
    // Frames in a row redrawn in part below which the first `streakHead_` commands stayed the
    // same, and all that changed in them.
    int streak_ = 0;
    size_t streakHead_ = 0;
    SDL_Rect streakArea_{0, 0, 0, 0};
};

}  // namespace media::detail
