// The main loop: logic steps, the event pump, the global keys, screen switching and drawing.

#include <cmath>

#include "host/TGame.h"

#include "host/TLoadingScreen.h"
#include "presentation/TDialogStack.h"
#include "presentation/TGameFade.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TSprite.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"
#include "system/ReportError.h"

namespace {

constexpr int KeyEscape = 27;
constexpr int KeyEnter = 13;
constexpr int KeyPause = 'P';
constexpr int KeyLAlt = 164, KeyRAlt = 165;
constexpr int KeyLShift = 160, KeyRShift = 161;
constexpr int KeyLCtrl = 162, KeyRCtrl = 163;
constexpr int KeyDebug = 'D';
constexpr int KeyVolumeDown = 189, KeyVolumeUp = 187;
constexpr int KeyQuit = 'X';
constexpr int KeyFullScreen = 'F';
constexpr int KeyMinimise = 'B';
constexpr int KeyMusic = 'M';
constexpr int KeySound = 'S';
constexpr int KeyTurbo = 'T';
constexpr int KeySlowMotion = 'L';
constexpr int KeyScreenshot = 123;  // F12
constexpr int KeyFlipSync = 'I';
constexpr int KeyNoTiming = 'N';
constexpr int KeyVSync = 'V';
constexpr int KeyGraphicsDriver = 'G';
constexpr int KeySoundDriver = 'H';

}  // namespace

void ClearAllInput() {
    FlushInput();
    if (Game && Game->Mouse) Game->Mouse->ClearButtons();
}

int TGame::MainLogicLoop() {
    FixedRateLogic.Calc();
    double numTicks = FixedRateLogic.NumTicks;
    if (NoTiming) numTicks = NoTimingTicks;
    LogicTime.Start();
    const int whole = static_cast<int>(numTicks);
    for (int i = 1; i <= whole; ++i) {
        FixedRateLogic.SetDelta(1.0f);
        if (LogicWrapper() == -1) return -1;
    }
    const double fraction = numTicks - whole;
    if (fraction > 0) {
        FixedRateLogic.SetDelta(static_cast<float>(fraction));
        if (LogicWrapper() == -1) return -1;
    }
    LogicTime.Calc();
    return 1;
}

int TGame::LogicWrapper() {
    ++LogicSteps;
    if (BeforeStepFunction) BeforeStepFunction();
    Mouse->ClearMouseHit();
    Mouse->Manage();
    DoPeekEvent();
    if (ReadKeys() == -1) return -1;
    if (InstantExit) return -1;
    if (Paused || Suspended) return 0;
    GameFade->Manage();
    if (!GameFade->Active || GameFade->AllowAnim) {
        ScreenChange();
        if (DialogOpen()) {
            // The screen's own buttons must not keep a hover or click from before.
            if (Dialogs->Manage() && CurrentTScreen && CurrentTScreen->Menu) {
                CurrentTScreen->Menu->ClearStates();
            }
            if (CurrentTScreen) CurrentTScreen->LogicUnderDialog();
        } else if (CurrentTScreen) {
            CurrentTScreen->Logic();
        }
    }
    return 1;
}

bool TGame::DialogOpen() const {
    return Dialogs && !Dialogs->Empty();
}

void TGame::DoPeekEvent() {
    HostInput& input = Input();
    for (media::Event event = media::NextEvent(); event.kind != media::EventKind::None;
         event = media::NextEvent()) {
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
                Mouse->Hidden = 1;
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
                    Mouse->Hidden = 0;
                    Mouse->ButtonDown(event.data);
                }
                break;
            case media::EventKind::MouseUp:
                if (event.data >= 1 && event.data <= 3) {
                    input.RecordMouseUp(event.data);
                    Mouse->ButtonUp(event.data);
                }
                break;
            case media::EventKind::MouseMove:
                Mouse->Hidden = 0;
                Mouse->x = input.MouseX = event.x;
                Mouse->y = input.MouseY = event.y;
                break;
            case media::EventKind::MouseWheel:
                input.MouseWheel += event.data;
                break;
            case media::EventKind::None:
                break;
        }
    }
    // A resumption whose event was lost.
    if (Suspended == 1 && SuspendedEvent == 1 && media::WindowHasFocus()) SuspendedEvent = 0;
}

int TGame::GameTerminated() {
    if (!TerminatedEvent) return 0;
    TerminatedEvent = 0;
    if (TerminatedUserFunction && TerminatedUserFunction() != 0) return 0;
    InstantExit = 1;
    if (CurrentTScreen && CurrentTScreen->name == "game" && SaveProfileFunction) {
        SaveProfileFunction();
    }
    return -1;
}

int TGame::CheckWindow() {
    if (GameTerminated() == -1) return -1;
    if (SuspendedEvent && !Suspended) {
        if (PauseOnLossOfFocus && !Paused) {
            Paused = 1;
            Pause();
        }
        if (!Paused) {
            PausedMusicState = Music;
            PausedSpeechState = Speech;
            if (Music) MusicOff();
            if (Speech) SpeechOff();
            if (PausedUserFunction) PausedUserFunction();
            // A game in the background gives the machine back to the others.
            SetProcessAndThreadPriority(0, 0);
        }
        Suspended = 1;
        if (UserSuspendFunction) UserSuspendFunction();
    }
    if (!SuspendedEvent && Suspended == 1) {
        if (!Paused) {
            if (PausedMusicState == 1) MusicOn();
            if (PausedSpeechState == 1) SpeechOn();
            SetPriority();
        }
        FixedRateLogic.Init();
        Suspended = 0;
        if (UserResumeFunction) UserResumeFunction();
        ClearAllInput();
    }
    if (!Suspended && !Paused) {
        if (Music == 1 && !MusicLooped && MusicChannel && !media::Playing(MusicChannel)) {
            MusicStopped = 1;
        }
        if (Speech == 1 && Presentation.SpeechChannel &&
            !media::Playing(Presentation.SpeechChannel))
            SpeechStopped = 1;
        MusicFadeInManage();
        MusicFadeOutManage();
    }
    if (Suspended) media::Delay(1);
    return 0;
}

int TGame::ReadKeys() {
    if (CheckWindow() == -1) {
        // Nothing fades while paused or in the background, so the game ends at once there.
        if (FadeOnExit && !Paused && !Suspended) {
            InstantExit = 0;
            // A fade already running would refuse the exit fade and lose the close request.
            if (GameFade->Active) GameFade->Finish();
            GameFade->Init(static_cast<float>(EscapeFadeLength), 1, MusicChannel, 1, 0);
            DestinationTScreen = ExitScreen.get();
        } else {
            return -1;
        }
    }
    if (Presentation.BlockKeys) return 0;

    if (!IgnorePauseKey && (KeyHitChecked(KeyPause) || (Paused && Mouse->h1 > 0))) {
        Paused = !Paused;
        if (Paused) {
            Pause();
        } else {
            UnPause();
        }
        ClearAllInput();
    }

    // Behind an open dialog Escape is left to the dialog, unless it cuts a fade or a pause short.
    const bool escapeForDialog = DialogOpen() && !GameFade->Active && !Paused;
    if (!escapeForDialog && KeyHitChecked(KeyEscape)) {
        if (GameFade->Active) {
            if (!GameFade->Out) {
                GameFade->FadeInAborted = true;
                GameFade->AbortKey = 0;
            }
            GameFade->Finish();
        } else if (Paused) {
            Paused = 0;
            UnPause();
            ClearAllInput();
        } else if (!IgnoreEscapeKey) {
            EscapeSoundPlay();
            TScreen* destination = ExitScreen.get();
            int length = CurrentTScreen ? CurrentTScreen->SetEscDestination(destination) : 0;
            DestinationTScreen = destination;
            if (length == 0) length = EscapeFadeLength;
            GameFade->Init(static_cast<float>(length), 1,
                           Presentation.FadeMusic ? MusicChannel : nullptr, 1, 0);
            Presentation.FadeMusic = true;
        } else {
            EscapeHitFlags[KeyEscape] = 1;
        }
    }

    if ((KeyDownChecked(KeyLAlt) || KeyDownChecked(KeyRAlt)) && KeyHitChecked(KeyEnter)) {
        ToggleFullScreen();
        FlushKeyState();
    }

    if (!IgnoreFrameworkKeys) {
        if (KeyHitChecked(KeyVolumeDown)) {
            SoundChangeVolume(-10);
            MusicChangeVolume(-10);
            SpeechChangeVolume(-10);
            FlushKeyState();
        }
        if (KeyHitChecked(KeyVolumeUp)) {
            SoundChangeVolume(10);
            MusicChangeVolume(10);
            SpeechChangeVolume(10);
            FlushKeyState();
        }
        if ((KeyDownChecked(KeyLCtrl) || KeyDownChecked(KeyRCtrl)) && KeyDownChecked(KeyQuit)) {
            InstantExit = 1;
            if (CurrentProfile && CurrentTScreen && CurrentTScreen->name == "game" &&
                SaveProfileFunction) {
                SaveProfileFunction();
            }
        }
        if (KeyHitChecked(KeyFullScreen)) {
            ToggleFullScreen();
            FlushKeyState();
        }
        if (KeyHitChecked(KeyMinimise)) {
            media::MinimiseWindow();
            media::Flip(Presentation.FlipSyncMode);
            FlushKeyState();
        }
        if (KeyHitChecked(KeyMusic)) {
            ToggleMusic();
            FlushKeyState();
        }
        if (KeyHitChecked(KeySound)) {
            ToggleSound();
            FlushKeyState();
        }
        if (Debug && KeyHitChecked(KeyTurbo)) {
            if (Fast) {
                FastOff();
            } else {
                SlowMotionOff();
                FastOn();
            }
            FlushKeyState();
        }
        if (Debug && KeyHitChecked(KeySlowMotion)) {
            if (SlowMotion) {
                SlowMotionOff();
            } else {
                FastOff();
                SlowMotionOn();
            }
            FlushKeyState();
        }
        if (KeyHitChecked(KeyScreenshot)) TakeScreenshot();
        if (Debug && KeyHitChecked(KeyFlipSync)) {
            Presentation.FlipSyncMode = Presentation.FlipSyncMode == 1    ? -1
                                        : Presentation.FlipSyncMode == -1 ? 0
                                                                          : 1;
            FlushKeyState();
        }
        if (Debug && KeyHitChecked(KeyNoTiming)) {
            NoTiming = !NoTiming;
            FlushKeyState();
        }
        if (KeyHitChecked(KeyVSync)) {
            ToggleVSync();
            FlushKeyState();
        }
        if (KeyHitChecked(KeyGraphicsDriver)) {
            SetDriver(Driver == 0 ? 1 : 0);
            FlushKeyState();
        }
        if (KeyHitChecked(KeySoundDriver)) {
            std::string next = "FreeAudio";
            if (SoundDriver == "FreeAudio") next = "DirectSound";
            if (SoundDriver == "DirectSound") next = "OpenAL Generic Software";
            ChangeSoundDriver(next, 1);
            FlushKeyState();
        }
    }

    if (!IgnoreDebugKey && KeyHitChecked(KeyDebug)) {
        Debug = !Debug;
        if (Debug) {
            DebugReset();
            LogicTime.Start();
            DebugShowFPSOnly = KeyDownChecked(KeyLShift) || KeyDownChecked(KeyRShift) ? 1 : 0;
        }
    }

    if (GraphicPlacement) {
        if (KeyHitChecked(37)) --gpX;
        if (KeyHitChecked(39)) ++gpX;
        if (KeyHitChecked(38)) --gpY;
        if (KeyHitChecked(40)) ++gpY;
    }

    if (!Paused && !Suspended && CurrentTScreen && !DialogOpen()) CurrentTScreen->SpecificKeys();
    return 0;
}

void TGame::Pause() {
    PausedMusicState = Music;
    PausedSpeechState = Speech;
    if (Music) MusicOff();
    if (Speech) SpeechOff();
    if (PausedUserFunction) PausedUserFunction();
    SetProcessAndThreadPriority(0, 0);
}

void TGame::UnPause() {
    if (PausedMusicState == 1) MusicOn();
    if (PausedSpeechState == 1) SpeechOn();
    SetPriority();
    FixedRateLogic.Init();
}

void TGame::SpritePausedCreate(const media::Image& image) {
    SpritePaused = TSprite::Create(image, 0, 0);
    SpritePaused->Centre();
}

void TGame::ShowPaused() {
    if (!(Paused || Suspended) || !SpritePaused) return;
    media::SetBlend(media::ALPHABLEND);
    if (DimWhenPaused) {
        media::SetColor(0, 0, 0);
        media::SetAlpha(0.5f);
        media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    }
    media::SetColor(255, 255, 255);
    media::SetAlpha(1.0f);
    SpritePaused->Draw();
}

void TGame::ScreenChange() {
    if (!(GameFade->GetDone() && GameFade->Out == 1)) return;
    // Dialogs belong to the screen that opened them.
    Dialogs->Clear();
    if (CurrentTScreen && !CurrentTScreen->StopKill) CurrentTScreen->Kill();
    if (!DestinationTScreen) {
        ReportError("Screen '" + (CurrentTScreen ? CurrentTScreen->name : std::string()) +
                        "' does not have a destination screen set!",
                    true);
        return;
    }
    LastTScreen = CurrentTScreen;
    if (DestinationTScreen == ExitScreen.get()) {
        InstantExit = 1;
        CurrentTScreen = ExitScreen.get();
    } else {
        const bool returning = DestinationTScreen->StopInit;
        DestinationTScreen->PreStart();
        // Back from an excursion: the next departure is a plain one again.
        if (returning) DestinationTScreen->ResetStops();
    }
    ClearAllInput();
}

void TGame::FadeToScreen(TScreen* destination) {
    if (destination == nullptr) return;
    DestinationTScreen = destination;
    GameFade->Init(static_cast<float>(EscapeFadeLength), 1, nullptr, 1, 0);
}

void TGame::VisitScreen(TScreen* screen, TScreen* survivor) {
    if (screen == nullptr) return;
    if (survivor != nullptr) {
        survivor->StopKill = true;
        survivor->StopInit = true;
        screen->Destination = survivor;
    }
    FadeToScreen(screen);
}

void TGame::FadeInScreen(int allowAnim) {
    GameFade->Init(static_cast<float>(EscapeFadeLength), 0, nullptr, allowAnim, 0);
}

void TGame::ScreenDraw() {
    DrawTime.Start();
    if (NoDraw) {
        NoDraw = 0;
        return;
    }
    if (CurrentTScreen) CurrentTScreen->Draw();
    Dialogs->Draw();
    if (!GameFade->Active) ShowPaused();
    if (Presentation.FadeMouse) Mouse->Draw();
    GameFade->Draw();
    if (GameFade->Active) ShowPaused();
    if (!Presentation.FadeMouse) Mouse->Draw();
    DrawTime.Calc();
    if (BeforeFlipFunction) BeforeFlipFunction();
    PostDraw();
}

void TGame::MoveBar() {
    LoadingScreen->Progress();
    // A frame per step would hold the load up by a display refresh each; a few frames a second
    // keep the bar moving without slowing what it shows.
    constexpr int ShowEveryMs = 40;
    if (media::MilliSecs() - LoadingShownAt >= ShowEveryMs) ShowLoadingScreen();
}

void TGame::ShowLoadingScreen() {
    LoadingScreen->Draw();
    media::Flip(Presentation.FlipSyncMode);
    LoadingShownAt = media::MilliSecs();
}

void TGame::PostDraw() {
    media::Flip(Presentation.FlipSyncMode);
    // Headless runs are scripted and go as fast as the machine allows.
    if (!media::Headless()) media::Delay(1);
}

void TGame::DebugReset() {
    FixedRateLogic.maximum = 0;
    LogicTime.Init();
    DrawTime.Init();
    CodeTime.Init();
    FPS.Init();
}
