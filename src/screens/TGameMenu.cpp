#include "screens/TGameMenu.h"

#include "host/TAudioBuses.h"
#include "host/TDisplay.h"
#include "host/TMainLoop.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "store/Progress.h"
#include "store/TProfile.h"
#include "system/ScreenSize.h"

namespace {

constexpr float FadeMs = 200;
constexpr float BackdropAlpha = 0.5f;

}  // namespace

void TGameMenu::Load() {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddQuick("resume", "")->OKButton = 1;
    if (OptionsScreen != nullptr) Menu->AddQuick("options", "");
    if (InstructionsScreen != nullptr) Menu->AddQuick("instructions", "");
    Menu->AddQuick("saveandexit", "");
    Menu->Centre();
    ActivateSound = TGameSound::Create(Host.Presentation.SoundPath + "buttonclick.wav", 0);
    DeactivateSound.reset();
    FadeIn.Init(FadeMs, 0, 0, 0);
    FadeOut.Init(FadeMs, 0, 0, 0);
    Active = 0;
}

void TGameMenu::Kill() {
    TScreen::Kill();
    ActivateSound.reset();
    DeactivateSound.reset();
    FadeIn.Clear();
    FadeOut.Clear();
    Active = 0;
}

void TGameMenu::Show(int playSound) {
    if (!Menu) return;
    Active = 1;
    Menu->ClearStates();
    MouseState = Host.Display.Mouse().Active;
    Host.Display.Mouse().On();
    if (playSound && ActivateSound) ActivateSound->PlayEffect(&Host.Audio.SpecialChannel);
    FadeOut.Clear();
    FadeIn.Reset();
    ClearAllInput();
}

void TGameMenu::Hide() {
    if (!MouseState) Host.Display.Mouse().Off();
    // A half-finished fade-in turns into a half-finished fade-out.
    const float shown = FadeIn.Active ? FadeIn.GetRatioInv() : 1.0f;
    FadeIn.Stop();
    if (shown <= 0) {
        Active = 0;
    } else {
        FadeOut.Reset();
        FadeOut.Counter = shown * FadeOut.Length[0];
    }
    if (DeactivateSound) DeactivateSound->PlayEffect(&Host.Audio.SpecialChannel);
    ClearAllInput();
}

void TGameMenu::Logic() {
    if (!Menu) return;
    if (Active) {
        FadeIn.Manage();
        if (FadeOut.Active && FadeOut.Manage()) {
            Active = 0;
            return;
        }
        if (!FadeOut.Active) TScreen::Logic();
    }
    if (FadeOut.Active) {
        // Escape while the menu closes is swallowed, so it cannot reopen the menu afterwards.
        (void)Host.Loop.TakeEscapeHit();
        return;
    }

    if (Host.Loop.TakeEscapeHit()) {
        if (!Active) {
            Show(1);
        } else {
            Host.Audio.EscapeSoundPlay();
            Hide();
        }
        return;
    }
    if (!Active) return;

    if (Menu->Clicked("resume")) {
        Hide();
    } else if (Menu->Clicked("options")) {
        Visit(OptionsScreen);
    } else if (Menu->Clicked("instructions")) {
        Visit(InstructionsScreen);
    } else if (Menu->Clicked("saveandexit")) {
        SaveAndExit();
    }
}

void TGameMenu::Visit(TScreen* screen) {
    Host.Screens.Visit(screen);
}

void TGameMenu::SaveAndExit() {
    ProgressSaveAndExit(Host.Session.Profile.get());
    // The board is given up: the next game starts the level afresh.
    if (PlayScreen != nullptr) PlayScreen->ResetStops();
    Host.Screens.FadeTo(TitleScreen != nullptr ? TitleScreen : Host.Screens.ExitScreen());
}

void TGameMenu::Draw() {
    if (!Active || !Menu) return;
    float backdrop = BackdropAlpha;
    float menuAlpha = 1;
    if (FadeIn.Active) {
        backdrop = BackdropAlpha * FadeIn.GetRatioInvSine();
        menuAlpha = FadeIn.GetRatioInv();
    } else if (FadeOut.Active) {
        backdrop = BackdropAlpha * FadeOut.GetRatioSine();
        menuAlpha = FadeOut.GetRatio();
    }
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(backdrop);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    Menu->SetAlpha(menuAlpha);
    Menu->Draw(0, 0);
    Menu->SetAlpha(1);
}
