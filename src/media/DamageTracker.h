#pragma once
// Keeps a frame's drawing as a list and, at the flip, redraws into the persistent canvas only
// where this frame's list differs from the last one's. The screens above go on drawing the
// whole picture every frame; a game left open on an idle screen then costs almost nothing.

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/Media.h"
#include "media/StillLayers.h"

namespace media {
struct FrameData;
}

namespace media::detail {

struct DrawCommand {
    enum class Kind : std::uint8_t { Clear, Geometry, Point, Line };
    Kind kind = Kind::Clear;
    bool mask = false;  // the frame's alpha-thresholded texture
    // Clipped, it leaves the same pixels inside the clip as drawn whole. A stretched or turned
    // picture may not (a software renderer rounds its source rectangle to the clip), so any
    // redrawn area that touches one is widened to hold all of it.
    bool clipsExactly = true;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Color colour{0, 0, 0, 0};
    SDL_Rect clip{0, 0, 0, 0};
    SDL_Rect bounds{0, 0, 0, 0};  // every pixel the command may touch
    // The texture's source by identity and content, so a changed picture counts as a change.
    std::uint64_t frameSerial = 0;
    std::uint64_t frameVersion = 0;
    int frame = 0;
    Image image;  // held until the command has been drawn; dropped from the kept list
    int firstVertex = 0, vertexCount = 0;
    int firstIndex = 0, indexCount = 0;
    SDL_FPoint from{0, 0}, to{0, 0};  // a point or a line
};

struct FrameList {
    std::vector<DrawCommand> commands;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    bool clean = false;  // begins with a clear, so the canvas is a function of the list alone
    void Reset();
};

// Draws are recorded in canvas pixels and kept, compared and drawn in device pixels.
class DamageTracker {
public:
    void Clear(SDL_Color colour);
    // Textured when image is set (frame `frame`, its mask texture when `mask`).
    void Geometry(const Image& image, int frame, bool mask, SDL_BlendMode blend, SDL_Rect clip,
                  const SDL_Vertex* vertices, int vertexCount, const int* indices, int indexCount);
    void Point(SDL_Color colour, SDL_BlendMode blend, SDL_Rect clip, SDL_FPoint at);
    void Line(SDL_Color colour, SDL_BlendMode blend, SDL_Rect clip, SDL_FPoint from, SDL_FPoint to);

    // The canvas must show the frame so far (someone reads it): what is pending is drawn and
    // the rest of the frame is drawn as it comes.
    void Flush();
    // Called before a picture's pixels change: a pending draw of it must use the old pixels.
    void BeforePixelsChange(FrameData& frame);
    std::uint64_t NewSerial() { return ++lastSerial_; }
    // Counts the frames shown; a picture's drawnInFrame is one of these.
    std::uint64_t FrameSerial() const { return frameSerial_; }

    // Brings the canvas up to date at the end of a frame; the canvas rectangles that changed,
    // none when the picture is the same as the last frame's.
    std::vector<SDL_Rect> Finish();
    // Pixels the last Finish copied from the still layers instead of drawing them.
    long RestoredPixels() const { return restored_; }
    // The next frame is drawn and shown whole (the window was exposed, resized, ...).
    void ForceWholeFrame() { previous_.clean = false; }
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    // The renderer's clip was changed behind our back.
    void ForgetClip() { clipKnown_ = false; }
    // Drops both frames and the pictures they hold (the renderer is going away).
    void Reset();

private:
    void Record(DrawCommand command);
    void Execute(const DrawCommand& command, const FrameList& list, const SDL_Rect* area);
    void SetClip(const SDL_Rect& clip);
    std::vector<SDL_Rect> Damage(size_t& head) const;
    void Realign(size_t head, size_t beforeEnd, size_t nowEnd, std::vector<SDL_Rect>& rects) const;
    void Widen(std::vector<SDL_Rect>& rects) const;
    void KeepAsPrevious();
    void DrawWholeKeepingStill();
    void Redraw(const SDL_Rect& area);

    FrameList current_;
    FrameList previous_;
    std::vector<SDL_Vertex> scratch_;  // a draw's vertices mapped to device pixels
    StillLayers still_;
    bool immediate_ = false;  // the pending list was flushed; draws go straight to the canvas
    bool enabled_ = true;
    bool clipKnown_ = false;
    SDL_Rect clip_{0, 0, 0, 0};
    std::uint64_t frameSerial_ = 1;
    std::uint64_t lastSerial_ = 0;
    long restored_ = 0;
};

}  // namespace media::detail
