// Pixel-exact collision layers. Frames are recorded where they would be drawn (image handle
// and draw origin apply; rotation and scale do not).
#include <algorithm>
#include <array>
#include <cmath>

#include "media/ImageData.h"
#include "media/MediaInternal.h"

namespace media {
namespace {

struct Entry {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<bool> solid;  // one flag a pixel, row after row
    const void* id = nullptr;
};

std::array<std::vector<Entry>, 32>& Layers() {
    static std::array<std::vector<Entry>, 32> layers;
    return layers;
}

bool MakeEntry(const Image& image, float x, float y, int frame, const void* id, Entry& entry) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return false;
    const detail::CanvasState& c = detail::Canvas();
    entry.left = static_cast<int>(std::floor(x + c.originX - image->handleX));
    entry.top = static_cast<int>(std::floor(y + c.originY - image->handleY));
    entry.width = image->width;
    entry.height = image->height;
    entry.id = id;
    detail::KeepPixels(*image);
    const Pixmap& pixels = image->frames[static_cast<size_t>(frame)].pixmap;
    entry.solid.resize(static_cast<size_t>(entry.width) * entry.height);
    for (int row = 0; row < entry.height; ++row) {
        for (int col = 0; col < entry.width; ++col) {
            entry.solid[static_cast<size_t>(row) * entry.width + col] =
                (pixels.At(col, row) >> 24) >= 128;
        }
    }
    return true;
}

bool Overlap(const Entry& a, const Entry& b) {
    const int left = std::max(a.left, b.left), right = std::min(a.left + a.width, b.left + b.width);
    const int top = std::max(a.top, b.top), bottom = std::min(a.top + a.height, b.top + b.height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (a.solid[static_cast<size_t>(y - a.top) * a.width + (x - a.left)] &&
                b.solid[static_cast<size_t>(y - b.top) * b.width + (x - b.left)])
                return true;
        }
    }
    return false;
}

}  // namespace

void CollideImage(const Image& image, float x, float y, int frame, int layerMask, const void* id) {
    Entry entry;
    if (!MakeEntry(image, x, y, frame, id, entry)) return;
    for (int layer = 0; layer < 32; ++layer) {
        if (static_cast<unsigned>(layerMask) & (1u << layer))
            Layers()[static_cast<size_t>(layer)].push_back(entry);
    }
}

void ResetCollisions(int layerMask) {
    for (int layer = 0; layer < 32; ++layer) {
        if (static_cast<unsigned>(layerMask) & (1u << layer))
            Layers()[static_cast<size_t>(layer)].clear();
    }
}

std::vector<const void*> CollideQuery(const Image& image, float x, float y, int frame,
                                      int layerMask) {
    std::vector<const void*> hits;
    Entry probe;
    if (!MakeEntry(image, x, y, frame, nullptr, probe)) return hits;
    for (int layer = 0; layer < 32; ++layer) {
        if (!(static_cast<unsigned>(layerMask) & (1u << layer))) continue;
        for (const Entry& entry : Layers()[static_cast<size_t>(layer)]) {
            if (Overlap(probe, entry) &&
                std::find(hits.begin(), hits.end(), entry.id) == hits.end())
                hits.push_back(entry.id);
        }
    }
    return hits;
}

}  // namespace media
