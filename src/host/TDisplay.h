#pragma once
// The display: the window or full screen with its renderer, the switch between them, and the
// drawn mouse pointer.

#include <memory>

class TFixedRateLogic;
class TMousePointer;
class TSettings;

class TDisplay {
public:
    TDisplay(TSettings& settings, TFixedRateLogic& timing);
    ~TDisplay();
    TDisplay(const TDisplay&) = delete;
    TDisplay& operator=(const TDisplay&) = delete;

    // The pointer the game draws in place of the system's.
    TMousePointer& Mouse() const { return *Pointer; }

    // Opens the display the settings ask for, falling back to a window when full screen
    // cannot be had; a display that cannot be opened at all ends the program with a message.
    void GraphicsCreate();
    // Process priority for the mode shown (the settings' priorities).
    void SetPriority() const;
    // Switches between full screen and a window and saves the choice.
    void ToggleFullScreen();
    // True once when the window was moved since the last call: dragging it stalls the loop.
    [[nodiscard]] bool WindowMoved();

private:
    TSettings& Settings;
    TFixedRateLogic& Timing;
    std::unique_ptr<TMousePointer> Pointer;
    int Hertz = 60;
    int DesktopRefreshRate = 0;
    bool DesktopRead = false;
    // Full screen failed once: the window stays.
    bool ForceWindowedMode = false;
    int WindowX = 0, WindowY = 0;

    void RestoreMouseCoords();
};

// Process priority: type 1 above normal, 2 high, anything else normal. The thread priority is
// carried for the settings file; the process's niceness is all this platform changes.
void SetProcessAndThreadPriority(int type, int priority);
