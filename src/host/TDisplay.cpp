#include "host/TDisplay.h"

#include <sys/resource.h>

#include <algorithm>
#include <string>

#include "host/TFixedRateLogic.h"
#include "host/TSettings.h"
#include "media/Media.h"
#include "presentation/TMousePointer.h"
#include "system/InputHelpers.h"
#include "system/ReportError.h"
#include "system/ScreenSize.h"

TDisplay::TDisplay(TSettings& settings, TFixedRateLogic& timing)
    : Settings(settings), Timing(timing), Pointer(std::make_unique<TMousePointer>()) {}

TDisplay::~TDisplay() = default;

namespace {

// The renderer the settings prefer (0 the first kind, 1 OpenGL), else the other one; the
// settings remember the one that worked. False when neither can be had.
bool SelectDriver(TSettings& settings) {
    const media::Driver preferred =
        settings.Driver == 0 ? media::Driver::Direct3D7 : media::Driver::OpenGL;
    const media::Driver other =
        settings.Driver == 0 ? media::Driver::OpenGL : media::Driver::Direct3D7;
    if (media::DriverAvailable(preferred)) return media::SelectDriver(preferred);
    if (!media::DriverAvailable(other)) return false;
    const bool selected = media::SelectDriver(other);
    settings.Driver = settings.Driver == 0 ? 1 : 0;
    settings.IniUpdate(1);
    return selected;
}

}  // namespace

void TDisplay::GraphicsCreate() {
    if (media::DisplayModes().empty()) {
        EndProgramWithError("No 3D Hardware Found (could not count graphics modes.)", true);
    }
    if (!SelectDriver(Settings))
        EndProgramWithError("No DirectX or OpenGL 3D Drivers Found!", true);
    if (!DesktopRead) {
        DesktopRead = true;
        DesktopRefreshRate = media::DesktopRefreshRate() > 0 ? media::DesktopRefreshRate() : 60;
    }

    bool open = false;
    if (Settings.FullScreen) {
        for (const int depth : {32, 24, 16}) {
            if (!media::ModeExists(ScreenWidth, ScreenHeight, depth, Hertz)) continue;
            if (media::OpenDisplay(ScreenWidth, ScreenHeight, depth, Hertz)) {
                open = true;
                break;
            }
        }
        if (!open) {
            ForceWindowedMode = true;
            Settings.FullScreen = 0;
        }
    }
    if (!Settings.FullScreen) {
        if (!media::OpenDisplay(ScreenWidth, ScreenHeight, 0, DesktopRefreshRate)) {
            EndProgramWithError("Cannot create Windowed Mode at " + std::to_string(ScreenWidth) +
                                    "x" + std::to_string(ScreenHeight) + " " +
                                    std::to_string(DesktopRefreshRate) + "Hz",
                                true);
        }
        media::CentreWindow();
        media::WindowPosition(WindowX, WindowY);
    }

    // From here on the host's event pump keeps the key and mouse state.
    UseHostInput();
    SetPriority();
}

void SetProcessAndThreadPriority(int type, int /*priority*/) {
    // Only the niceness of the process can be changed here; raising it (a negative niceness)
    // is refused for ordinary users and then quietly left as it is.
    const int nice = type == 1 ? -5 : type == 2 ? -10 : 0;
    setpriority(PRIO_PROCESS, 0, nice);
}

void TDisplay::SetPriority() const {
    if (Settings.FullScreen) {
        SetProcessAndThreadPriority(Settings.FullScreenProcess, Settings.FullScreenThread);
    } else {
        SetProcessAndThreadPriority(Settings.WindowedProcess, Settings.WindowedThread);
    }
}

void TDisplay::ToggleFullScreen() {
    // The player's own choice is saved again from now on.
    Settings.FullScreenOverride = -1;
    if (Settings.FullScreen) {
        Settings.FullScreen = 0;
    } else {
        if (ForceWindowedMode) return;
        Settings.FullScreen = 1;
        media::SetMouseVisible(false);
    }
    Pointer->ClearButtons();
    GraphicsCreate();
    RestoreMouseCoords();
    Settings.IniUpdate(1);
    Timing.Init();
    Timing.HistoryClear();
}

void TDisplay::RestoreMouseCoords() {
    if (!Settings.FullScreen) return;
    Pointer->x = std::clamp(Pointer->x, 0, ScreenWidth - 1);
    Pointer->y = std::clamp(Pointer->y, 0, ScreenHeight - 1);
    media::MoveMouse(Pointer->x, Pointer->y);
}

bool TDisplay::WindowMoved() {
    if (!media::DisplayOpen()) return false;
    int x = 0, y = 0;
    media::WindowPosition(x, y);
    if (x == WindowX && y == WindowY) return false;
    WindowX = x;
    WindowY = y;
    return true;
}
