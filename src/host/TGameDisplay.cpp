// The display: driver choice with its fallbacks, full screen or window, and the switches.

#include <sys/resource.h>

#include <algorithm>
#include "host/TGame.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMousePointer.h"
#include "system/InputHelpers.h"
#include "system/ReportError.h"

void TGame::GraphicsCreate() {
    if (media::DisplayModes().empty()) {
        EndProgramWithError("No 3D Hardware Found (could not count graphics modes.)", true);
    }
    bool selected = false;
    if (Driver == 0) {
        if (media::DriverAvailable(media::Driver::Direct3D7)) {
            selected = media::SelectDriver(media::Driver::Direct3D7);
        } else if (media::DriverAvailable(media::Driver::OpenGL)) {
            selected = media::SelectDriver(media::Driver::OpenGL);
            Driver = 1;
            IniUpdate(1);
        }
    } else {
        if (media::DriverAvailable(media::Driver::OpenGL)) {
            selected = media::SelectDriver(media::Driver::OpenGL);
        } else if (media::DriverAvailable(media::Driver::Direct3D7)) {
            selected = media::SelectDriver(media::Driver::Direct3D7);
            Driver = 0;
            IniUpdate(1);
        }
    }
    if (!selected) EndProgramWithError("No DirectX or OpenGL 3D Drivers Found!", true);

    if (FirstTime) {
        FirstTime = 0;
        DesktopRefreshRate = media::DesktopRefreshRate() > 0 ? media::DesktopRefreshRate() : 60;
        DesktopWidth = media::DesktopWidth();
        DesktopHeight = media::DesktopHeight();
    }

    bool open = false;
    if (FullScreen) {
        for (const int depth : {32, 24, 16}) {
            if (!media::ModeExists(ScreenWidth, ScreenHeight, depth, Hertz)) continue;
            if (media::OpenDisplay(ScreenWidth, ScreenHeight, depth, Hertz)) {
                Depth = depth;
                open = true;
                break;
            }
        }
        if (!open) {
            ForceWindowedMode = 1;
            FullScreen = 0;
        }
    }
    if (!FullScreen) {
        if (!media::OpenDisplay(ScreenWidth, ScreenHeight, 0, DesktopRefreshRate)) {
            EndProgramWithError("Cannot create Windowed Mode at " + std::to_string(ScreenWidth) +
                                    "x" + std::to_string(ScreenHeight) + " " +
                                    std::to_string(DesktopRefreshRate) + "Hz",
                                true);
        }
        Depth = 0;
        media::CentreWindow();
        SetWindowCoords();
        SetClientCoords();
    }

    // From here on the host's event pump keeps the key and mouse state.
    UseHostInput();
    SetPriority();
    GameRefreshRate = -1;
}

void SetProcessAndThreadPriority(int type, int /*priority*/) {
    // Only the niceness of the process can be changed here; raising it (a negative niceness)
    // is refused for ordinary users and then quietly left as it is.
    const int nice = type == 1 ? -5 : type == 2 ? -10 : 0;
    setpriority(PRIO_PROCESS, 0, nice);
}

void TGame::SetPriority() {
    if (FullScreen) {
        SetProcessAndThreadPriority(FullScreenProcess, FullScreenThread);
    } else {
        SetProcessAndThreadPriority(WindowedProcess, WindowedThread);
    }
}

void TGame::ToggleFullScreen() {
    // The player's own choice is saved again from now on.
    FullScreenOverride = -1;
    if (FullScreen) {
        FullScreen = 0;
    } else {
        if (ForceWindowedMode) return;
        FullScreen = 1;
        media::SetMouseVisible(false);
    }
    Mouse->ClearButtons();
    GraphicsCreate();
    RestoreMouseCoords();
    IniUpdate(1);
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

void TGame::ToggleVSync() {
    VSync = !VSync;
    IniUpdate(1);
    SetFlipSync();
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

int TGame::SetDriver(int driver) {
    if (Driver == (driver != 0 ? 1 : 0)) return 0;
    Driver = driver != 0 ? 1 : 0;
    media::CloseDisplay();
    GraphicsCreate();
    media::MoveMouse(Mouse->x, Mouse->y);
    IniUpdate(1);
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
    ClearAllInput();
    return 1;
}

void TGame::SetWindowCoords() {
    media::WindowPosition(WindowX, WindowY);
}

void TGame::SetClientCoords() {
    media::ClientPosition(ClientX, ClientY);
}

void TGame::RestoreMouseCoords() {
    if (!FullScreen) return;
    Mouse->x = std::clamp(Mouse->x, 0, ScreenWidth - 1);
    Mouse->y = std::clamp(Mouse->y, 0, ScreenHeight - 1);
    media::MoveMouse(Mouse->x, Mouse->y);
}

void TGame::Kill() {
    Dialogs->Clear();
    for (media::Channel* channel : {&MusicChannel, &Presentation.SpeechChannel, &EscapeChannel}) {
        if (*channel) media::Stop(*channel);
        channel->reset();
    }
    ChannelsKill();
}
