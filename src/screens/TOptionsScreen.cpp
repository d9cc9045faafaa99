#include "screens/TOptionsScreen.h"

#include <string>
#include <vector>

#include "host/JsonObject.h"
#include "host/TAudioBuses.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TLanguageChoice.h"
#include "host/TPlayerSession.h"
#include "host/TPreferences.h"
#include "host/TScreenSwitcher.h"
#include "host/TSettings.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "presentation/TextLog.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr float LabelX = 139;
// The rows, top to bottom: a slider sits 8 pixels below its label.
constexpr float MusicY = 150, SoundY = 210, SliderDrop = 8;
constexpr float FullScreenY = 275, ColourBlindY = 335, ReducedMotionY = 395, LanguageY = 455;
// Where the sliders' grooves and the switches start.
constexpr float SliderX = 430;
constexpr float SwitchX = 521;
constexpr int SliderBorder = 20;
constexpr int SliderBorderY = 5;

void DrawWithShadow(TSlider& slider, float offset, float alpha) {
    if (!slider.image || !slider.image->image) return;
    media::SetColor(0, 0, 0);
    media::SetAlpha(alpha);
    media::DrawImageFrame(slider.image->image, slider.x + offset, slider.y + offset, 0);
    if (slider.DotImage && slider.DotImage->image) {
        media::DrawImageFrame(slider.DotImage->image, static_cast<float>(slider.DotX) + offset,
                              static_cast<float>(slider.DotY) + offset, 0);
    }
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    slider.Draw();
}

JsonObject SliderJson(const TSlider& slider) {
    JsonObject json;
    json.Set("Value", slider.Value);
    json.Set("rect", std::vector<int>{static_cast<int>(slider.x), static_cast<int>(slider.y),
                                      slider.w, slider.h});
    json.Set("Border", slider.Border);
    return json;
}

}  // namespace

int TOptionsScreen::ColourBlind() const {
    return Player != nullptr && Player->SaveData.colorblind != 0 ? 1 : 0;
}

void TOptionsScreen::LoadToggle(int value, const std::string& buttonName) {
    const std::string look = value != 0 ? "on" : "off";
    Menu->AddNew(look, look + "MO", buttonName, 0, 0, 1);
}

void TOptionsScreen::ReloadToggleButton(int value, const std::string& buttonName) {
    if (auto button = Menu->FindButton(buttonName)) {
        const std::string look = value != 0 ? "on" : "off";
        button->LoadImages(look, look + "MO", 0, 0, 1);
    }
}

void TOptionsScreen::LoadLanguageButton() {
    auto button = Menu->AddNew("language", "languageMO", "language", 0, 0, 1);
    button->MoveTo(SwitchX, LanguageY + 3);
    button->SetupCaption(Host.Language.Languages.NameOf(Host.Language.Current), nullptr,
                         std::nullopt, std::nullopt, Resources.FontMedium, std::nullopt);
}

void TOptionsScreen::ShowLanguage() {
    if (auto button = Menu->FindButton("language"); button && button->Caption) {
        button->Caption->Text = Host.Language.Languages.NameOf(Host.Language.Current);
    }
    // The pictures with captions, drawn in the new language.
    ReloadToggleButton(Host.Settings.FullScreen, "fullscreen");
    ReloadToggleButton(ColourBlind(), "colorblind");
    for (const char* name : {"OK", "credits"}) {
        if (auto button = Menu->FindButton(name)) {
            button->LoadImages(name, std::string(name) + "MO", 0, 0, 1);
        }
    }
}

void TOptionsScreen::Load() {
    ImageLoad("background.png", -1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    LoadToggle(Host.Settings.FullScreen, "fullscreen");
    LoadToggle(ColourBlind(), "colorblind");
    LoadToggle(Host.Preferences.ReducedMotion ? 1 : 0, "reducedmotion");
    auto ok = Menu->AddQuick("OK", "");
    ok->OKButton = 1;
    ok->MoveTo(438, 525);
    Menu->AddQuick("credits", "")->MoveTo(239, 525);
    Menu->OwnerStops = 2;
    Menu->FindButton("fullscreen")->MoveTo(SwitchX, FullScreenY);
    Menu->FindButton("colorblind")->MoveTo(SwitchX, ColourBlindY);
    Menu->FindButton("reducedmotion")->MoveTo(SwitchX, ReducedMotionY);
    LoadLanguageButton();

    MSCSlider = TSlider::CreateSpecial("slider", "sliderdot", 419, MusicY + SliderDrop,
                                       SliderBorder, "music", SliderBorderY);
    MSCSlider->SetShadow(1, 6, 6, 0.8f);
    MSCSlider->SetValue(Host.Audio.Volume(TBus::Music));
    SFXSlider = TSlider::CreateSpecial("slider", "sliderdot", 419, SoundY + SliderDrop,
                                       SliderBorder, "sound", SliderBorderY);
    SFXSlider->SetShadow(1, 3, 3, 0.4f);
    SFXSlider->SetValue(Host.Presentation.SoundVolume);
    SFXChannelClick = media::AllocChannel();
    Host.Presentation.FadeMusic = false;
}

void TOptionsScreen::Start() {
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TOptionsScreen::Kill() {
    TScreen::Kill();
    SFXSlider.reset();
    MSCSlider.reset();
    SFXChannelClick.reset();
}

TScreen* TOptionsScreen::TakeDestination() {
    return Host.Screens.PopReturn(TitleScreen);
}

void TOptionsScreen::SaveOptions() {
    if (!SFXSlider || !MSCSlider) return;
    Host.Audio.SetVolume(TBus::Sound, SFXSlider->Value, 0);
    if (MSCSlider->Value != Host.Audio.Volume(TBus::Music)) {
        Host.Audio.SetVolume(TBus::Music, MSCSlider->Value, 1);
    } else {
        // Unchanged: a celebration's quieter music plays on, and the file keeps the player's.
        Host.Settings.IniUpdate(1);
        Host.Timing.Init();
    }
    if (Host.Session.Profile) Host.Session.Profile->Save();
}

void TOptionsScreen::Logic() {
    TScreen::Logic();
    if (!Menu || !SFXSlider || !MSCSlider || Host.Screens.Fading()) return;

    // The sliders come first in the keys' cycle, music above sound.
    MSCSlider->KeyFocus = Menu->OwnerFocus == 0 ? 1 : 0;
    SFXSlider->KeyFocus = Menu->OwnerFocus == 1 ? 1 : 0;
    const int sound = SFXSlider->Value;
    SFXSlider->Manage();
    SFXSlider->ManageKeys();
    if (SFXSlider->Value != sound) {
        Host.Audio.SetVolume(TBus::Sound, SFXSlider->Value, 0);
        const auto ok = Menu->FindButton("OK");
        if (ok && ok->SoundClick && !media::Playing(SFXChannelClick)) {
            ok->SoundClick->PlayInChannel(SFXChannelClick, 0);
        }
    }
    const int music = MSCSlider->Value;
    MSCSlider->Manage();
    MSCSlider->ManageKeys();
    if (MSCSlider->Value != music) Host.Audio.SetVolume(TBus::Music, MSCSlider->Value, 0);

    if (Menu->Clicked("fullscreen")) {
        Host.Display.ToggleFullScreen();
        ReloadToggleButton(Host.Settings.FullScreen, "fullscreen");
    } else if (Menu->Clicked("colorblind")) {
        if (Player != nullptr) {
            Player->SaveData.colorblind = Player->SaveData.colorblind != 0 ? 0 : 1;
        }
        ReloadToggleButton(ColourBlind(), "colorblind");
    } else if (Menu->Clicked("reducedmotion")) {
        ToggleReducedMotion();
    } else if (Menu->Clicked("language")) {
        Host.Language.ChooseNext();
        ShowLanguage();
    } else if (Menu->Clicked("credits")) {
        if (CreditsScreen != nullptr) Host.Screens.FadeTo(CreditsScreen);
    } else if (Menu->Clicked("OK")) {
        SaveOptions();
        Host.Screens.FadeTo(TakeDestination());
    }
}

void TOptionsScreen::ToggleReducedMotion() {
    TPreferences& preferences = Host.Preferences;
    preferences.ReducedMotion = !preferences.ReducedMotion;
    Host.Presentation.ReducedMotion = preferences.ReducedMotion;
    // A save that fails is logged by the preferences; the choice holds for this run.
    (void)preferences.Save();
    ReloadToggleButton(preferences.ReducedMotion ? 1 : 0, "reducedmotion");
}

int TOptionsScreen::SetEscDestination(TScreen*& destination) {
    SaveOptions();
    if (TScreen* next = TakeDestination()) destination = next;
    return 0;
}

void TOptionsScreen::Draw() {
    TScreen::Draw();
    if (MSCSlider) DrawWithShadow(*MSCSlider, MSCSlider->Shadow.X, MSCSlider->Shadow.Alpha);
    if (SFXSlider) DrawWithShadow(*SFXSlider, SFXSlider->Shadow.X, SFXSlider->Shadow.Alpha);
    const auto& font = Resources.FontLarge;
    if (!font) return;
    media::SetBlend(media::ALPHABLEND);
    TShadow::Create(3, 3, 0.4f).ApplyToText();
    media::SetColor(255, 255, 100);
    font->DrawAlignedWithShadow(Tr("Game Options"), ScreenWidth / 2, 30, 1, 1, 1);
    // The labels end before the sliders, and before the switches further right.
    {
        const TTextBoundsScope beforeSliders({0, 0, SliderX - 6, ScreenHeight});
        font->DrawAlignedWithShadow(Tr("Music Volume"), LabelX, MusicY, 0, 1, 1);
        font->DrawAlignedWithShadow(Tr("Sound Volume"), LabelX, SoundY, 0, 1, 1);
    }
    const TTextBoundsScope beforeSwitches({0, 0, SwitchX - 6, ScreenHeight});
    font->DrawAlignedWithShadow(Tr("Full Screen Mode"), LabelX, FullScreenY, 0, 1, 1);
    font->DrawAlignedWithShadow(Tr("Color Blind Mode"), LabelX, ColourBlindY, 0, 1, 1);
    font->DrawAlignedWithShadow(Tr("Reduced Motion"), LabelX, ReducedMotionY, 0, 1, 1);
    font->DrawAlignedWithShadow(Tr("Language"), LabelX, LanguageY, 0, 1, 1);
    media::SetColor(255, 255, 255);
}

void TOptionsScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    JsonObject options;
    options.Set("FullScreen", Host.Settings.FullScreen);
    options.Set("ColorBlind", ColourBlind());
    options.Set("ReducedMotion", Host.Preferences.ReducedMotion ? 1 : 0);
    options.Set("MusicVolume", Host.Audio.Volume(TBus::Music));
    options.Set("SoundVolume", Host.Presentation.SoundVolume);
    options.Set("Language", Host.Language.Current);
    state.Set("Options", options);
    JsonObject sliders;
    // The slider the keys move, "" for none.
    sliders.Set("KeyFocus", MSCSlider && MSCSlider->KeyFocus   ? "music"
                            : SFXSlider && SFXSlider->KeyFocus ? "sound"
                                                               : "");
    if (MSCSlider) sliders.Set("music", SliderJson(*MSCSlider));
    if (SFXSlider) sliders.Set("sound", SliderJson(*SFXSlider));
    state.Set("Sliders", sliders);
}
