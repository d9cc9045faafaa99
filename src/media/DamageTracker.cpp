// Frame-to-frame damage: what changed is found by comparing this frame's drawing with the last,
// and only those rectangles are drawn again, every command clipped to them. Outside them every
// pixel is touched by the same commands in the same order as last time, so it already holds
// what a whole redraw would give.
#include "media/DamageTracker.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "media/CanvasQuad.h"
#include "media/ImageData.h"
#include "media/MediaInternal.h"

namespace media::detail {

namespace {

// Everything here is in device pixels: the canvas drawn at its scale.
SDL_Rect Whole() {
    return DeviceCanvas();
}
// More rectangles than this cost more in walking the list than they save in pixels (a
// screen's list is a few dozen commands; the title's ring moves eighteen pieces at once).
constexpr size_t kMaxRects = 24;
// How far ahead a changed list is searched for the commands that follow one that came or went.
constexpr size_t kLookAhead = 8;

SDL_Rect Intersection(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect out{0, 0, 0, 0};
    if (!SDL_IntersectRect(&a, &b, &out)) return {0, 0, 0, 0};
    return out;
}

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect out;
    SDL_UnionRect(&a, &b, &out);
    return out;
}

long Area(const SDL_Rect& r) {
    return static_cast<long>(r.w) * r.h;
}

// A coordinate far off the canvas, held where it still fits an int.
int Pixel(float value) {
    return static_cast<int>(std::clamp(value, -65536.0f, 65536.0f));
}

// Integer pixels around float positions, a pixel wider each way: rasterisers round differently.
SDL_Rect BoundsOf(float minX, float minY, float maxX, float maxY, const SDL_Rect& clip) {
    if (!std::isfinite(minX + minY + maxX + maxY)) return {0, 0, 0, 0};
    const int left = Pixel(std::floor(minX)) - 1;
    const int top = Pixel(std::floor(minY)) - 1;
    const int right = Pixel(std::ceil(maxX)) + 2;
    const int bottom = Pixel(std::ceil(maxY)) + 2;
    return Intersection(Intersection({left, top, right - left, bottom - top}, clip), Whole());
}

// An opaque picture blended at full alpha leaves the same pixels as copied, and copying is
// several times cheaper on a software renderer (every screen's background is such a picture).
bool Opaque(const DrawCommand& command, const SDL_Vertex* vertices) {
    if (command.blend != SDL_BLENDMODE_BLEND || command.mask || !command.image ||
        !Measured(command.image->frames[static_cast<size_t>(command.frame)]) ||
        !command.image->frames[static_cast<size_t>(command.frame)].opaque)
        return false;
    for (int i = 0; i < command.vertexCount; ++i)
        if (vertices[i].color.a != 255) return false;
    return true;
}

// Blended, a picture's transparent pixels change nothing: a turned picture whose visible part
// is round (the title's ring) changes only the box around that circle, not the box around
// its turned corners.
void ContentBounds(const ImageData& image, int frame, const SDL_Vertex* v, int count, float& minX,
                   float& minY, float& maxX, float& maxY) {
    const FrameData& data = image.frames[static_cast<size_t>(frame)];
    // The content is measured in texels, so the quad is too.
    const int texelsWide = data.pixmap.width, texelsHigh = data.pixmap.height;
    if (count != 4 || !Measured(data) || texelsWide <= 0 || texelsHigh <= 0) return;
    const auto at = [](const SDL_FPoint& p, float x, float y) { return p.x == x && p.y == y; };
    if (!at(v[0].tex_coord, 0, 0) || !at(v[1].tex_coord, 1, 0) || !at(v[2].tex_coord, 1, 1) ||
        !at(v[3].tex_coord, 0, 1))
        return;
    const float skewX = v[0].position.x + v[2].position.x - v[1].position.x - v[3].position.x;
    const float skewY = v[0].position.y + v[2].position.y - v[1].position.y - v[3].position.y;
    if (std::fabs(skewX) > 0.01f || std::fabs(skewY) > 0.01f) return;  // not a parallelogram
    // One texel more for a smooth picture's blur.
    const float r = data.contentRadius + 1.0f;
    const float ax = (v[1].position.x - v[0].position.x) / texelsWide;
    const float ay = (v[1].position.y - v[0].position.y) / texelsWide;
    const float bx = (v[3].position.x - v[0].position.x) / texelsHigh;
    const float by = (v[3].position.y - v[0].position.y) / texelsHigh;
    const float cx = (v[0].position.x + v[2].position.x) / 2;
    const float cy = (v[0].position.y + v[2].position.y) / 2;
    const float hx = r * std::hypot(ax, bx), hy = r * std::hypot(ay, by);
    minX = std::max(minX, cx - hx);
    maxX = std::min(maxX, cx + hx);
    minY = std::max(minY, cy - hy);
    maxY = std::min(maxY, cy + hy);
}

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// A solid (unblended) rectangle over the whole canvas, like a background picture drawn with
// SOLIDBLEND: it replaces every pixel whatever was there, as a clear does. So does a picture
// known to be opaque through and through, blended at full alpha (as most screens draw their
// background).
bool CoversCanvas(SDL_BlendMode blend, const Image& image, int frame, bool mask,
                  const SDL_Rect& clip, const SDL_Vertex* vertices, int count) {
    const SDL_Rect whole = Whole();
    if (count != 4 || !SameRect(clip, whole)) return false;
    if (blend != SDL_BLENDMODE_NONE) {
        if (blend != SDL_BLENDMODE_BLEND || !image || mask) return false;
        const FrameData& data = image->frames[static_cast<size_t>(frame)];
        if (!Measured(data) || !data.opaque) return false;
        for (int i = 0; i < count; ++i)
            if (vertices[i].color.a != 255) return false;
    }
    const SDL_FPoint& a = vertices[0].position;
    const SDL_FPoint& c = vertices[2].position;
    const bool axisAligned = vertices[1].position.x == c.x && vertices[1].position.y == a.y &&
                             vertices[3].position.x == a.x && vertices[3].position.y == c.y;
    return axisAligned && std::min(a.x, c.x) <= 0.0f && std::min(a.y, c.y) <= 0.0f &&
           std::max(a.x, c.x) >= static_cast<float>(whole.w) &&
           std::max(a.y, c.y) >= static_cast<float>(whole.h);
}

bool SameCommand(const DrawCommand& a, const FrameList& la, const DrawCommand& b,
                 const FrameList& lb) {
    if (a.kind != b.kind || a.mask != b.mask || a.blend != b.blend ||
        a.frameSerial != b.frameSerial || a.frameVersion != b.frameVersion || a.frame != b.frame ||
        !SameRect(a.clip, b.clip) || !SameRect(a.bounds, b.bounds) ||
        std::memcmp(&a.colour, &b.colour, sizeof a.colour) != 0 ||
        std::memcmp(&a.from, &b.from, sizeof a.from) != 0 ||
        std::memcmp(&a.to, &b.to, sizeof a.to) != 0 || a.vertexCount != b.vertexCount ||
        a.indexCount != b.indexCount)
        return false;
    const auto vertices = static_cast<size_t>(a.vertexCount);
    const auto indices = static_cast<size_t>(a.indexCount);
    return (vertices == 0 || std::memcmp(&la.vertices[static_cast<size_t>(a.firstVertex)],
                                         &lb.vertices[static_cast<size_t>(b.firstVertex)],
                                         vertices * sizeof(SDL_Vertex)) == 0) &&
           (indices == 0 || std::memcmp(&la.indices[static_cast<size_t>(a.firstIndex)],
                                        &lb.indices[static_cast<size_t>(b.firstIndex)],
                                        indices * sizeof(int)) == 0);
}

bool Whole(float value) {
    return std::floor(value) == value;
}

// An upright picture drawn at its own size on whole pixels: every pixel comes from one texel,
// wherever the clip cuts it. Exactly so: a texture edge a hair short of a texel is rounded down
// and the picture stretched by a texel.
bool UnscaledUpright(const ImageData& image, int frame, const SDL_Vertex* v, int count) {
    if (count != 4) return false;
    const bool upright =
        v[0].position.y == v[1].position.y && v[1].position.x == v[2].position.x &&
        v[2].position.y == v[3].position.y && v[3].position.x == v[0].position.x &&
        v[0].tex_coord.y == v[1].tex_coord.y && v[1].tex_coord.x == v[2].tex_coord.x &&
        v[2].tex_coord.y == v[3].tex_coord.y && v[3].tex_coord.x == v[0].tex_coord.x;
    const FrameData& data = image.frames[static_cast<size_t>(frame)];
    const float w = static_cast<float>(data.pixmap.width);
    const float h = static_cast<float>(data.pixmap.height);
    const float left = v[0].tex_coord.x * w, right = v[2].tex_coord.x * w;
    const float top = v[0].tex_coord.y * h, bottom = v[2].tex_coord.y * h;
    const SDL_FPoint& a = v[0].position;
    const SDL_FPoint& c = v[2].position;
    return upright && Whole(a.x) && Whole(a.y) && Whole(c.x) && Whole(c.y) && Whole(left) &&
           Whole(right) && Whole(top) && Whole(bottom) && c.x - a.x == right - left &&
           c.y - a.y == bottom - top && c.x > a.x && c.y > a.y;
}

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

// Adds a rectangle to a short list, joining it to one it overlaps when their union is no larger
// than the two apart and, past the limit, joining the pair whose union wastes the least. Rects
// left overlapping draw their common part twice, to the same pixels: each area is drawn again
// from the frame's first command.
void AddDamage(std::vector<SDL_Rect>& rects, SDL_Rect rect) {
    if (rect.w <= 0 || rect.h <= 0) return;
    for (bool joined = true; joined;) {
        joined = false;
        for (auto it = rects.begin(); it != rects.end(); ++it) {
            if (SDL_HasIntersection(&*it, &rect) &&
                Area(Union(*it, rect)) <= Area(*it) + Area(rect)) {
                rect = Union(*it, rect);
                rects.erase(it);
                joined = true;
                break;
            }
        }
    }
    rects.push_back(rect);
    while (rects.size() > kMaxRects) {
        size_t bestA = 0, bestB = 1;
        long bestWaste = -1;
        for (size_t a = 0; a < rects.size(); ++a) {
            for (size_t b = a + 1; b < rects.size(); ++b) {
                const long waste =
                    Area(Union(rects[a], rects[b])) - Area(rects[a]) - Area(rects[b]);
                if (bestWaste < 0 || waste < bestWaste) {
                    bestWaste = waste;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        const SDL_Rect joined = Union(rects[bestA], rects[bestB]);
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(bestB));
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(bestA));
        AddDamage(rects, joined);
    }
}

}  // namespace

void FrameList::Reset() {
    commands.clear();
    vertices.clear();
    indices.clear();
    clean = false;
}

void DamageTracker::Clear(SDL_Color colour) {
    // A clear hides everything drawn before it in the frame.
    current_.Reset();
    current_.clean = true;
    DrawCommand command;
    command.kind = DrawCommand::Kind::Clear;
    command.colour = colour;
    command.clip = command.bounds = Whole();
    Record(std::move(command));
}

void DamageTracker::Geometry(const Image& image, int frame, bool mask, SDL_BlendMode blend,
                             SDL_Rect logicalClip, const SDL_Vertex* logical, int vertexCount,
                             const int* indices, int indexCount) {
    if (vertexCount <= 0 || indexCount <= 0) return;
    const SDL_Rect clip = ToDevice(logicalClip);
    scratch_.assign(logical, logical + vertexCount);
    for (SDL_Vertex& vertex : scratch_) vertex.position = ToDevice(vertex.position);
    const SDL_Vertex* vertices = scratch_.data();
    float minX = vertices[0].position.x, maxX = minX;
    float minY = vertices[0].position.y, maxY = minY;
    for (int i = 1; i < vertexCount; ++i) {
        minX = std::min(minX, vertices[i].position.x);
        maxX = std::max(maxX, vertices[i].position.x);
        minY = std::min(minY, vertices[i].position.y);
        maxY = std::max(maxY, vertices[i].position.y);
    }
    // A picture that may clip otherwise than drawn whole is redrawn whole wherever it is cut,
    // so its bounds must hold its whole quad, transparent margins and all.
    const bool clipsExactly =
        !image || UnscaledUpright(*image, frame, vertices, vertexCount) ||
        (Display().canvasSurface && !mask &&
         TakesQuad(*image, frame, vertices, vertexCount, indices, indexCount, blend));
    if (image && !mask && blend == SDL_BLENDMODE_BLEND && clipsExactly)
        ContentBounds(*image, frame, vertices, vertexCount, minX, minY, maxX, maxY);
    DrawCommand command;
    command.kind = DrawCommand::Kind::Geometry;
    command.bounds = BoundsOf(minX, minY, maxX, maxY, clip);
    if (command.bounds.w <= 0 || command.bounds.h <= 0) return;
    if (CoversCanvas(blend, image, frame, mask, clip, vertices, vertexCount)) {
        current_.Reset();
        current_.clean = true;
    }
    command.blend = blend;
    command.clip = clip;
    command.mask = mask;
    command.clipsExactly = clipsExactly;
    if (image) {
        FrameData& data = image->frames[static_cast<size_t>(frame)];
        data.drawnInFrame = frameSerial_;
        command.frameSerial = data.serial;
        command.frameVersion = data.version;
        command.frame = frame;
        command.image = image;
    }
    command.firstVertex = static_cast<int>(current_.vertices.size());
    command.vertexCount = vertexCount;
    command.firstIndex = static_cast<int>(current_.indices.size());
    command.indexCount = indexCount;
    current_.vertices.insert(current_.vertices.end(), vertices, vertices + vertexCount);
    current_.indices.insert(current_.indices.end(), indices, indices + indexCount);
    Record(std::move(command));
}

void DamageTracker::Point(SDL_Color colour, SDL_BlendMode blend, SDL_Rect clip, SDL_FPoint at) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Point;
    command.colour = colour;
    command.blend = blend;
    command.clip = ToDevice(clip);
    command.from = command.to = ToDevice(at);
    // A canvas pixel covers scale by scale device pixels.
    const auto wide = static_cast<float>(CanvasScale() - 1);
    command.bounds = BoundsOf(command.from.x, command.from.y, command.from.x + wide,
                              command.from.y + wide, command.clip);
    if (command.bounds.w > 0 && command.bounds.h > 0) Record(std::move(command));
}

void DamageTracker::Line(SDL_Color colour, SDL_BlendMode blend, SDL_Rect clip, SDL_FPoint from,
                         SDL_FPoint to) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Line;
    command.colour = colour;
    command.blend = blend;
    command.clip = ToDevice(clip);
    command.from = from = ToDevice(from);
    command.to = to = ToDevice(to);
    // As thick as a canvas pixel.
    const auto wide = static_cast<float>(CanvasScale() - 1);
    command.bounds =
        BoundsOf(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + wide,
                 std::max(from.y, to.y) + wide, command.clip);
    if (command.bounds.w > 0 && command.bounds.h > 0) Record(std::move(command));
}

void DamageTracker::Record(DrawCommand command) {
    current_.commands.push_back(std::move(command));
    if (immediate_) Execute(current_.commands.back(), current_, nullptr);
}

void DamageTracker::Flush() {
    // Nothing drawn yet this frame: the canvas already shows what a reader should see.
    if (immediate_ || current_.commands.empty()) return;
    immediate_ = true;
    for (const DrawCommand& command : current_.commands) Execute(command, current_, nullptr);
}

void DamageTracker::BeforePixelsChange(FrameData& frame) {
    if (frame.drawnInFrame == frameSerial_) Flush();
    ++frame.version;
}

void DamageTracker::SetEnabled(bool on) {
    enabled_ = on;
    ForceWholeFrame();
}

void DamageTracker::Reset() {
    // Moved out first: the pictures' destructors may call back into the display.
    FrameList dropCurrent = std::move(current_);
    FrameList dropPrevious = std::move(previous_);
    current_.Reset();
    previous_.Reset();
    still_.Drop();
    immediate_ = false;
    clipKnown_ = false;
    ++frameSerial_;
}

void DamageTracker::SetClip(const SDL_Rect& clip) {
    if (clipKnown_ && SameRect(clip, clip_)) return;
    SDL_RenderSetClipRect(Display().renderer, &clip);
    clip_ = clip;
    clipKnown_ = true;
}

void DamageTracker::Execute(const DrawCommand& command, const FrameList& list,
                            const SDL_Rect* area) {
    SDL_Renderer* renderer = Display().renderer;
    if (!renderer) return;
    const SDL_Rect clip = area ? Intersection(command.clip, *area) : command.clip;
    if (clip.w <= 0 || clip.h <= 0) return;
    const SDL_Color c = command.colour;
    switch (command.kind) {
        case DrawCommand::Kind::Clear:
            SetClip(clip);
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, 255);
            if (area) {
                // A clear ignores the clip; a solid fill of the area leaves the same pixels.
                SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
                SDL_RenderFillRect(renderer, &clip);
            } else {
                SDL_RenderClear(renderer);
            }
            break;
        case DrawCommand::Kind::Geometry: {
            const SDL_Vertex* vertices = &list.vertices[static_cast<size_t>(command.firstVertex)];
            const int* indices = &list.indices[static_cast<size_t>(command.firstIndex)];
            if (command.image && !command.mask &&
                DrawQuad(Display().canvasSurface, *command.image, command.frame, vertices,
                         command.vertexCount, indices, command.indexCount, command.blend, clip))
                break;
            SDL_Texture* texture = nullptr;
            if (command.image) {
                texture = FrameTexture(*command.image, command.frame, command.mask);
                if (!texture) return;
                SDL_SetTextureBlendMode(
                    texture, Opaque(command, vertices) ? SDL_BLENDMODE_NONE : command.blend);
            } else {
                SDL_SetRenderDrawBlendMode(renderer, command.blend);
            }
            SetClip(clip);
            SDL_RenderGeometry(renderer, texture, vertices, command.vertexCount, indices,
                               command.indexCount);
            break;
        }
        case DrawCommand::Kind::Point: {
            SetClip(clip);
            SDL_SetRenderDrawBlendMode(renderer, command.blend);
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
            const auto wide = static_cast<float>(CanvasScale());
            const SDL_FRect pixel{command.from.x, command.from.y, wide, wide};
            SDL_RenderFillRectF(renderer, &pixel);
            break;
        }
        case DrawCommand::Kind::Line: {
            SetClip(clip);
            SDL_SetRenderDrawBlendMode(renderer, command.blend);
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
            // A line a canvas pixel thick: the device-pixel line at each offset within one.
            const int wide = CanvasScale();
            for (int dy = 0; dy < wide; ++dy) {
                for (int dx = 0; dx < wide; ++dx) {
                    SDL_RenderDrawLineF(renderer, command.from.x + dx, command.from.y + dy,
                                        command.to.x + dx, command.to.y + dy);
                }
            }
            break;
        }
    }
}

std::vector<SDL_Rect> DamageTracker::Damage(size_t& head) const {
    std::vector<SDL_Rect> rects;
    const auto& before = previous_.commands;
    const auto& now = current_.commands;
    head = 0;
    while (head < before.size() && head < now.size() &&
           SameCommand(before[head], previous_, now[head], current_))
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           SameCommand(before[before.size() - 1 - tail], previous_, now[now.size() - 1 - tail],
                       current_))
        ++tail;
    const size_t beforeEnd = before.size() - tail, nowEnd = now.size() - tail;
    Realign(head, beforeEnd, nowEnd, rects);
    return rects;
}

// The two lists are walked side by side and, where they part, a few commands ahead in either
// are searched for the next pair that matches (a particle born or gone shifts the rest).
// Commands matched in order leave the same pixels wherever nothing else changed, so only the
// unmatched ones need drawing again, not everything between the first and last difference
// (which, when a bubble came and another went, was most of the board).
void DamageTracker::Realign(size_t head, size_t beforeEnd, size_t nowEnd,
                            std::vector<SDL_Rect>& rects) const {
    const auto& before = previous_.commands;
    const auto& now = current_.commands;
    const auto same = [&](size_t i, size_t j) {
        return SameCommand(before[i], previous_, now[j], current_);
    };
    size_t i = head, j = head;
    while (i < beforeEnd && j < nowEnd) {
        if (same(i, j)) {
            ++i;
            ++j;
            continue;
        }
        size_t gone = 0, come = 0;
        for (size_t k = 1; k <= kLookAhead && gone == 0 && come == 0; ++k) {
            if (i + k < beforeEnd && same(i + k, j))
                gone = k;
            else if (j + k < nowEnd && same(i, j + k))
                come = k;
        }
        if (gone == 0 && come == 0) gone = come = 1;
        for (; gone > 0; --gone) AddDamage(rects, before[i++].bounds);
        for (; come > 0; --come) AddDamage(rects, now[j++].bounds);
    }
    for (; i < beforeEnd; ++i) AddDamage(rects, before[i].bounds);
    for (; j < nowEnd; ++j) AddDamage(rects, now[j].bounds);
}

void DamageTracker::Widen(std::vector<SDL_Rect>& rects) const {
    for (bool widened = true; widened;) {
        widened = false;
        for (SDL_Rect& area : rects) {
            for (const DrawCommand& command : current_.commands) {
                if (command.clipsExactly || !SDL_HasIntersection(&command.bounds, &area) ||
                    Contains(area, command.bounds))
                    continue;
                area = Union(area, command.bounds);
                widened = true;
            }
        }
        if (widened) {
            // Widened areas may now overlap: join them again.
            std::vector<SDL_Rect> joined;
            for (const SDL_Rect& area : rects) AddDamage(joined, area);
            rects = std::move(joined);
        }
    }
}

std::vector<SDL_Rect> DamageTracker::Finish() {
    std::vector<SDL_Rect> rects;
    restored_ = 0;
    if (!Display().renderer) {
        current_.Reset();
        still_.Drop();
        return rects;
    }
    const bool compare = enabled_ && !immediate_ && current_.clean && previous_.clean;
    if (compare) {
        size_t head = 0;
        rects = Damage(head);
        Widen(rects);
        long area = 0;
        for (const SDL_Rect& r : rects) area += Area(r);
        // Most of the canvas changed: one pass without cutting is cheaper than several.
        if (area * 4 >= Area(Whole()) * 3) rects = {Whole()};
        // Drawn whole to keep the layers, the canvas still differs from the last frame only there.
        if (still_.Follow(head, rects, Whole())) {
            DrawWholeKeepingStill();
        } else {
            for (const SDL_Rect& changed : rects) Redraw(changed);
        }
    } else {
        // Unfollowed, the first commands may have changed unseen.
        still_.Drop();
        if (!immediate_) {
            for (const DrawCommand& command : current_.commands)
                Execute(command, current_, nullptr);
        }
        rects.push_back(Whole());
    }
    KeepAsPrevious();
    return rects;
}

void DamageTracker::DrawWholeKeepingStill() {
    const size_t commands = std::min(still_.CommandsToKeep(), current_.commands.size());
    for (size_t i = 0; i < commands; ++i) Execute(current_.commands[i], current_, nullptr);
    still_.Keep(commands);
    for (size_t i = commands; i < current_.commands.size(); ++i)
        Execute(current_.commands[i], current_, nullptr);
}

void DamageTracker::Redraw(const SDL_Rect& area) {
    const size_t first = still_.Restore(area);
    if (first > 0) restored_ += Area(area);
    for (size_t i = first; i < current_.commands.size(); ++i) {
        const DrawCommand& command = current_.commands[i];
        if (SDL_HasIntersection(&command.bounds, &area)) Execute(command, current_, &area);
    }
}

void DamageTracker::KeepAsPrevious() {
    // The kept list is only compared with; it must not hold pictures alive.
    for (DrawCommand& command : current_.commands) command.image.reset();
    std::swap(previous_, current_);
    current_.Reset();
    immediate_ = false;
    ++frameSerial_;
}

}  // namespace media::detail
