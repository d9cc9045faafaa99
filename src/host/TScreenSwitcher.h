#pragma once
// The one way screens change.
//
// A screen asks for a switch; the switcher starts a fade-out of FadeLength milliseconds (0 in
// this game: the switch comes on the next step). When the fade-out is done, Change, at the start
// of a logic step, makes the switch: the current screen's Kill (unless an excursion keeps it),
// then the destination's PreStart (Load and Start, or only CoreStart for a screen coming back
// from an excursion), and the destination is current. Escape asks the current screen's
// SetEscDestination where to go and switches the same way.

#include <vector>

#include "host/TScreen.h"
#include "media/Media.h"

class TDialogStack;
class TGameFade;

class TScreenSwitcher {
public:
    TScreenSwitcher(TGameFade& fade, TDialogStack& dialogs);
    ~TScreenSwitcher();
    TScreenSwitcher(const TScreenSwitcher&) = delete;
    TScreenSwitcher& operator=(const TScreenSwitcher&) = delete;

    // The screen running now (null before the first), the one the running fade-out leads to,
    // and the one before the last switch.
    [[nodiscard]] TScreen* Current() const { return CurrentScreen; }
    [[nodiscard]] TScreen* Destination() const { return DestinationScreen; }
    [[nodiscard]] TScreen* Last() const { return LastScreen; }
    // Switching to this screen ends the program.
    [[nodiscard]] TScreen* ExitScreen() const { return Exit; }
    // The program's end was reached by a switch.
    [[nodiscard]] bool Exiting() const { return Exit != nullptr && CurrentScreen == Exit; }
    // The host makes the exit screen once its parts exist.
    void SetExitScreen(TScreen& exit) { Exit = &exit; }

    // A screen fade is running.
    [[nodiscard]] bool Fading() const;
    // Milliseconds of every screen fade, and of Escape's when a screen gives none.
    void SetFadeLength(int ms) { FadeLength = ms; }

    // Starts `screen` at once, without a fade: the screens of start-up.
    void First(TScreen& screen);
    // Switches to `destination` with a fade-out; nothing happens without one. A request made
    // while a fade-out runs keeps that fade and replaces where it leads.
    void FadeTo(TScreen* destination);
    // An excursion the current screen must come through as it stands (the play screen behind
    // options or instructions opened from the in-game menu): it is kept, neither killed nor
    // loaded again, and PopReturn leads back to it.
    void Visit(TScreen* screen);
    // Where a screen reached by Visit goes back to, taken off the stack; `fallback` when the
    // screen was reached the ordinary way.
    [[nodiscard]] TScreen* PopReturn(TScreen* fallback);
    // The fade-in a screen starts when it begins: `allowAnim` lets its Logic run meanwhile.
    void FadeIn(int allowAnim);
    // Escape: the current screen names where it leads (the exit unless it says otherwise).
    // `music` (when not empty) fades with the picture.
    void Escape(const media::Channel& music);
    // The window's close: a fade to the program's end, which a fade already running gives way
    // to.
    void CloseRequest(const media::Channel& music);
    // At the start of a logic step: the switch, once the fade-out is done.
    void Change();

private:
    TGameFade& Fade;
    TDialogStack& Dialogs;
    TScreen* Exit = nullptr;
    TScreen* CurrentScreen = nullptr;
    TScreen* DestinationScreen = nullptr;
    TScreen* LastScreen = nullptr;
    std::vector<TScreen*> Returns;
    int FadeLength = 0;

    void FadeOut(TScreen* destination, int ms, const media::Channel& music);
};
