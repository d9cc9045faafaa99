#include "host/TScreenSwitcher.h"

#include <string>

#include "presentation/TDialogStack.h"
#include "presentation/TGameFade.h"
#include "presentation/TMousePointer.h"
#include "system/ReportError.h"

TScreenSwitcher::TScreenSwitcher(TGameFade& fade, TDialogStack& dialogs)
    : Fade(fade), Dialogs(dialogs) {}

TScreenSwitcher::~TScreenSwitcher() = default;

bool TScreenSwitcher::Fading() const {
    return Fade.Active;
}

void TScreenSwitcher::First(TScreen& screen) {
    Dialogs.Clear();
    if (CurrentScreen && CurrentScreen != &screen && !CurrentScreen->StopKill) {
        CurrentScreen->Kill();
    }
    LastScreen = CurrentScreen;
    CurrentScreen = &screen;
    screen.PreStart();
}

void TScreenSwitcher::FadeOut(TScreen* destination, int ms, const media::Channel& music) {
    DestinationScreen = destination;
    Fade.Init(static_cast<float>(ms), 1, music, 1, 0);
}

void TScreenSwitcher::FadeTo(TScreen* destination) {
    if (destination == nullptr) return;
    FadeOut(destination, FadeLength, nullptr);
}

void TScreenSwitcher::Visit(TScreen* screen) {
    if (screen == nullptr) return;
    if (CurrentScreen != nullptr) {
        CurrentScreen->StopKill = true;
        CurrentScreen->StopInit = true;
        Returns.push_back(CurrentScreen);
    }
    FadeTo(screen);
}

TScreen* TScreenSwitcher::PopReturn(TScreen* fallback) {
    if (Returns.empty()) return fallback;
    TScreen* back = Returns.back();
    Returns.pop_back();
    return back;
}

void TScreenSwitcher::FadeIn(int allowAnim) {
    Fade.Init(static_cast<float>(FadeLength), 0, nullptr, allowAnim, 0);
}

void TScreenSwitcher::Escape(const media::Channel& music) {
    TScreen* destination = Exit;
    int length = CurrentScreen ? CurrentScreen->SetEscDestination(destination) : 0;
    if (length == 0) length = FadeLength;
    FadeOut(destination, length, music);
}

void TScreenSwitcher::CloseRequest(const media::Channel& music) {
    // A fade already running would refuse the exit fade and lose the close request.
    if (Fade.Active) Fade.Finish();
    FadeOut(Exit, FadeLength, music);
}

void TScreenSwitcher::Change() {
    if (!(Fade.GetDone() && Fade.Out == 1)) return;
    // Dialogs belong to the screen that opened them.
    Dialogs.Clear();
    if (CurrentScreen && !CurrentScreen->StopKill) CurrentScreen->Kill();
    if (!DestinationScreen) {
        ReportError("Screen '" + (CurrentScreen ? CurrentScreen->name : std::string()) +
                        "' does not have a destination screen set!",
                    true);
        return;
    }
    TScreen* destination = DestinationScreen;
    LastScreen = CurrentScreen;
    CurrentScreen = destination;
    if (destination != Exit) {
        const bool returning = destination->StopInit;
        destination->PreStart();
        // Back from an excursion: the next departure is a plain one again.
        if (returning) destination->ResetStops();
    }
    ClearAllInput();
}
