#pragma once
// The main loop: each frame runs the logic steps its time is worth (or a fixed number, for
// repeatable runs), each step pumps the window's events, reads the global keys (pause, Escape,
// Alt+Enter) and runs the current screen or the dialog over it; then the frame is drawn and
// shown. Pause and the window going to the background stop the steps and the music.

#include <functional>
#include <memory>

#include "host/TPadKeys.h"
#include "media/Media.h"

class TAudioBuses;
class TDialogStack;
class TDisplay;
class TFixedRateLogic;
class TGameFade;
class TScreenSwitcher;
class TSettings;
class TSprite;
struct TPresentationContext;

class TMainLoop {
public:
    struct Parts {
        TFixedRateLogic& Timing;
        TPresentationContext& Presentation;
        TSettings& Settings;
        TAudioBuses& Audio;
        TDisplay& Display;
        TScreenSwitcher& Screens;
        TDialogStack& Dialogs;
        TGameFade& Fade;
    };
    explicit TMainLoop(const Parts& parts);
    ~TMainLoop();
    TMainLoop(const TMainLoop&) = delete;
    TMainLoop& operator=(const TMainLoop&) = delete;

    // Runs exactly NoTimingTicks steps a frame instead of the time's worth, so a run repeats.
    int NoTiming = 0;
    int NoTimingTicks = 1;
    // Logic steps run since start-up: the clock of repeatable runs.
    long long LogicSteps = 0;
    int Paused = 0;
    // Frames in a row that showed nothing new, and that changed little.
    int StillFrames = 0;
    int CalmFrames = 0;
    int Suspended = 0;
    // The window went to the background (or came back), or was closed, since the last step.
    int SuspendedEvent = 0;
    int TerminatedEvent = 0;
    // Escape is left to the current screen (TakeEscapeHit) instead of leaving it.
    int IgnoreEscapeKey = 0;

    // Saves the current profile when the window is closed during play.
    std::function<void()> SaveProfileFunction;
    // Runs at the start of every logic step (scripted input enters the event queue here).
    std::function<void()> BeforeStepFunction;
    // Runs after a frame is drawn and before it is shown (scripted screenshots read it here).
    std::function<void()> BeforeFlipFunction;
    // Asked after every logic step: true ends the frame there, so that what is drawn (and what
    // a script dumps) is the game as that step left it, before the frame's later steps run.
    std::function<bool()> EndFrameFunction;
    // Steps until scripted input or output is next due (negative when none is): a still screen
    // wakes before then, so what the script does lands on its own step.
    std::function<int()> StepsUntilDueFunction;

    // One frame's logic steps; -1 when the program is to end.
    int MainLogicLoop();
    // One logic step; -1 when the program is to end, 0 while paused or in the background.
    int LogicWrapper();
    // Draws the frame: the screen, its dialogs, the pause sign, the pointer and the fade.
    void ScreenDraw();
    // Runs frames until the program is to end.
    void Run();

    void Pause();
    void UnPause();
    // True once for each Escape pressed while IgnoreEscapeKey is set.
    [[nodiscard]] bool TakeEscapeHit();
    [[nodiscard]] bool DialogOpen() const;
    // The "paused" sign over the screen while paused or in the background.
    void SpritePausedCreate(const media::Image& image);

private:
    Parts Host;
    std::shared_ptr<TSprite> SpritePaused;
    bool EscapeHit = false;
    int InstantExit = 0;
    TPadKeys Pad;

    void DoPeekEvent();
    // The key a pad button stands for on the current screen.
    [[nodiscard]] int PadKey(media::PadButton button) const;
    int ReadKeys();
    void PauseKey();
    void EscapeKey();
    int CheckWindow();
    int GameTerminated();
    void ShowPaused() const;
    // Waits for input, at most `ms` and never past a scripted step; a wait longer than the
    // clock's longest frame, or one `counted`, is counted in full.
    void Wait(int ms, bool counted = false);
    // Waits for input until `steps` logic steps have passed since this frame's began.
    void WaitSteps(int steps);
    // Nothing on screen changes before input comes (or a key or button is let go).
    [[nodiscard]] bool StillUntilInput() const;
    [[nodiscard]] bool InputHeldOrMoving() const;
    // The screen's own StepsUntilChange (or StepsUntilCalmChange), where nothing else on screen
    // may change sooner.
    [[nodiscard]] int StepsUntilChange(bool calm) const;
    // Set while the steps that stand for a chosen wait run: input that ended the wait comes
    // after them.
    bool HoldInput = false;
};
