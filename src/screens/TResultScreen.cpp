#include "screens/TResultScreen.h"

#include "host/TGame.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TSprite.h"
#include "system/ScreenSize.h"

void TResultScreen::LoadFurniture(const std::string& background, const std::string& header) {
    ImageLoad(background, -1);
    HeaderLoad(header, ScreenWidth / 2, 60);
    Header->SetShadow(1, 3, 3, 0.4f);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddQuick("OK", "")->OKButton = 1;
    Menu->SetY(525);
    Game->Presentation.FadeMusic = false;
}

void TResultScreen::StartAndFadeIn() {
    TScreen::Start();
    Game->FadeInScreen(1);
}

void TResultScreen::Kill() {
    TScreen::Kill();
    Results.Lines.clear();
}

void TResultScreen::Logic() {
    TScreen::Logic();
    Results.Logic();
    if (Game->Fading()) return;
    // OK, or a click anywhere the button did not take.
    const bool ok = Menu && Menu->Clicked("OK");
    if (!ok && Game->Mouse->GetMh(1) == 0) return;
    TScreen* next = NextScreen();
    if (next == nullptr) return;
    BeforeLeaving();
    Game->FadeToScreen(next);
}

void TResultScreen::Draw() {
    TScreen::Draw();
    Results.Draw();
    DrawNotes();
}

int TResultScreen::SetEscDestination(TScreen*& destination) {
    if (TScreen* next = NextScreen()) destination = next;
    return 0;
}
