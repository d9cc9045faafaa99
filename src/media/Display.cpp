// The window, the renderer and the canvas they show.
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "media/MediaInternal.h"

namespace media {
namespace detail {

DisplayState& Display() {
    static DisplayState state;
    return state;
}

}  // namespace detail

using detail::Display;
using detail::DisplayState;

namespace {

std::string& Title() {
    static std::string title = "Quillox";
    return title;
}

// Render drivers in the order we prefer them; the user's SDL_RENDER_DRIVER comes first.
std::vector<std::string> RendererCandidates() {
    std::vector<std::string> names;
    if (Display().headless) return {"software"};
    if (const char* hint = SDL_GetHint(SDL_HINT_RENDER_DRIVER); hint && *hint)
        names.push_back(hint);
    for (const char* name : {"opengl", "opengles2", "software"}) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

int RenderDriverIndex(const std::string& name) {
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && name == info.name) return i;
    }
    return -1;
}

bool UserChoseRenderer() {
    const char* hint = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    return hint && *hint;
}

// OpenGL drawn by a rasteriser on the CPU (Mesa's llvmpipe and softpipe, virtual machines,
// remote desktops). Measured there, SDL's own software renderer costs well under half as much
// per frame: it fills the canvas directly instead of through a pipeline built for a GPU.
bool SoftwareOpenGL(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 ||
        std::string_view(info.name).substr(0, 6) != "opengl")
        return false;
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlRenderer = 0x1F01;
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* raw = getString ? getString(kGlRenderer) : nullptr;
    if (!raw) return false;
    const std::string_view name(reinterpret_cast<const char*>(raw));
    for (const std::string_view soft : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"}) {
        if (name.find(soft) != std::string_view::npos) return true;
    }
    return false;
}

// The window's surface, when the canvas can be drawn straight into it: of the canvas's size (the
// window neither letterboxed nor scaled) and of four bytes a pixel in the canvas's order.
SDL_Surface* WindowCanvas(const SDL_Rect& size) {
    DisplayState& d = Display();
    SDL_Surface* window = d.window ? SDL_GetWindowSurface(d.window) : nullptr;
    if (!window || window->w != size.w || window->h != size.h) return nullptr;
    const Uint32 format = window->format->format;
    return format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888 ? window
                                                                                  : nullptr;
}

// SDL's software renderer draws straight into the canvas, so a frame sends to the window system
// only the rectangles that changed. The canvas is the window's own surface when it can be (at
// twice the resolution a canvas of its own is 7.5 MB more), else a surface copied into it.
bool MakeSoftwareCanvas() {
    DisplayState& d = Display();
    // The window system's own shared-memory picture, not one more texture through OpenGL
    // (unless the user's SDL_FRAMEBUFFER_ACCELERATION says otherwise).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const SDL_Rect size = detail::DeviceCanvas();
    SDL_Surface* window = WindowCanvas(size);
    SDL_Surface* surface =
        window ? window
               : SDL_CreateRGBSurfaceWithFormat(0, size.w, size.h, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (!renderer) {
        if (!window) SDL_FreeSurface(surface);
        return false;
    }
    SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
    d.renderer = renderer;
    d.canvasSurface = surface;
    d.canvasIsWindow = window != nullptr;
    d.canvas = nullptr;
    d.vsyncMode = -2;
    return true;
}

// Without a render device OpenGL can only be drawn on the CPU: trying it would load Mesa and
// its compiler (some 30 MB the process keeps) just to find that out and let it go.
bool NoRenderDevice() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("render") || name.starts_with("card")) return false;
    }
    return true;
}

bool MakeRenderer() {
    DisplayState& d = Display();
    bool glOnCpu = !UserChoseRenderer() && NoRenderDevice();
    for (const std::string& name : RendererCandidates()) {
        const int index = RenderDriverIndex(name);
        if (index < 0 || (glOnCpu && name.substr(0, 6) == "opengl")) continue;
        if (name == "software") {
            if (MakeSoftwareCanvas()) return true;
            continue;
        }
        // Asked for by index, a renderer sends every draw to the driver on its own unless told
        // to batch them.
        SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
        SDL_Renderer* renderer = SDL_CreateRenderer(d.window, index, SDL_RENDERER_TARGETTEXTURE);
        if (!renderer) continue;
        // The user's SDL_RENDER_DRIVER is kept whatever it draws with.
        if (!UserChoseRenderer() && SoftwareOpenGL(renderer)) {
            SDL_DestroyRenderer(renderer);
            glOnCpu = true;
            continue;
        }
        const SDL_Rect size = detail::DeviceCanvas();
        SDL_Texture* canvas = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                SDL_TEXTUREACCESS_TARGET, size.w, size.h);
        if (!canvas || SDL_SetRenderTarget(renderer, canvas) != 0) {
            SDL_DestroyRenderer(renderer);
            continue;
        }
        SDL_SetTextureBlendMode(canvas, SDL_BLENDMODE_NONE);
        d.renderer = renderer;
        d.canvas = canvas;
        d.vsyncMode = -2;
        return true;
    }
    return false;
}

void MeasureRefreshRate() {
    DisplayState& d = Display();
    SDL_DisplayMode mode;
    const int index = d.window ? SDL_GetWindowDisplayIndex(d.window) : 0;
    d.refreshRate = 60;
    if (SDL_GetCurrentDisplayMode(std::max(index, 0), &mode) == 0 && mode.refresh_rate > 0)
        d.refreshRate = mode.refresh_rate;
}

void ApplyIcon() {
    DisplayState& d = Display();
    if (!d.window || d.icon.width <= 0) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        d.icon.pixels.data(), d.icon.width, d.icon.height, 32,
        d.icon.pitch * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(d.window, surface);
    SDL_FreeSurface(surface);
}

}  // namespace

bool SetWindowIconFile(const std::string& path) {
    Pixmap icon = detail::DecodeImageFile(path);
    if (icon.width <= 0) return false;
    Display().icon = std::move(icon);
    ApplyIcon();
    return true;
}

bool Init(const InitOptions& options) {
    DisplayState& d = Display();
    if (d.initialised) return true;
#ifdef __GLIBC__
    // Pictures, canvases and decoded files are large blocks that come and go with the screens.
    // Left to itself the allocator raises its threshold for mapping them on their own and then
    // keeps such blocks in the heap once freed; fixed, each goes back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    d.headless = options.headless;
    if (d.headless) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        // A window nobody sees never has the focus, and SDL drops pad input without it.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ::setenv("ALSOFT_DRIVERS", "null", 1);
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "SDL could not start: %s\n", SDL_GetError());
        return false;
    }
    // With no display to show a window on, SDL quietly falls back to drawing off screen: the
    // game would run where nobody can see it. Only a run that asked for it draws off screen.
    const char* chosen = SDL_GetCurrentVideoDriver();
    const bool invisible = chosen != nullptr && (std::string_view(chosen) == "offscreen" ||
                                                 std::string_view(chosen) == "dummy");
    if (!d.headless && invisible && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        std::fprintf(stderr,
                     "No display to open a window on (is DISPLAY set?); "
                     "--headless runs without one.\n");
        SDL_Quit();
        return false;
    }
    // A pad's bottom face button confirms and its right one goes back, whatever they are
    // labelled: buttons are named by where they sit.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    // Pads are a bonus: a system without the joystick subsystem still plays by mouse and keys.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::fprintf(stderr, "quillox: no pad support: %s\n", SDL_GetError());
    d.initialised = true;
    MilliSecs();  // the clock counts from here
    return true;
}

void Shutdown() {
    detail::ShutdownSound();
    DisplayState& d = Display();
    if (!d.initialised) return;
    CloseDisplay();
    detail::ShutdownPads();
    detail::ShutdownText();
    detail::ResetEvents();
    SDL_Quit();
    d.initialised = false;
}

bool Headless() {
    return Display().headless;
}

bool DriverAvailable(Driver driver) {
    if (driver != Driver::OpenGL || !Display().initialised) return false;
    for (const std::string& name : RendererCandidates()) {
        if (RenderDriverIndex(name) >= 0) return true;
    }
    return false;
}

bool SelectDriver(Driver driver) {
    return DriverAvailable(driver);
}

std::vector<DisplayMode> DisplayModes() {
    std::vector<DisplayMode> modes;
    if (!Display().initialised) return modes;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        const int depth = SDL_BITSPERPIXEL(mode.format);
        modes.push_back({mode.w, mode.h, depth == 24 ? 32 : depth, mode.refresh_rate});
    }
    return modes;
}

// Full screen keeps the desktop's own mode and scales the canvas into it, so any size that
// fits on the desktop at a usual depth can be shown, whatever refresh rate is asked for.
bool ModeExists(int width, int height, int depth, int) {
    if (!Display().initialised || (depth != 16 && depth != 24 && depth != 32)) return false;
    return width > 0 && height > 0 && width <= DesktopWidth() && height <= DesktopHeight();
}

bool OpenDisplay(int width, int height, int depth, int) {
    DisplayState& d = Display();
    if (!d.initialised || width <= 0 || height <= 0) return false;
    CloseDisplay();
    // A display with more device pixels than points (a high-density screen) hands them over.
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (depth != 0) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (depth == 0 && d.windowWidth > 0 && d.windowHeight > 0) {
        width = d.windowWidth;
        height = d.windowHeight;
    }
    d.window = SDL_CreateWindow(Title().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                width, height, flags);
    if (!d.window) return false;
    ApplyIcon();
    int drawableW = 0, drawableH = 0;
    detail::DrawableSize(drawableW, drawableH);
    d.scale = detail::ScaleForDrawable(drawableW, drawableH);
    if (!MakeRenderer()) {
        SDL_DestroyWindow(d.window);
        d.window = nullptr;
        return false;
    }
    MeasureRefreshRate();
    SDL_StartTextInput();
    Cls();
    return true;
}

namespace {

void DestroyRenderer() {
    DisplayState& d = Display();
    d.damage.Reset();
    if (d.renderer) {
        // SDL's software renderer leaks its queued commands if torn down while drawing into a
        // texture.
        SDL_SetRenderTarget(d.renderer, nullptr);
        SDL_DestroyRenderer(d.renderer);
        ++d.generation;
    }
    if (!d.canvasIsWindow) SDL_FreeSurface(d.canvasSurface);
    d.canvasSurface = nullptr;
    d.canvasIsWindow = false;
    d.renderer = nullptr;
    d.canvas = nullptr;
}

}  // namespace

void detail::CheckCanvasScale() {
    DisplayState& d = Display();
    if (!d.window || !d.renderer) return;
    int w = 0, h = 0;
    DrawableSize(w, h);
    const int scale = ScaleForDrawable(w, h);
    // A new size takes the window's surface with it, and may let the canvas become it.
    const bool windowCanvas =
        d.canvasSurface && w == kCanvasWidth * scale && h == kCanvasHeight * scale;
    if (scale == d.scale && !d.canvasIsWindow && !windowCanvas) return;
    // The canvas is remade at the new resolution; pictures make their textures again, from the
    // files drawn for that resolution.
    DestroyRenderer();
    d.scale = scale;
    if (MakeRenderer()) Cls();
}

void CloseDisplay() {
    DisplayState& d = Display();
    const bool had = d.renderer || d.window;
    DestroyRenderer();
    if (d.window) SDL_DestroyWindow(d.window);
    if (had) ++d.generation;
    d.window = nullptr;
}

bool DisplayOpen() {
    return Display().renderer != nullptr;
}

void SetAppId(const std::string& id) {
    // SDL reads these when it opens a window; a value the user set is left alone.
    ::setenv("SDL_VIDEO_X11_WMCLASS", id.c_str(), 0);
    ::setenv("SDL_VIDEO_WAYLAND_WMCLASS", id.c_str(), 0);
}

void SetAppTitle(const std::string& title) {
    Title() = title;
    if (Display().window) SDL_SetWindowTitle(Display().window, title.c_str());
}

int DesktopWidth() {
    SDL_DisplayMode mode;
    return Display().initialised && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 0;
}

int DesktopHeight() {
    SDL_DisplayMode mode;
    return Display().initialised && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 0;
}

int DesktopRefreshRate() {
    SDL_DisplayMode mode;
    return Display().initialised && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.refresh_rate
                                                                             : 0;
}

bool FramesWaitForDisplay() {
    const DisplayState& d = Display();
    return !d.headless && d.renderer && !d.canvasSurface && d.vsyncMode == 1;
}

bool WindowHasFocus() {
    const DisplayState& d = Display();
    // The dummy video driver never hands out focus; a headless run is always in front.
    if (d.headless) return d.window != nullptr;
    return d.window && (SDL_GetWindowFlags(d.window) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void MinimiseWindow() {
    if (Display().window) SDL_MinimizeWindow(Display().window);
}

void CentreWindow() {
    if (Display().window)
        SDL_SetWindowPosition(Display().window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void WindowPosition(int& x, int& y) {
    x = y = 0;
    if (!Display().window) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(Display().window, &x, &y);
    if (SDL_GetWindowBordersSize(Display().window, &top, &left, &bottom, &right) == 0) {
        x -= left;
        y -= top;
    }
}

void ClientPosition(int& x, int& y) {
    x = y = 0;
    if (Display().window) SDL_GetWindowPosition(Display().window, &x, &y);
}

namespace {

void PresentSurface(const std::vector<SDL_Rect>& changed) {
    DisplayState& d = Display();
    if (d.canvasIsWindow) {
        SDL_UpdateWindowSurfaceRects(d.window, changed.data(), static_cast<int>(changed.size()));
        return;
    }
    SDL_Surface* window = SDL_GetWindowSurface(d.window);
    if (!window) return;
    if (window->w == d.canvasSurface->w && window->h == d.canvasSurface->h) {
        for (const SDL_Rect& area : changed) {
            SDL_Rect source = area, target = area;
            SDL_BlitSurface(d.canvasSurface, &source, window, &target);
        }
        SDL_UpdateWindowSurfaceRects(d.window, changed.data(), static_cast<int>(changed.size()));
        return;
    }
    // Letterboxed or scaled, the whole canvas goes.
    const SDL_FRect place = detail::CanvasPlacement();
    SDL_Rect target{static_cast<int>(std::lround(place.x)), static_cast<int>(std::lround(place.y)),
                    static_cast<int>(std::lround(place.w)), static_cast<int>(std::lround(place.h))};
    SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    SDL_BlitScaled(d.canvasSurface, nullptr, window, &target);
    SDL_UpdateWindowSurface(d.window);
}

}  // namespace

void Flip(int syncMode) {
    DisplayState& d = Display();
    if (!d.renderer) return;
    if (!d.headless && syncMode != d.vsyncMode && syncMode >= 0) {
        SDL_RenderSetVSync(d.renderer, syncMode == 1 ? 1 : 0);
        d.vsyncMode = syncMode;
    }
    const std::vector<SDL_Rect> rects = d.damage.Finish();
    detail::ReleaseIdleImages();
    detail::RestQuietSound();
    d.redrawnPixels = 0;
    for (const SDL_Rect& area : rects) d.redrawnPixels += static_cast<long>(area.w) * area.h;
    const bool changed = d.redrawnPixels > 0;
    // Never draw faster than the display refreshes, even when vertical sync is not honoured,
    // and an unchanged frame waits as long as a shown one would.
    if (!d.headless) {
        const std::uint64_t interval =
            1000 / static_cast<std::uint64_t>(std::max(d.refreshRate, 1));
        const std::uint64_t now = SDL_GetTicks64();
        if (d.lastPresent != 0 && now < d.lastPresent + interval)
            SDL_Delay(static_cast<Uint32>(d.lastPresent + interval - now));
    }
    if (!changed || d.canvasSurface) {
        if (changed) PresentSurface(rects);
        d.lastPresent = SDL_GetTicks64();
        return;
    }
    SDL_SetRenderTarget(d.renderer, nullptr);
    SDL_RenderSetClipRect(d.renderer, nullptr);
    SDL_SetRenderDrawColor(d.renderer, 0, 0, 0, 255);
    SDL_RenderClear(d.renderer);
    int outW = 0, outH = 0, winW = 1, winH = 1;
    SDL_GetRendererOutputSize(d.renderer, &outW, &outH);
    SDL_GetWindowSize(d.window, &winW, &winH);
    SDL_FRect place = detail::CanvasPlacement();
    // The renderer may work in device pixels while the window is measured in points.
    const float kx = static_cast<float>(outW) / std::max(winW, 1);
    const float ky = static_cast<float>(outH) / std::max(winH, 1);
    place = {place.x * kx, place.y * ky, place.w * kx, place.h * ky};
    SDL_RenderCopyF(d.renderer, d.canvas, nullptr, &place);
    SDL_RenderPresent(d.renderer);
    d.lastPresent = SDL_GetTicks64();
    SDL_SetRenderTarget(d.renderer, d.canvas);
    d.damage.ForgetClip();
}

void SetDamageTracking(bool on) {
    Display().damage.SetEnabled(on);
}

bool DamageTracking() {
    return Display().damage.Enabled();
}

long FlipRedrawnPixels() {
    return Display().redrawnPixels;
}

long FlipRestoredPixels() {
    return Display().damage.RestoredPixels();
}

void Notify(const std::string& text, bool serious) {
    const DisplayState& d = Display();
    if (!d.headless && d.initialised &&
        SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION,
                                 Title().c_str(), text.c_str(), d.window) == 0)
        return;
    std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace media
