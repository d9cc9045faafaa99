#include "screens/TTitleScreen.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <system_error>
#include <utility>

#include "host/JsonObject.h"
#include "host/TAudioBuses.h"
#include "host/TDataPaths.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TLoadingScreen.h"
#include "host/TMainLoop.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "host/TSettings.h"
#include "presentation/TDialogStack.h"
#include "presentation/TLabel.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "screens/GameDialogs.h"
#include "screens/GameTexts.h"
#include "screens/PlayerSelect.h"
#include "store/ProfileNames.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/CheckedLoaders.h"
#include "system/ReportError.h"
#include "system/Translate.h"

namespace {

// The ring turns by this many degrees a step.
constexpr float RingSpeed = 0.25f;
// It is drawn anew once it has turned this far since it was last drawn, every sixth step (the
// loop sleeps between) or, where frames keep a 60 Hz display's beat, every other frame: its
// pieces step some five pixels 30 times a second, which the eye follows as a steady turn.
constexpr float RingDrawStep = 1.5f;
// Where it turns, and the pieces on it: how many, how far from its centre, and their pictures.
constexpr float RingX = 239, RingY = 300;
constexpr int RingPieceCount = 18;
constexpr float RingRadius = 172;
// A cell of the pieces' picture, the piece's centre in it, and how many cells it has.
constexpr int RingPieceSize = 52;
constexpr float RingPieceCentre = 24;
constexpr int RingPieceFrames = 12;
constexpr int RainbowPiece = 11;
// A click on the ring, inside this rectangle, turns it the other way.
constexpr int RingLeft = 40, RingRight = 438, RingTop = 105, RingBottom = 500;
// The menu's column on the right of the picture.
constexpr float MenuLeft = 500, MenuTop = 108;
constexpr float NarrowButtonX = 504;

}  // namespace

TTitleScreen::TTitleScreen(const THost& host, const TResources& resources)
    : TScreen(host), Resources(resources) {
    name = "title";
}

TTitleScreen::~TTitleScreen() = default;

void TTitleScreen::Preload() {
    Host.Audio.MusicLoad("title.ogg", 1);
    LoadPictures();
    PromptForName();
    Preloaded = true;
}

void TTitleScreen::Load() {
    // Start-up loaded the title behind the loading screen; leaving that screen must not again.
    if (std::exchange(Preloaded, false)) return;
    LoadPictures();
}

void TTitleScreen::LoadPictures() {
    ImageLoad("titleb.png", -1);
    GBRing = LoadImageChecked(Host.Presentation.ImagePath + "Ring.png", -1);
    if (GBRing) media::MidHandleImage(GBRing);
    RingPieces = LoadAnimImageChecked(Host.Presentation.ImagePath + "ringpieces.png", RingPieceSize,
                                      RingPieceSize, 0, RingPieceFrames, -1);
    if (RingPieces) media::SetImageHandle(RingPieces, RingPieceCentre, RingPieceCentre);
    RotDirect = 0;
    GBRingRot = 0;
    ShownRot = 0;

    Menu = TMenu::Create("buttonMO", "buttonclick", 0, MenuTop, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    // Without a hover picture: the button's own picture is drawn alone.
    Menu->AddNew("changeplayer", "", "", 0, 0, 1);
    // A screen not wired in (yet) leaves its button out of the column.
    if (LevelSelectScreen) Menu->AddQuick("playgame", "")->OKButton = 1;
    if (OptionsScreen) Menu->AddQuick("options", "");
    if (InstructionsScreen) Menu->AddQuick("instructions", "");
    if (HighScoresScreen) Menu->AddQuick("highscores", "");
    Menu->AddQuick("exitgame", "");
    Menu->AddQuick("moregames", "");
    Menu->SetY(MenuTop);
    Menu->SetX(MenuLeft);
    // The two narrower buttons line up with the others' pictures rather than their edges.
    Menu->FindButton("changeplayer")->MoveTo(NarrowButtonX, MenuTop);
    const auto moreGames = Menu->FindButton("moregames");
    moreGames->MoveTo(NarrowButtonX, moreGames->y);

    Host.Presentation.FadeMusic = true;
}

void TTitleScreen::PromptForName() {
    const std::string& folder = Host.Paths.ProfilePath;
    std::error_code error;
    std::filesystem::directory_iterator readable(folder, error);
    if (error) {
        ReportError("Failed to read directory '" + folder + "'", true);
        return;
    }
    // A player named on the command line is already current.
    if (Host.Session.Profile || Player == nullptr) return;
    const std::string playerName = StartupProfileName(Host.Session.Name(), folder);
    if (playerName.empty()) {
        SetupPrompt();
        return;
    }
    // The remembered player is gone or was never a safe name: the one chosen instead is
    // remembered from now on.
    Host.Session.Choose(SelectPlayer(playerName, folder, Player->SaveData), playerName);
}

void TTitleScreen::SetupPrompt() {
    EnterName = CreateNameDialog(Host, Resources, 0);
}

void TTitleScreen::Start() {
    media::MoveMouse(608, 180);
    Host.Display.Mouse().x = 608;
    Host.Display.Mouse().y = 180;
    TScreen::Start();
    if (EnterName) {
        Host.Dialogs.Open(std::move(EnterName), [this](TDialog& dialog, int result) {
            // Escape leaves the game without a player until one is made or chosen.
            if (result != 1 || Player == nullptr) return;
            MakePlayerCurrent(Host, static_cast<TDialogTextInput&>(dialog).TextInput.Text,
                              Player->SaveData);
            SetupWelcome();
        });
    } else {
        SetupWelcome();
    }
    Host.Screens.FadeIn(1);
}

void TTitleScreen::SetupWelcome() {
    if (!Host.Session.Profile) {
        Welcome.reset();
        return;
    }
    Welcome =
        TLabel::CreateSpecial(TrFill("Welcome, %1", {Host.Session.Profile->Name}), 400, 21, 1, 0);
    Welcome->Init({}, Welcome->Color, TShadow::Create(1, 1, 0.6f), 0, Resources.FontLarge,
                  std::nullopt, "");
}

void TTitleScreen::TurnRing() {
    if (Host.Presentation.ReducedMotion) return;
    const float delta = Host.Presentation.Delta;
    GBRingRot += RotDirect == 1 ? -RingSpeed * delta : RingSpeed * delta;
    if (GBRingRot > 360) GBRingRot = 0;
    if (GBRingRot < 0) GBRingRot += 360;
}

int TTitleScreen::StepsUntilChange() const {
    if (Host.Presentation.ReducedMotion || !GBRing || (Menu && !Menu->Settled())) return 0;
    const float turned = std::fabs(GBRingRot - ShownRot);
    const float left = RingDrawStep - std::min(turned, 360 - turned);
    return StepsLeft(left / RingSpeed);
}

void TTitleScreen::Logic() {
    TurnRing();
    TScreen::Logic();
    if (!Menu) return;
    const TMousePointer& mouse = Host.Display.Mouse();
    if (mouse.h1 != 0 && mouse.x >= RingLeft && mouse.x <= RingRight && mouse.y >= RingTop &&
        mouse.y <= RingBottom) {
        RotDirect = 1 - RotDirect;
    }
    if (Menu->Clicked("changeplayer")) {
        ShowPlayerManager();
    } else if (Menu->Clicked("playgame")) {
        GameStart();
        Host.Screens.FadeTo(LevelSelectScreen);
    } else if (Menu->Clicked("options")) {
        Host.Screens.FadeTo(OptionsScreen);
    } else if (Menu->Clicked("instructions")) {
        Host.Screens.FadeTo(InstructionsScreen);
    } else if (Menu->Clicked("highscores")) {
        Host.Screens.FadeTo(HighScoresScreen);
    } else if (Menu->Clicked("exitgame")) {
        Host.Screens.FadeTo(Host.Screens.ExitScreen());
    } else if (Menu->Clicked("moregames")) {
        Host.Dialogs.Open(CreateDialogLaunchWeb(Tr(game_texts::WebQuestion)),
                          [this](TDialog&, int result) {
                              if (result == 1) LaunchWeb();
                          });
        Host.Timing.Init();
    }
}

std::unique_ptr<TDialogYesNo> TTitleScreen::CreateDialogLaunchWeb(const std::string& text) {
    return CreateWebQuestionDialog(Host, Resources, text);
}

void TTitleScreen::LaunchWeb() {
    // A browser cannot come up over a full-screen game.
    if (Host.Settings.FullScreen) Host.Display.ToggleFullScreen();
    if (!media::OpenURL(game_texts::WebAddress)) {
        Host.Dialogs.Open(CreateMessageDialog(Host, Resources, Tr(game_texts::NoWebBrowser)));
    }
    Host.Timing.Init();
}

void TTitleScreen::ShowPlayerManager() {
    if (Player == nullptr) return;
    Host.Dialogs.Open(CreatePlayerManager(Host, Resources, Player->SaveData),
                      [this](TDialog&, int) { SetupWelcome(); });
    Host.Timing.Init();
}

void TTitleScreen::DrawRing() const {
    if (!GBRing) return;
    // The band (with its shadow) looks the same at every turn, so only its pieces move:
    // upright, as lit from above, on the canvas's finest pixels (turning a picture every frame
    // costs several times more).
    media::DrawImageFrame(GBRing, RingX, RingY, 0);
    if (!RingPieces) return;
    const float fine = static_cast<float>(media::CanvasScale());
    for (int i = 0; i < RingPieceCount; ++i) {
        const float angle = (static_cast<float>(i) * 360.0f / RingPieceCount - 90.0f + ShownRot) *
                            std::numbers::pi_v<float> / 180.0f;
        const float x = std::round((RingX + RingRadius * std::cos(angle)) * fine) / fine;
        const float y = std::round((RingY + RingRadius * std::sin(angle)) * fine) / fine;
        media::DrawImageFrame(RingPieces, x, y, i % 9 == 8 ? RainbowPiece : 2 + (i * 4) % 9);
    }
}

void TTitleScreen::Draw() {
    const float turned = std::fabs(GBRingRot - ShownRot);
    if (std::min(turned, 360 - turned) >= RingDrawStep) ShownRot = GBRingRot;
    media::SetBlend(media::ALPHABLEND);
    if (Image) media::DrawImageFrame(Image, 0, 0, 0);
    DrawRing();
    if (Resources.FontMedium) {
        TShadow::Create(1, 1, 0.6f).ApplyToText();
        Resources.FontMedium->DrawAlignedWithShadow(game_texts::Version, 308, 360, 1, 1, 1);
        Resources.FontMedium->DrawAlignedWithShadow(game_texts::CopyrightLine, 400, 536, 1, 1, 1);
    }
    // A dialog hides the greeting and the buttons it would otherwise share the screen with.
    if (Host.Loop.DialogOpen()) return;
    DrawWelcome();
    if (Menu) Menu->Draw(0, 0);
}

void TTitleScreen::DrawWelcome() const {
    if (Welcome) Welcome->Draw(0, 0, 1);
}

void TTitleScreen::Kill() {
    TScreen::Kill();
    GBRing.reset();
    RingPieces.reset();
    EnterName.reset();
    Welcome.reset();
}

void TTitleScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("Welcome", Welcome ? Welcome->Text : std::string());
    state.Set("GBRingRot", static_cast<double>(GBRingRot));
    state.Set("RotDirect", RotDirect);
}
