#pragma once
// The media layer: the only code that talks to SDL, OpenAL and the decoders.
// Everything above it draws, plays and reads input through these functions.
//
// Drawing happens into an 800x600 canvas (a render target); Flip copies the canvas to the
// window, scaled to fit, so every coordinate here is a canvas pixel whatever the window size.
// A drawable of at least one and a half times the canvas gets the canvas drawn at twice the
// resolution, with the pictures' "@2x" files where there are any.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace media {

// ---------------------------------------------------------------- start-up and shutdown

struct InitOptions {
    bool headless = false;  // dummy video driver, software renderer, null sound back end
};

// Starts SDL's video and event subsystems. Sound is started on demand by SelectAudioDriver.
[[nodiscard]] bool Init(const InitOptions& options);
// Closes the display, stops every channel and shuts SDL and OpenAL down. Safe to call twice.
void Shutdown();
bool Headless();

// ---------------------------------------------------------------- display

enum class Driver { Direct3D7, OpenGL };

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    int hertz = 0;
};

bool DriverAvailable(Driver driver);
bool SelectDriver(Driver driver);
std::vector<DisplayMode> DisplayModes();
// Full screen keeps the desktop's mode and scales the canvas into it: any size that fits the
// desktop at depth 16, 24 or 32 exists, whatever the refresh rate.
bool ModeExists(int width, int height, int depth, int hertz);
// depth 0 opens a window; any other depth a full-screen display. Reopening replaces the
// current display and keeps every loaded image valid.
[[nodiscard]] bool OpenDisplay(int width, int height, int depth, int hertz);
void CloseDisplay();
bool DisplayOpen();
// Windows open at this size (device-independent pixels) rather than the canvas's; 0 for that.
void SetWindowSize(int width, int height);
// Device pixels per canvas pixel the canvas is drawn at now (1 or 2).
int CanvasScale();
void SetAppTitle(const std::string& title);
// The desktop's name for the program (window class, Wayland app id), so its windows group with
// its launcher. SDL reads it as its video starts, so it is set before Init.
void SetAppId(const std::string& id);
// The window's icon from a PNG or JPEG file, kept for windows opened later; false when the
// file cannot be read.
bool SetWindowIconFile(const std::string& path);
int DesktopWidth();
int DesktopHeight();
int DesktopRefreshRate();  // 0 when it cannot be measured
bool WindowHasFocus();
// Showing a frame waits for the display's vertical blank (a renderer of its own with vertical
// sync on): frames then come on the display's beat, not on a wait of the game's.
bool FramesWaitForDisplay();
void MinimiseWindow();
void CentreWindow();
void WindowPosition(int& x, int& y);
void ClientPosition(int& x, int& y);

// ---------------------------------------------------------------- canvas state and drawing

enum Blend { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };

void Cls();
void SetClsColor(int r, int g, int b);
// syncMode 1 waits for vertical blank, 0 does not, -1 leaves it to the driver. Only the parts
// of the canvas whose drawing differs from the last frame's are drawn again, and a frame that
// is the same as the last is not shown again at all.
void Flip(int syncMode);
// Off, every frame is drawn and shown whole (for comparing the two ways).
void SetDamageTracking(bool on);
bool DamageTracking();
// How many canvas pixels the last Flip drew again (rectangles summed; 0 for an unchanged frame).
long FlipRedrawnPixels();
// How many of those came from a copy of the layers that stayed the same under them, not drawn.
long FlipRestoredPixels();
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetDrawRotation(float degrees);
float GetDrawRotation();
void SetDrawScale(float sx, float sy);
void GetDrawScale(float& sx, float& sy);
void SetDrawOrigin(float x, float y);
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);

void Plot(float x, float y);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawRect(float x, float y, float w, float h);

// ---------------------------------------------------------------- images

struct ImageData;
using Image = std::shared_ptr<ImageData>;

// Load flags; -1 means the defaults (filtered).
enum ImageFlags { FILTEREDIMAGE = 1, MIPMAPPEDIMAGE = 2, MASKEDIMAGE = 4 };

// Pixels of one frame, 0xAARRGGBB, row after row (pitch counted in pixels).
struct Pixmap {
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * pitch + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * pitch + x]; }
};

[[nodiscard]] Image LoadImageFile(const std::string& path, int flags);
[[nodiscard]] Image LoadAnimImageFile(const std::string& path, int cellWidth, int cellHeight,
                                      int firstCell, int cellCount, int flags);
// An image made from pixels already in memory (one frame).
[[nodiscard]] Image ImageFromPixmap(const Pixmap& pixmap, int flags);
// A picture of its own holding one frame of another (drawn from the same file at either scale).
[[nodiscard]] Image ImageFromFrame(const Image& image, int frame);
void SetImageHandle(const Image& image, float x, float y);
void GetImageHandle(const Image& image, float& x, float& y);
void MidHandleImage(const Image& image);
void AutoMidHandle(bool flag);
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
int ImageFrames(const Image& image);
// Gives access to the frame's pixels; UnlockImage uploads what was changed.
Pixmap* LockImage(const Image& image, int frame);
void UnlockImage(const Image& image, int frame);
// Copies a rectangle of the canvas (as drawn so far this frame) with alpha forced to 255, one
// pixel per canvas pixel (averaged when drawn at twice the resolution).
[[nodiscard]] Pixmap GrabPixmap(int x, int y, int w, int h);
// The whole frame as drawn, at the drawable's resolution.
[[nodiscard]] Pixmap GrabFrame();
void SetFrameTexCoords(const Image& image, int frame, float u0, float v0, float u1, float v1);

void DrawImageFrame(const Image& image, float x, float y, int frame = 0);
void DrawImageRectFrame(const Image& image, float x, float y, float w, float h, int frame = 0);
// The area lands where it sits in the whole frame drawn at (x, y); unscaled; cut at the frame's
// right and bottom edges.
void DrawImageArea(const Image& image, float x, float y, float sx, float sy, float sw, float sh,
                   int frame = 0);

// PNG encoding at compression level 9, for screenshots; empty on failure.
[[nodiscard]] std::vector<std::uint8_t> EncodePNG(const Pixmap& pixmap);

// ---------------------------------------------------------------- TrueType text

struct FontData;
using Font = std::shared_ptr<FontData>;

enum FontStyle { BOLDFONT = 1, ITALICFONT = 2, SMOOTHFONT = 4 };

[[nodiscard]] Font LoadFont(const std::string& path, int size, int style);
// The TrueType file of the built-in font, read at 12 pixels the first time text is drawn
// without a font of its own (the game ships one with its data); none draws no text.
void SetBuiltInFontFile(const std::string& path);
// An empty font selects the built-in font.
void SetDrawFont(const Font& font);
Font GetDrawFont();
void DrawTextAt(const std::string& utf8, float x, float y);
int TextWidthOf(const std::string& utf8);
int TextHeightOf(const std::string& utf8);

// ---------------------------------------------------------------- sound

struct SoundData;
using Sound = std::shared_ptr<SoundData>;
struct ChannelData;
using Channel = std::shared_ptr<ChannelData>;

enum SoundFlags { LOOPINGSOUND = 1 };

// Names "FreeAudio", "DirectSound", "OpenAL", "OpenAL Generic Software" all select OpenAL Soft.
// Returns false (and the game runs silently) when no device can be opened.
bool SelectAudioDriver(const std::string& name);
void EnableOpenALAudio();

// Decodes WAV (8/16-bit PCM) or Ogg Vorbis; works without a sound device too. A long Ogg tune
// (over a megabyte decoded) is only checked and measured here, and decoded as it plays.
[[nodiscard]] Sound LoadSound(const std::string& path, int flags);
double SoundLength(const Sound& sound);  // seconds
[[nodiscard]] Channel AllocChannel();
// Puts the sound on the channel (a new one when empty), paused, and returns the channel.
Channel Cue(const Sound& sound, const Channel& channel = {});
void SetPaused(const Channel& channel, bool paused);
void Stop(const Channel& channel);
// True from Cue until the sound ends or is stopped (a paused sound is still playing).
bool Playing(const Channel& channel);
void SetVolume(const Channel& channel, float volume);
void SetPan(const Channel& channel, float pan);
void SetRate(const Channel& channel, float rate);

// ---------------------------------------------------------------- input and events

enum class EventKind {
    None,
    AppSuspend,
    AppResume,
    AppTerminate,
    KeyDown,
    KeyUp,
    KeyChar,
    MouseDown,
    MouseUp,
    MouseMove,
    MouseWheel,
    PadDown,  // data: the PadButton
    PadUp,
    PadAdded,  // a pad was plugged in (or was there at start)
    PadRemoved
};

// A pad's buttons by where they sit, as SDL's game-controller layer names them: A is the bottom
// face button and B the right one, whatever the pad prints on them. The directions come from
// the D-pad and from the left stick alike.
enum class PadButton {
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    Up,
    Down,
    Left,
    Right
};
constexpr int PadButtonCount = 12;
enum class PadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };

struct Event {
    EventKind kind = EventKind::None;
    int data = 0;  // key code (Windows virtual key), mouse button 1..3, character code, wheel
    int x = 0;     // pointer in canvas pixels
    int y = 0;
};

// Pumps the system queue and returns the next event; kind None when there is none. Pads the
// game-controller database knows are opened as they are plugged in and closed as they go.
Event NextEvent();
// Sleeps until an event is waiting or `ms` milliseconds have passed.
void WaitForEvent(int ms);
// Scripted input enters the same queue as real input; coordinates are canvas pixels.
void PushMouseMove(int x, int y);
void PushMouseButton(int button, bool down, int x, int y);
// Backspace, Tab, Enter and Escape also type their character, as real presses do.
void PushKey(int virtualKey, bool down);
void PushText(const std::string& utf8);
void PushQuit();
// Scripted pads: a virtual pad that SDL's game-controller layer sees as it sees a plugged-in
// one, so its input takes the path real pads take. False when SDL cannot make one.
[[nodiscard]] bool ConnectVirtualPad();
void DisconnectVirtualPad();
void SetVirtualPadButton(PadButton button, bool down);
// value from -32768 to 32767
void SetVirtualPadAxis(PadAxis axis, int value);
// Takes in every queued event (feeding polled input when that is on) and drops the input
// ones; a close request, a change of focus, a pad coming or going and a pad button let go stay
// queued, so none is lost (a held direction would otherwise repeat on and on).
void DrainInputEvents();

// Polled input, used until the host takes over the events.
void SetPolledInput(bool on);
int KeyHit(int key);
bool KeyDown(int key);
int GetChar();
void FlushKeys();
int MouseHit(int button);
void FlushMouse();
void MoveMouse(int x, int y);
void SetMouseVisible(bool visible);

// ---------------------------------------------------------------- clock, random, dates

int MilliSecs();
void Delay(int ms);
void SeedRandom(std::uint32_t seed);
int RandomInt(int a, int b);
float RandomFloat(float a, float b);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime CurrentLocalTime();
std::string CurrentDate();  // "%d %b %Y" with English month abbreviations
std::string CurrentTime();  // "%H:%M:%S"
// The same two formats for any moment.
std::string FormatDate(const LocalTime& time);
std::string FormatTime(const LocalTime& time);

// ---------------------------------------------------------------- messages and the browser

// A modal box; in headless runs (or without a display) the text goes to standard error.
void Notify(const std::string& text, bool serious);
// Opens the address with the desktop's opener (xdg-open from PATH), run without a shell; false
// when there is no opener or it could not be started.
[[nodiscard]] bool OpenURL(const std::string& address);

}  // namespace media
