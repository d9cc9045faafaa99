#include "screens/TLevelSelectScreen.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game/LevelTables.h"
#include "game/TPlayEffects.h"
#include "host/JsonObject.h"
#include "host/TDisplay.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "presentation/TextLog.h"
#include "store/Progress.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/InputHelpers.h"
#include "system/StringHelpers.h"
#include "system/Translate.h"

namespace {

constexpr int KeyEnter = 13;
constexpr int KeySpace = 32;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;

// Dot centres of levels 1 to 15 along the spiral.
constexpr std::array<TAccuratePoint, LevelCount> SpiralDots = {{{332, 294},
                                                                {422, 240},
                                                                {280, 186},
                                                                {194, 299},
                                                                {290, 424},
                                                                {454, 416},
                                                                {548, 286},
                                                                {496, 138},
                                                                {340, 74},
                                                                {176, 114},
                                                                {80, 238},
                                                                {100, 410},
                                                                {224, 512},
                                                                {394, 532},
                                                                {556, 462}}};

// Frames of the piece strip.
constexpr int ShadowFrame = 1;
constexpr int CurrentFrame = 3;
constexpr int LockedFrame = 4;
constexpr int OpenFrame = 7;

// The small machine: its surface rises by one level's share of the full height per level.
constexpr float FillPerLevel = 9.8f;
constexpr float MachineCentreX = 680;
constexpr float MachineSurfaceY = 306;
constexpr float GlassX = 594, GlassY = 159;
constexpr float GlassWidth = 171;

constexpr const char* BackButton = "back";
constexpr const char* TutorialToggle = "tutorial";
constexpr const char* ClassicButton = "classic";
// Below the small machine and its caption, clear of the spiral and the tutorial switch.
constexpr float ClassicX = 572, ClassicY = 530;

}  // namespace

void TLevelSelectScreen::Load() {
    ImageLoad("levelselect.png", -1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    // The arrows walk the levels; Tab walks the buttons.
    Menu->ArrowKeys = 0;
    Menu->AddQuick(BackButton, "")->MoveTo(30, 520);
    if (ClassicScreen != nullptr) Menu->AddQuick(ClassicButton, "")->MoveTo(ClassicX, ClassicY);
    // The toggle appears once the player has started a level: the first start is the tutorial.
    if (Player != nullptr && Player->SaveData.FirstTime == 0) {
        LoadToggle(Player->SaveData.Tutorial, TutorialToggle);
    }
    Error = Resources.SoundBank.Find("error");
    FillCoords();
    const TImageBank& images = Resources.ImageBank;
    MOIndicator = images.Find("moi");
    CurrentLevel = images.Find("machine");
    PadLock = images.Find("padlock");
    LSEmpty = images.Find("lsempty");
    Bubble = images.Find("particle1");
    Dots = images.Find(ColourBlind() ? "zindlesCB" : "zindles");
    NextPieces = images.Find(ColourBlind() ? "nextCB" : "next");
    Glow.Init(0, 180, 1);
    Angle = ShownAngle = 0;
    ShownGlow = Glow.ratio;
    SurfaceCounter = Unshown = SurfaceUnmoved = 0;
    PicturesUnmoved = 0;
    Host.Presentation.FadeMusic = false;
}

void TLevelSelectScreen::FillCoords() {
    Coords = SpiralDots;
}

void TLevelSelectScreen::LoadToggle(int value, const std::string& buttonName) {
    const std::string picture = value != 0 ? "on2" : "off2";
    Menu->AddNew(picture, picture + "MO", buttonName, 0, 0, 1)->MoveTo(734, 537);
}

void TLevelSelectScreen::ReloadToggleButton(TButton& button, int value,
                                            const std::string& buttonName) const {
    const std::string picture = value != 0 ? "on2" : "off2";
    button.LoadImages(picture, picture + "MO", 0, 0, 1);
    button.name = UpperCase(buttonName);
    button.SoundMouseOver = Menu->SoundMouseOver;
    button.SoundClick = Menu->SoundClick;
}

void TLevelSelectScreen::Start() {
    if (Player != nullptr) {
        const TAccuratePoint& dot = Coords[static_cast<size_t>(ClampLevel(Player->Level) - 1)];
        Host.Display.Mouse().x = static_cast<int>(dot.x);
        Host.Display.Mouse().y = static_cast<int>(dot.y);
        media::MoveMouse(Host.Display.Mouse().x, Host.Display.Mouse().y);
    }
    KeyLevel = 0;
    Resources.SurfaceParticles.KillAll();
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TLevelSelectScreen::Kill() {
    TScreen::Kill();
    Resources.SurfaceParticles.KillAll();
    for (auto* image :
         {&MOIndicator, &CurrentLevel, &PadLock, &LSEmpty, &Bubble, &Dots, &NextPieces}) {
        image->reset();
    }
    Error.reset();
}

float TLevelSelectScreen::ProgressFill() const {
    const int level = Player != nullptr ? ClampLevel(Player->Level) : 1;
    return static_cast<float>(level - 1) * FillPerLevel;
}

bool TLevelSelectScreen::ColourBlind() const {
    return Player != nullptr && Player->SaveData.colorblind != 0;
}

int TLevelSelectScreen::DotAt(float x, float y) const {
    const auto half = static_cast<float>(HalfDot);
    for (size_t i = 0; i < Coords.size(); ++i) {
        const TAccuratePoint& dot = Coords[i];
        if (x >= dot.x - half && x < dot.x + half && y >= dot.y - half && y < dot.y + half) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TLevelSelectScreen::Logic() {
    TScreen::Logic();
    const float delta = PresentationContext().Delta;
    SurfaceCounter += delta;
    if (SurfaceCounter >= TPlayEffects::SurfaceEvery) {
        SurfaceCounter = 0;
        TPlayEffects::SurfaceBubble(Resources.SurfaceParticles, Bubble, MachineCentreX,
                                    MachineSurfaceY, ProgressFill())
            ->Hidden = 1;
    }
    Glow.Manage();
    Angle += 0.5f * delta;
    if (Angle >= 360) Angle -= 360;
    ShowPicture(delta);

    const TMousePointer& mouse = Host.Display.Mouse();
    MOIndex = DotAt(static_cast<float>(mouse.x), static_cast<float>(mouse.y));
    // The pointer shown again, or a button highlighted by Tab, takes over from the keys' level.
    if (!mouse.Hidden || Menu->KeyFocus >= 0) KeyLevel = 0;
    if (Host.Screens.Fading() || Player == nullptr) return;
    const int unlocked = std::min(Player->Unlocked, LevelCount);
    MoveKeyLevel(unlocked);
    if (KeyLevel > 0) MOIndex = KeyLevel - 1;
    if (MOIndex >= 0 && Host.Display.Mouse().h1 > 0) {
        if (MOIndex + 1 > unlocked) {
            if (Error) Error->PlayEffect();
        } else {
            LevelSelected(MOIndex + 1);
            return;
        }
    }
    if (KeyHitChecked(KeySpace) || KeyHitChecked(KeyEnter)) {
        LevelSelected(KeyLevel > 0 ? KeyLevel : unlocked);
        return;
    }
    if (Menu->Clicked(TutorialToggle)) {
        TSaveData& flags = Player->SaveData;
        flags.Tutorial = flags.Tutorial != 0 ? 0 : 1;
        if (const auto toggle = Menu->FindButton(TutorialToggle)) {
            ReloadToggleButton(*toggle, flags.Tutorial, TutorialToggle);
        }
        if (Host.Session.Profile) Host.Session.Profile->Save();
    }
    if (Menu->Clicked(BackButton)) Host.Screens.FadeTo(TitleScreen);
    if (Menu->Clicked(ClassicButton)) Host.Screens.FadeTo(ClassicScreen);
}

void TLevelSelectScreen::ShowPicture(float delta) {
    Unshown += delta;
    SurfaceUnmoved += delta;
    if (Unshown < PictureSteps) return;
    Unshown = 0;
    ShownAngle = Angle;
    ShownGlow = Glow.ratio;
    if (++PicturesUnmoved < SurfacePictures) return;
    PicturesUnmoved = 0;
    TPlayEffects::MoveSurfaceBy(Resources.SurfaceParticles, SurfaceUnmoved);
    SurfaceUnmoved = 0;
}

int TLevelSelectScreen::StepsUntilChange() const {
    if (Menu && !Menu->Settled()) return 0;
    return StepsLeft(PictureSteps - Unshown);
}

void TLevelSelectScreen::MoveKeyLevel(int unlocked) {
    int step = 0;
    for (const int key : {KeyRight, KeyUp}) {
        if (KeyHitChecked(key)) step = 1;
    }
    for (const int key : {KeyLeft, KeyDown}) {
        if (KeyHitChecked(key)) step = -1;
    }
    if (step == 0 || unlocked < 1) return;
    const int from = KeyLevel > 0 ? KeyLevel : unlocked;
    const int next = std::clamp(KeyLevel > 0 || step < 0 ? from + step : from, 1, unlocked);
    Menu->KeyFocus = -1;
    if (next != KeyLevel && Menu->SoundMouseOver) Menu->SoundMouseOver->PlayEffect();
    KeyLevel = next;
}

void TLevelSelectScreen::LevelSelected(int level) {
    if (!ProgressLevelChosen(*Player, Host.Session.Profile.get(), level)) return;
    ClickedIndex = level - 1;
    Host.Screens.FadeTo(PlayScreen);
}

int TLevelSelectScreen::SetEscDestination(TScreen*& destination) {
    if (TitleScreen != nullptr) destination = TitleScreen;
    return 0;
}

void TLevelSelectScreen::Draw() {
    DrawBackground();
    DrawSmallMachine();
    for (int i = 0; i < LevelCount; ++i) DrawDot(i);
    if (Resources.FontMedium) {
        // Under the machine's panel, as wide as it.
        const TTextBoundsScope underMachine({580, 436, 200, 60});
        TShadow::Create(2, 2, 0.5f).ApplyToText();
        Resources.FontMedium->DrawAlignedWithShadow(Tr("Your Progress"), 680, 452, 1, 1, 1);
    }
    if (Player != nullptr && Player->SaveData.FirstTime == 0 && Resources.FontLarge) {
        TShadow::Create(2, 2, 0.5f).ApplyToText();
        media::SetDrawScale(0.65f, 0.65f);
        Resources.FontLarge->DrawAlignedWithShadow(Tr("Level One Tutorial"), 535, 535, 0, 1, 1);
        media::SetDrawScale(1, 1);
    }
    if (Menu) Menu->Draw(0, 0);
}

void TLevelSelectScreen::DrawSmallMachine() const {
    // The empty glass covers the full machine of the background down to the surface.
    if (LSEmpty && LSEmpty->image) {
        const float empty = static_cast<float>(MachineFull) - ProgressFill();
        media::DrawImageArea(LSEmpty->image, GlassX, GlassY, 0, 0, GlassWidth, empty);
    }
    Resources.SurfaceParticles.Draw();
    if (NextPieces && NextPieces->image) {
        media::DrawImageFrame(NextPieces->image, 651, 384, 3);
        media::DrawImageFrame(NextPieces->image, 679, 384, 4);
        media::DrawImageFrame(NextPieces->image, 707, 384, 7);
    }
}

void TLevelSelectScreen::DrawDot(int index) const {
    if (!Dots || !Dots->image) return;
    const TAccuratePoint& dot = Coords[static_cast<size_t>(index)];
    const int level = index + 1;
    if (index == MOIndex) {
        if (MOIndicator && MOIndicator->image) {
            media::SetBlend(media::LIGHTBLEND);
            media::SetColor(255, 255, 255);
            media::SetAlpha(ShownGlow / 2);
            media::DrawImageFrame(MOIndicator->image, dot.x, dot.y, 0);
            media::SetAlpha(1);
            media::SetBlend(media::ALPHABLEND);
        }
        if (Resources.FontMedium) {
            const bool tutorial = index == 0 && Player != nullptr &&
                                  Player->SaveData.Tutorial == 1 && Player->Level == 1;
            TShadow::Create(2, 2, 0.5f).ApplyToText();
            Resources.FontMedium->DrawAlignedWithShadow(
                tutorial ? Tr("Tutorial") : TrFill("Level %1", {std::to_string(level)}), dot.x,
                dot.y - 60, 1, 1, 1);
        }
    }
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.5f);
    media::DrawImageFrame(Dots->image, dot.x + 4, dot.y + 4, ShadowFrame);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    const int unlocked = Player != nullptr ? Player->Unlocked : 1;
    if (level > unlocked) {
        media::DrawImageFrame(Dots->image, dot.x, dot.y, LockedFrame);
        if (PadLock && PadLock->image) {
            media::DrawImageFrame(PadLock->image, dot.x + 15, dot.y + 15, 0);
        }
    } else {
        media::DrawImageFrame(Dots->image, dot.x, dot.y, OpenFrame);
    }
    if (Player != nullptr && level == Player->Level) {
        media::DrawImageFrame(Dots->image, dot.x, dot.y, CurrentFrame);
        if (CurrentLevel && CurrentLevel->image) {
            media::SetDrawRotation(ShownAngle);
            media::DrawImageFrame(CurrentLevel->image, dot.x, dot.y, 0);
            media::SetDrawRotation(0);
        }
    }
}

void TLevelSelectScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    const int unlocked = Player != nullptr ? std::min(Player->Unlocked, LevelCount) : 1;
    state.Set("Unlocked", unlocked);
    state.Set("Level", Player != nullptr ? Player->Level : 1);
    state.Set("MOIndex", MOIndex);
    state.Set("ClickedIndex", ClickedIndex);
    state.Set("KeyLevel", KeyLevel);
    state.Set("TutorialToggle", Menu && Menu->FindButton(TutorialToggle) ? 1 : 0);
    state.Set("Tutorial", Player != nullptr ? Player->SaveData.Tutorial : 0);
    // Each dot's square as a clickable rectangle [x, y, w, h].
    std::vector<JsonObject> dots;
    for (size_t i = 0; i < Coords.size(); ++i) {
        JsonObject dot;
        dot.Set("Level", static_cast<int>(i) + 1);
        dot.Set("rect", std::vector<int>{static_cast<int>(Coords[i].x) - HalfDot,
                                         static_cast<int>(Coords[i].y) - HalfDot, 2 * HalfDot,
                                         2 * HalfDot});
        dot.Set("Locked", static_cast<int>(i) + 1 > unlocked ? 1 : 0);
        dots.push_back(dot);
    }
    state.Set("Dots", dots);
}
