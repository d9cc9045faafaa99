#include "media/StillLayers.h"

#include <algorithm>
#include <cstring>

#include "media/MediaInternal.h"

namespace media::detail {

namespace {

// Kept once this many frames in a row changed only above the same first commands, at least
// this many of them (a background alone is copied as cheaply as kept).
constexpr int kStreak = 30;
constexpr size_t kLeastCommands = 2;
// Kept this much wider than all that changed, so that a fizz wandering a pixel further out does
// not make the layers be kept again (which draws a whole frame).
constexpr int kMargin = 8;

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Copies `area` of the software renderer's canvas into `pixels` (rows `stride` pixels apart) or
// back; false, having copied nothing, without such a canvas. Row by row, past SDL's clip, which
// its renderer keeps for its own drawing.
bool CopyCanvas(const SDL_Rect& area, std::uint32_t* pixels, int stride, bool toCanvas) {
    SDL_Surface* canvas = Display().canvasSurface;
    // The window's own surface, when it is the canvas, may leave its alpha byte unused.
    if (!canvas || canvas->format->BytesPerPixel != 4 ||
        !Contains({0, 0, canvas->w, canvas->h}, area))
        return false;
    // What SDL still holds back must land first, to keep the drawing order.
    SDL_RenderFlush(Display().renderer);
    if (SDL_MUSTLOCK(canvas) && SDL_LockSurface(canvas) != 0) return false;
    const auto rowBytes = static_cast<size_t>(area.w) * sizeof(std::uint32_t);
    for (int y = 0; y < area.h; ++y) {
        auto* row = static_cast<std::uint8_t*>(canvas->pixels) +
                    static_cast<std::ptrdiff_t>(area.y + y) * canvas->pitch +
                    static_cast<std::ptrdiff_t>(area.x) * 4;
        std::uint32_t* kept = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        if (toCanvas)
            std::memcpy(row, kept, rowBytes);
        else
            std::memcpy(kept, row, rowBytes);
    }
    if (SDL_MUSTLOCK(canvas)) SDL_UnlockSurface(canvas);
    return true;
}

}  // namespace

bool StillLayers::Follow(size_t head, const std::vector<SDL_Rect>& rects, const SDL_Rect& whole) {
    if (commands_ > head) Drop();
    if (rects.empty()) return false;
    if (head < kLeastCommands || SameRect(rects.front(), whole)) {
        streak_ = 0;
        return false;
    }
    if (streak_ == 0) {
        streakHead_ = head;
        streakArea_ = rects.front();
    }
    streakHead_ = std::min(streakHead_, head);
    for (const SDL_Rect& r : rects) SDL_UnionRect(&streakArea_, &r, &streakArea_);
    ++streak_;
    // Kept already over all that changed: nothing to add.
    if (!pixels_.empty() && Contains(area_, streakArea_)) return false;
    return streak_ >= kStreak && Display().canvasSurface;
}

void StillLayers::Keep(size_t commands) {
    // Over all that changed since the layers were last kept: what no longer changes is let go,
    // and a smaller area holds no more memory than it needs.
    SDL_Rect area{streakArea_.x - kMargin, streakArea_.y - kMargin, streakArea_.w + 2 * kMargin,
                  streakArea_.h + 2 * kMargin};
    if (const SDL_Surface* canvas = Display().canvasSurface) {
        const SDL_Rect bounds{0, 0, canvas->w, canvas->h};
        SDL_IntersectRect(&area, &bounds, &area);
    }
    std::vector<std::uint32_t>(static_cast<size_t>(area.w) * static_cast<size_t>(area.h))
        .swap(pixels_);
    streak_ = 0;
    if (!CopyCanvas(area, pixels_.data(), area.w, false)) {
        Drop();
        return;
    }
    area_ = area;
    commands_ = commands;
}

size_t StillLayers::Restore(const SDL_Rect& area) {
    if (pixels_.empty() || !Contains(area_, area)) return 0;
    const auto at = static_cast<std::ptrdiff_t>(area.y - area_.y) * area_.w + (area.x - area_.x);
    return CopyCanvas(area, pixels_.data() + at, area_.w, true) ? commands_ : 0;
}

void StillLayers::Drop() {
    std::vector<std::uint32_t>().swap(pixels_);
    commands_ = 0;
    streak_ = 0;
}

}  // namespace media::detail
