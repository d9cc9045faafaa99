#include "screens/TResultScreen.h"

#include "host/TGame.h"
#include "presentation/TGameFade.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TSprite.h"
#include "screens/PlayLaunch.h"
#include "system/ScreenSize.h"

void TResultScreen::LoadFurniture(const std::string& background, const std::string& header) {
    ImageLoad(background, -1);
    HeaderLoad(header, ScreenWidth / 2, 60);
    Header->SetShadow(1, 3, 3, 0.4f);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddQuick("OK", "")->OKButton = 1;
    Menu->SetY(525);
    Game->Presentation.FadeMusic = 0;
}

void TResultScreen::StartAndFadeIn() {
    TScreen::Start();
    Game->GameFade->Init(static_cast<float>(EscapeFadeLength), 0, nullptr, 1, 0);
}

void TResultScreen::Kill() {
    TScreen::Kill();
    Results.Lines.clear();
}

void TResultScreen::Logic() {
    TScreen::Logic();
    Results.Logic();
    if (Game->GameFade->Active) return;
    // OK, or a click anywhere the button did not take.
    const bool ok = Menu && Menu->Clicked("OK");
    if (!ok && Game->Mouse->GetMh(1) == 0) return;
    TScreen* next = NextScreen();
    if (next == nullptr) return;
    BeforeLeaving();
    FadeOutTo(next);
}

void TResultScreen::Draw() {
    TScreen::Draw();
    Results.Draw();
    DrawNotes();
}

int TResultScreen::SetEscDestination() {
    TScreen* next = NextScreen();
    Game->DestinationTScreen = next != nullptr ? next : Game->ExitScreen.get();
    return 0;
}
