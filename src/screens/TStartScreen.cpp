#include "screens/TStartScreen.h"

#include <string>

#include "host/TGame.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/GameDialogs.h"
#include "screens/PlayLaunch.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/ScreenSize.h"

namespace {

// The framed panel on the right of the title picture.
constexpr float PanelCentreX = 637;

}  // namespace

void TStartScreen::Load() {
    ImageLoad("titleb.png", -1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    Menu->AddQuick("playgame", "")->OKButton = 1;
    Menu->SetX(PanelCentreX - static_cast<float>(Menu->CalcWidth() / 2));
    Menu->SetY(290);
    // Without a hover picture: the button's own picture is drawn alone.
    Menu->AddNew("changeplayer", "", "", 0, 0, 1)->MoveTo(504, 108);
}

void TStartScreen::Start() {
    // What the player will resume with, shown before the click.
    if (Player != nullptr) ProgressGameStart(*Player, Game->CurrentProfile.get());
    TScreen::Start();
    Game->FadeInScreen(1);
}

void TStartScreen::Logic() {
    TScreen::Logic();
    if (Game->Fading() || Player == nullptr || PlayScreen == nullptr) return;
    if (Menu && Menu->Clicked("changeplayer")) {
        ShowPlayerManager();
        return;
    }
    const bool play = Menu && Menu->Clicked("playgame");
    if (!play && Game->Mouse->GetMh(1) == 0) return;
    NewGameFromProfile(*Player);
    Game->FadeToScreen(PlayScreen);
}

void TStartScreen::Draw() {
    TScreen::Draw();
    if (!Resources.FontLarge || !Resources.FontMedium) return;
    if (Game->CurrentProfile && !Game->CurrentProfile->Name.empty()) {
        TShadow::Create(1, 1, 0.6f).ApplyToText();
        Resources.FontLarge->DrawAlignedWithShadow("Welcome, " + Game->CurrentProfile->Name,
                                                   ScreenWidth / 2, 21, 1, 1, 1);
    }
    TShadow::Create(2, 2, 0.5f).ApplyToText();
    if (Player != nullptr) {
        media::SetColor(255, 255, 0);
        Resources.FontLarge->DrawAlignedWithShadow("Level " + std::to_string(Player->Level),
                                                   PanelCentreX, 180, 1, 1, 1);
        media::SetColor(0, 255, 255);
        Resources.FontMedium->DrawAlignedWithShadow("Score " + std::to_string(Player->Score),
                                                    PanelCentreX, 230, 1, 1, 1);
    }
    media::SetColor(255, 255, 255);
    Resources.FontMedium->DrawAlignedWithShadow("Click to play", PanelCentreX, 360, 1, 1, 1);
}

void TStartScreen::ShowPlayerManager() {
    if (Player == nullptr) return;
    Game->Dialogs->Open(CreatePlayerManager(Resources, Player->SaveData), [this](TDialog&, int) {
        ProgressGameStart(*Player, Game->CurrentProfile.get());
    });
}
