#include "screens/TCreditsScreen.h"

#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/GameDialogs.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr float CentreX = ScreenWidth / 2;
constexpr float LineGap = 36;
constexpr float SmallScale = 0.8f;

void Heading(TBitmapFont& font, const std::string& text, float y) {
    media::SetColor(0, 255, 0);
    font.DrawAlignedWithShadow(text, CentreX, y, 1, 1, 1);
}

void Name(TBitmapFont& font, const std::string& text, float y) {
    media::SetColor(255, 255, 100);
    font.DrawAlignedWithShadow(text, CentreX, y, 1, 1, 1);
}

void Small(TBitmapFont& font, const std::string& text, float y) {
    media::SetDrawScale(SmallScale, SmallScale);
    font.DrawAlignedWithShadow(text, CentreX, y, 1, 0, 0);
    media::SetDrawScale(1, 1);
}

}  // namespace

void TCreditsScreen::Load() {
    ImageLoad("background.png", -1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    AddScreenOKButton(*Menu);
    Host.Presentation.FadeMusic = false;
}

void TCreditsScreen::Start() {
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TCreditsScreen::Logic() {
    TScreen::Logic();
    if (!Menu || Host.Screens.Fading()) return;
    if (Menu->Clicked("OK") && OptionsScreen != nullptr) Host.Screens.FadeTo(OptionsScreen);
}

int TCreditsScreen::SetEscDestination(TScreen*& destination) {
    if (OptionsScreen != nullptr) destination = OptionsScreen;
    return 0;
}

void TCreditsScreen::Draw() {
    TScreen::Draw();
    const auto& large = Resources.FontLarge;
    const auto& medium = Resources.FontMedium;
    if (!large || !medium) return;
    media::SetBlend(media::ALPHABLEND);
    TShadow::Create(3, 3, 0.4f).ApplyToText();
    float y = 30;
    media::SetColor(255, 255, 100);
    large->DrawAlignedWithShadow("Quillox", CentreX, y, 1, 1, 1);
    y += LineGap + 6;
    media::SetColor(255, 255, 255);
    Small(*medium, Tr("Copyright (c) 2026 Bexholt Games. All rights reserved."), y);
    y += LineGap - 6;
    Small(*medium, "www.bexholt.example", y);
    y += 2 * LineGap;

    Heading(*medium, Tr("Design, Art and Programming"), y);
    y += LineGap;
    Name(*medium, "Marten Quist", y);
    y += LineGap;
    media::SetColor(255, 255, 100);
    Small(*medium, TrFill("Bitmap font by %1", {"Ilse Varga"}), y);
    y += LineGap;

    Heading(*medium, Tr("Music"), y);
    y += LineGap;
    Name(*medium, "Oda Lindqvist", y);
    y += LineGap;

    Heading(*medium, Tr("Additional Programming"), y);
    y += LineGap;
    Name(*medium, "Piet Haverkamp", y);
    media::SetColor(255, 255, 255);
}
