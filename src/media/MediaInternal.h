#pragma once
// State and helpers shared by the media layer's own source files; nothing outside src/media
// includes this.

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "media/DamageTracker.h"
#include "media/Media.h"

namespace media {
struct ImageData;
}

namespace media::detail {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;

struct DisplayState {
    bool initialised = false;
    bool headless = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* canvas = nullptr;         // the canvas as a render target, or
    SDL_Surface* canvasSurface = nullptr;  // the canvas the software renderer draws into
    bool canvasIsWindow = false;           // which is the window's own surface (SDL's to free)
    // Bumped whenever the renderer goes away, so textures made by an older one are known
    // to be gone with it and are re-created from the pixels kept on the CPU.
    unsigned generation = 1;
    int refreshRate = 60;
    int vsyncMode = -2;  // the sync mode last applied to the renderer
    std::uint64_t lastPresent = 0;
    Pixmap icon;  // given to every window opened; empty for none
    long redrawnPixels = 0;
    DamageTracker damage;
    // Every picture made, to let go of what an idle one holds (see ReleaseIdleImages).
    std::vector<std::weak_ptr<ImageData>> images;
    std::uint64_t nextIdleCheck = 0;
    // Device pixels per canvas pixel in the drawable (1 or 2), and the size windows open at
    // (0: the canvas's).
    int scale = 1;
    int windowWidth = 0, windowHeight = 0;
};
DisplayState& Display();

// The logical-to-device mapping (CanvasMapping.cpp). The scale a drawable of that many device
// pixels is drawn at; the drawable's size now.
int ScaleForDrawable(int width, int height);
void DrawableSize(int& width, int& height);
int CanvasScale();
// The canvas in device pixels, and logical rectangles and points mapped into it.
SDL_Rect DeviceCanvas();
SDL_Rect ToDevice(const SDL_Rect& logical);
SDL_FPoint ToDevice(SDL_FPoint logical);
// Where the canvas lands in the window, in window coordinates (letterboxed).
SDL_FRect CanvasPlacement();
// Window coordinates to canvas pixels through the letterbox, and back to the middle of a pixel.
void WindowToCanvas(int wx, int wy, int& x, int& y);
void CanvasToWindow(int x, int y, int& wx, int& wy);
// The drawable changed size: a new scale rebuilds the canvas and the renderer.
void CheckCanvasScale();

struct CanvasState {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = ALPHABLEND;
    float rotation = 0.0f;
    float scaleX = 1.0f, scaleY = 1.0f;
    float originX = 0.0f, originY = 0.0f;
    SDL_Rect viewport{0, 0, kCanvasWidth, kCanvasHeight};
    int clsR = 0, clsG = 0, clsB = 0;
};
CanvasState& Canvas();
// Maps a point given relative to the handle through scale and rotation to the canvas at (x, y).
SDL_FPoint Place(float localX, float localY, float x, float y, bool scaled = true);
// The vertex colour from the current colour and alpha; false when nothing would be drawn.
bool CurrentVertexColour(SDL_Color& colour);
SDL_BlendMode SdlBlend(int mode);

// A picture from a file that has not been drawn for a while gives up its texture and pixels, to
// be decoded again when it is next drawn: a game left open all day holds only what its screens
// have lately shown. Checked every so many frames, from the flip.
void ReleaseIdleImages();

// Pixels as SDL wants them for an ARGB8888 texture.
SDL_Texture* MakeTexture(const Pixmap& pixmap, bool linear);
void UploadTexture(SDL_Texture* texture, const Pixmap& pixmap);

// Reads a whole file (after case-insensitive lookup); false when it cannot be read.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Image decoding; a damaged or unsupported file leaves an empty pixmap.
Pixmap DecodePNG(const std::vector<std::uint8_t>& bytes);
Pixmap DecodeJPEG(const std::vector<std::uint8_t>& bytes);
// A PNG or JPEG file, told apart by its first bytes.
Pixmap DecodeImageFile(const std::string& path);

// Feeds translated events to the polled-input tables when those are switched on.
void FeedPolledInput(const Event& event);
void SetMousePosition(int x, int y);
void MousePosition(int& x, int& y);

// The code point starting at text[i] (U+FFFD for a malformed byte); moves i past it.
char32_t DecodeUtf8(const std::string& text, size_t& i);

// SDL's game-controller events as the game's pad events (opening and closing the pads).
void TranslatePad(const SDL_Event& e, std::deque<Event>& out);
void ShutdownPads();

// Drops queued events (SDL's own queue goes with SDL_Quit).
void ResetEvents();
void ShutdownSound();
// Pauses the sound device once nothing has sounded for a while (it mixes silence at the cost of
// a tune), checked every so many milliseconds from the flip; the next sound played wakes it.
void RestQuietSound();
void ShutdownText();

}  // namespace media::detail
