#include "host/TMainLoop.h"

#include <algorithm>
#include <cmath>

#include "host/TAudioBuses.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TScreenSwitcher.h"
#include "host/TSettings.h"
#include "presentation/TDialogStack.h"
#include "presentation/TGameFade.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TSprite.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"

namespace {

constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;
constexpr int KeyPause = 'P';
constexpr int KeyLAlt = 164, KeyRAlt = 165;
constexpr int StillFramesBeforeWaiting = 30;
// Frames that changed less than a fiftieth of the canvas count as calm; after a second of
// them frames come every CalmFrameMs.
constexpr long CalmShare = 50;
constexpr int CalmFramesBeforeSlowing = 60;
constexpr int CalmFrameMs = 33;
// Where the screen foresees its next calm change, no longer than this to it.
constexpr int CalmLongestMs = 100;
// A still screen that nothing changes but input looks again this often all the same.
constexpr int StillUntilInputMs = 1000;

}  // namespace

TMainLoop::TMainLoop(const Parts& parts) : Host(parts) {}

TMainLoop::~TMainLoop() = default;

void TMainLoop::Run() {
    ClearAllInput();
    Host.Timing.Init();
    while (MainLogicLoop() != -1) ScreenDraw();
}

int TMainLoop::MainLogicLoop() {
    // Dragging the window stalls the loop: the stall is not caught up.
    if (Host.Display.WindowMoved()) Host.Timing.Init();
    Host.Timing.VSync = Host.Settings.VSync != 0;
    Host.Timing.Calc();
    const double numTicks = NoTiming ? NoTimingTicks : Host.Timing.NumTicks;
    const int whole = static_cast<int>(numTicks);
    const int waited = NoTiming ? 0 : Host.Timing.WaitedSteps;
    for (int i = 1; i <= whole; ++i) {
        Host.Timing.SetDelta(1.0f);
        HoldInput = i <= waited;
        const int result = LogicWrapper();
        HoldInput = false;
        if (result == -1) return -1;
        if (EndFrameFunction && EndFrameFunction()) return 1;
    }
    const double fraction = numTicks - whole;
    if (fraction > 0) {
        Host.Timing.SetDelta(static_cast<float>(fraction));
        if (LogicWrapper() == -1) return -1;
    }
    return 1;
}

int TMainLoop::LogicWrapper() {
    ++LogicSteps;
    if (BeforeStepFunction) BeforeStepFunction();
    TMousePointer& mouse = Host.Display.Mouse();
    mouse.ClearMouseHit();
    mouse.Manage();
    DoPeekEvent();
    Pad.Step(Input());
    if (ReadKeys() == -1) return -1;
    if (InstantExit || Host.Screens.Exiting()) return -1;
    if (Paused || Suspended) return 0;
    Host.Fade.Manage();
    if (Host.Fade.Active && !Host.Fade.AllowAnim) return 1;
    Host.Screens.Change();
    TScreen* screen = Host.Screens.Current();
    if (DialogOpen()) {
        // The screen's own buttons must not keep a hover or click from before.
        if (Host.Dialogs.Manage() && screen && screen->Menu) screen->Menu->ClearStates();
        if (screen) screen->LogicUnderDialog();
    } else if (screen) {
        screen->Logic();
    }
    return 1;
}

bool TMainLoop::DialogOpen() const {
    return !Host.Dialogs.Empty();
}

void TMainLoop::DoPeekEvent() {
    if (HoldInput) return;
    HostInput& input = Input();
    TMousePointer& mouse = Host.Display.Mouse();
    for (media::Event event = media::NextEvent(); event.kind != media::EventKind::None;
         event = media::NextEvent()) {
        // The player is doing something: full rate again.
        if (event.kind >= media::EventKind::KeyDown) CalmFrames = 0;
        switch (event.kind) {
            case media::EventKind::AppSuspend:
                SuspendedEvent = 1;
                break;
            case media::EventKind::AppResume:
                SuspendedEvent = 0;
                break;
            case media::EventKind::AppTerminate:
                TerminatedEvent = 1;
                break;
            case media::EventKind::KeyDown:
                input.RecordKeyDown(event.data);
                input.LastSource = HostInput::Source::Keys;
                mouse.Hidden = 1;
                break;
            case media::EventKind::KeyUp:
                input.RecordKeyUp(event.data);
                break;
            case media::EventKind::KeyChar:
                input.RecordChar(event.data);
                break;
            case media::EventKind::MouseDown:
                if (event.data >= 1 && event.data <= 3) {
                    input.RecordMouseDown(event.data);
                    input.LastSource = HostInput::Source::Mouse;
                    mouse.Hidden = 0;
                    mouse.ButtonDown(event.data);
                }
                break;
            case media::EventKind::MouseUp:
                if (event.data >= 1 && event.data <= 3) {
                    input.RecordMouseUp(event.data);
                    mouse.ButtonUp(event.data);
                }
                break;
            case media::EventKind::MouseMove:
                input.LastSource = HostInput::Source::Mouse;
                mouse.Hidden = 0;
                mouse.x = input.MouseX = event.x;
                mouse.y = input.MouseY = event.y;
                break;
            case media::EventKind::MouseWheel:
                input.MouseWheel += event.data;
                break;
            case media::EventKind::PadDown:
                Pad.Press(static_cast<media::PadButton>(event.data),
                          PadKey(static_cast<media::PadButton>(event.data)), input);
                mouse.Hidden = 1;
                break;
            case media::EventKind::PadUp:
                Pad.Release(static_cast<media::PadButton>(event.data), input);
                break;
            case media::EventKind::PadRemoved:
                Pad.ReleaseAll(input);
                break;
            case media::EventKind::PadAdded:
            case media::EventKind::None:
                break;
        }
    }
    // A resumption whose event was lost.
    if (Suspended == 1 && SuspendedEvent == 1 && media::WindowHasFocus()) SuspendedEvent = 0;
}

int TMainLoop::PadKey(media::PadButton button) const {
    const TScreen* screen = Host.Screens.Current();
    if (screen) {
        if (const int key = screen->PadKey(button)) return key;
    }
    return TPadKeys::KeyFor(button, screen && screen->name == "game");
}

int TMainLoop::GameTerminated() {
    if (!TerminatedEvent) return 0;
    TerminatedEvent = 0;
    InstantExit = 1;
    const TScreen* screen = Host.Screens.Current();
    if (screen && screen->name == "game" && SaveProfileFunction) SaveProfileFunction();
    return -1;
}

int TMainLoop::CheckWindow() {
    if (GameTerminated() == -1) return -1;
    if (SuspendedEvent && !Suspended) {
        // Whatever the pad held is let go: its releases may never reach a window in the back.
        Pad.ReleaseAll(Input());
        if (!Paused) {
            Host.Audio.Hold();
            // A game in the background gives the machine back to the others.
            SetProcessAndThreadPriority(0, 0);
        }
        Suspended = 1;
    }
    if (!SuspendedEvent && Suspended == 1) {
        if (!Paused) {
            Host.Audio.Release();
            Host.Display.SetPriority();
        }
        Host.Timing.Init();
        Suspended = 0;
        ClearAllInput();
    }
    if (!Suspended && !Paused) Host.Audio.Manage();
    if (Suspended) media::Delay(1);
    return 0;
}

int TMainLoop::ReadKeys() {
    if (CheckWindow() == -1) {
        // Nothing fades while paused or in the background, so the game ends at once there.
        if (Paused || Suspended) return -1;
        InstantExit = 0;
        Host.Screens.CloseRequest(Host.Audio.MusicChannel);
    }
    if (Host.Presentation.BlockKeys) return 0;
    PauseKey();
    EscapeKey();
    if ((KeyDownChecked(KeyLAlt) || KeyDownChecked(KeyRAlt)) && KeyHitChecked(KeyEnter)) {
        Host.Display.ToggleFullScreen();
        FlushKeyState();
    }
    TScreen* screen = Host.Screens.Current();
    if (!Paused && !Suspended && screen && !DialogOpen()) screen->SpecificKeys();
    return 0;
}

void TMainLoop::PauseKey() {
    if (!KeyHitChecked(KeyPause) && !(Paused && Host.Display.Mouse().h1 > 0)) return;
    Paused = !Paused;
    if (Paused) {
        Pause();
    } else {
        UnPause();
    }
    ClearAllInput();
}

void TMainLoop::EscapeKey() {
    // Behind an open dialog Escape is left to the dialog, unless it cuts a fade or a pause short.
    TGameFade& fade = Host.Fade;
    if (DialogOpen() && !fade.Active && !Paused) return;
    if (!KeyHitChecked(KeyEscape)) return;
    if (fade.Active) {
        if (!fade.Out) {
            fade.FadeInAborted = true;
            fade.AbortKey = 0;
        }
        fade.Finish();
    } else if (Paused) {
        Paused = 0;
        UnPause();
        ClearAllInput();
    } else if (!IgnoreEscapeKey) {
        Host.Audio.EscapeSoundPlay();
        Host.Screens.Escape(Host.Presentation.FadeMusic ? Host.Audio.MusicChannel
                                                        : media::Channel());
        Host.Presentation.FadeMusic = true;
    } else {
        EscapeHit = true;
    }
}

bool TMainLoop::TakeEscapeHit() {
    const bool hit = EscapeHit;
    EscapeHit = false;
    return hit;
}

void TMainLoop::Pause() {
    Host.Audio.Hold();
    SetProcessAndThreadPriority(0, 0);
}

void TMainLoop::UnPause() {
    Host.Audio.Release();
    Host.Display.SetPriority();
    Host.Timing.Init();
}

void TMainLoop::SpritePausedCreate(const media::Image& image) {
    SpritePaused = TSprite::Create(image, 0, 0);
    SpritePaused->Centre();
}

void TMainLoop::ShowPaused() const {
    if (!(Paused || Suspended) || !SpritePaused) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.5f);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
    SpritePaused->Draw();
}

void TMainLoop::ScreenDraw() {
    // The frame's text log holds this frame's texts alone.
    if (Host.Presentation.TextLog) Host.Presentation.TextLog->clear();
    const TGameFade& fade = Host.Fade;
    TMousePointer& mouse = Host.Display.Mouse();
    if (TScreen* screen = Host.Screens.Current()) screen->Draw();
    Host.Dialogs.Draw();
    if (!fade.Active) ShowPaused();
    if (Host.Presentation.FadeMouse) mouse.Draw();
    fade.Draw();
    if (fade.Active) ShowPaused();
    if (!Host.Presentation.FadeMouse) mouse.Draw();
    if (BeforeFlipFunction) BeforeFlipFunction();
    media::Flip(Host.Presentation.FlipSyncMode);
    // Headless runs are scripted and go as fast as the machine allows.
    if (media::Headless()) return;
    const long redrawn = media::FlipRedrawnPixels();
    const long canvas =
        static_cast<long>(ScreenWidth) * ScreenHeight * media::CanvasScale() * media::CanvasScale();
    StillFrames = redrawn == 0 ? StillFrames + 1 : 0;
    CalmFrames = redrawn * CalmShare < canvas ? CalmFrames + 1 : 0;
    // A screen that has shown the same picture for half a second waits for input before it
    // looks again, or, while something might change by itself, at most the longest frame the
    // logic clock counts in full: a still menu or board costs next to nothing. One where only a
    // glint or a shimmer has moved for a second is drawn at half the rate until the player does
    // something, and looked at half as often again after a frame with nothing new, or, where the
    // screen foresees what still moves (the play screen's fizz and clock), when that is due. A
    // screen that knows when it next changes is not looked at before then at any rate. Not so
    // where frames keep the display's beat, where a wait of ours would now and then miss a
    // blank; frames of a repeatable run are not time: they keep the clock's pace.
    const int threshold = Host.Timing.Threshold;
    const bool foreseen = !NoTiming && !media::FramesWaitForDisplay();
    const int quiet = foreseen ? StepsUntilChange(false) : 0;
    if (StillFrames >= StillFramesBeforeWaiting) {
        Wait(NoTiming || !StillUntilInput() ? threshold : StillUntilInputMs);
    } else if (quiet > 0) {
        WaitSteps(quiet);
    } else if (CalmFrames >= CalmFramesBeforeSlowing) {
        const int calm = foreseen ? StepsUntilChange(true) : 0;
        if (calm > 0)
            WaitSteps(std::min(calm, static_cast<int>(CalmLongestMs / Host.Timing.MS)));
        else
            Wait(NoTiming || redrawn > 0 ? CalmFrameMs : 2 * CalmFrameMs);
    } else {
        media::Delay(1);
    }
}

void TMainLoop::Wait(int ms, bool counted) {
    TFixedRateLogic& timing = Host.Timing;
    double limit = ms;
    if (StepsUntilDueFunction) {
        if (const int due = StepsUntilDueFunction(); due >= 0)
            limit = std::min(limit, (due - 2) * static_cast<double>(timing.MS));
    }
    // Up to the clock's longest frame no time is lost; a longer wait is counted in full.
    if (counted || limit > timing.Threshold) timing.BeginChosenWait(static_cast<int>(limit));
    media::WaitForEvent(static_cast<int>(limit));
}

void TMainLoop::WaitSteps(int steps) {
    TFixedRateLogic& timing = Host.Timing;
    // The frame just made took its share of those steps already. Counted in full, the wait
    // brings at least the steps that change the picture: a millisecond more covers the clock's
    // rounding, as a wake a hair early would show nothing new and wait again.
    const double left = steps * static_cast<double>(timing.MS) - (timing.Clock() - timing.LastTime);
    const int ms = static_cast<int>(std::ceil(std::min(left, double{StillUntilInputMs}))) + 1;
    if (ms > 0) Wait(ms, true);
}

bool TMainLoop::InputHeldOrMoving() const {
    // Held keys and buttons repeat and a fade moves; in the background the loop keeps its pace.
    const HostInput& input = Input();
    const auto held = [](const auto& downs) {
        return std::any_of(downs.begin(), downs.end(), [](int down) { return down != 0; });
    };
    return held(input.KeyDowns) || held(input.MouseDowns) || Host.Fade.Active || Suspended;
}

int TMainLoop::StepsUntilChange(bool calm) const {
    // Only the screen's own picture is foreseen, not a dialog's or a pause's.
    if (InputHeldOrMoving() || Paused || DialogOpen()) return 0;
    const TScreen* screen = Host.Screens.Current();
    if (!screen) return 0;
    return calm ? screen->StepsUntilCalmChange() : screen->StepsUntilChange();
}

bool TMainLoop::StillUntilInput() const {
    if (InputHeldOrMoving()) return false;
    if (Paused) return true;
    const TScreen* screen = Host.Screens.Current();
    if (DialogOpen())
        return Host.Dialogs.Top()->StillUntilInput() && (!screen || screen->StillUntilInput(true));
    return screen && screen->StillUntilInput(false);
}
