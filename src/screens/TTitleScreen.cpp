#include "screens/TTitleScreen.h"

#include <filesystem>
#include <system_error>

#include "host/JsonObject.h"
#include "host/TGame.h"
#include "host/TLoadingScreen.h"
#include "presentation/TDialogStack.h"
#include "presentation/TLabel.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TResources.h"
#include "screens/GameDialogs.h"
#include "screens/GameTexts.h"
#include "screens/PlayerSelect.h"
#include "store/ProfileNames.h"
#include "store/TPlayer.h"
#include "store/TProfile.h"
#include "system/CheckedLoaders.h"
#include "system/ReportError.h"

namespace {

// The ring turns by this many degrees a step.
constexpr float RingSpeed = 0.25f;
// A click on the ring, inside this rectangle, turns it the other way.
constexpr int RingLeft = 40, RingRight = 438, RingTop = 105, RingBottom = 500;
// The menu's column on the right of the picture.
constexpr float MenuLeft = 500, MenuTop = 108;
constexpr float NarrowButtonX = 504;

}  // namespace

TTitleScreen::TTitleScreen(const TResources& resources) : Resources(resources) {
    name = "title";
}

TTitleScreen::~TTitleScreen() = default;

void TTitleScreen::Load() {
    // Start-up loads the title behind the loading screen; leaving that screen must not again.
    if (Game->CurrentTScreen != nullptr && Game->CurrentTScreen == Game->LoadingScreen.get()) {
        return;
    }
    const bool veryFirst = Game->CurrentTScreen == nullptr;
    if (veryFirst) Game->MusicLoad("title.ogg", 1);
    ImageLoad("titleb.png", -1);
    GBRing = LoadImageChecked(Game->Presentation.ImagePath + "Ring.png", -1);
    if (GBRing) media::MidHandleImage(GBRing);
    RotDirect = 0;
    GBRingRot = 0;

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

    Game->Presentation.FadeMusic = true;
    if (veryFirst) PromptForName();
}

void TTitleScreen::PromptForName() {
    const std::string& folder = Game->ProfilePath;
    std::error_code error;
    std::filesystem::directory_iterator readable(folder, error);
    if (error) {
        ReportError("Failed to read directory '" + folder + "'", true);
        return;
    }
    // A player named on the command line is already current.
    if (Game->CurrentProfile || Player == nullptr) return;
    const std::string playerName = StartupProfileName(Game->ProfileName, folder);
    if (playerName.empty()) {
        SetupPrompt();
        return;
    }
    Game->CurrentProfile = SelectPlayer(playerName, folder, Player->SaveData);
    // The remembered player is gone or was never a safe name: the one chosen instead is
    // remembered from now on.
    if (Game->ProfileName != playerName) {
        Game->ProfileName = playerName;
        Game->IniUpdate(1);
    }
}

void TTitleScreen::SetupPrompt() {
    EnterName = CreateNameDialog(Resources, 0);
}

void TTitleScreen::Start() {
    media::MoveMouse(608, 180);
    Game->Mouse->x = 608;
    Game->Mouse->y = 180;
    TScreen::Start();
    if (EnterName) {
        Game->Dialogs->Open(std::move(EnterName), [this](TDialog& dialog, int result) {
            // Escape leaves the game without a player until one is made or chosen.
            if (result != 1 || Player == nullptr) return;
            MakePlayerCurrent(static_cast<TDialogTextInput&>(dialog).TextInput.Text,
                              Player->SaveData);
            SetupWelcome();
        });
    } else {
        SetupWelcome();
    }
    Game->FadeInScreen(1);
}

void TTitleScreen::SetupWelcome() {
    if (!Game->CurrentProfile) {
        Welcome.reset();
        return;
    }
    Welcome = TLabel::CreateSpecial("Welcome, " + Game->CurrentProfile->Name, 400, 21, 1, 0);
    Welcome->Init({}, Welcome->Color, TShadow::Create(1, 1, 0.6f), 0, Resources.FontLarge,
                  std::nullopt, "");
}

void TTitleScreen::TurnRing() {
    const float delta = Game->Presentation.Delta;
    GBRingRot += RotDirect == 1 ? -RingSpeed * delta : RingSpeed * delta;
    if (GBRingRot > 360) GBRingRot = 0;
    if (GBRingRot < 0) GBRingRot += 360;
}

void TTitleScreen::LogicUnderDialog() {
    TurnRing();
}

void TTitleScreen::Logic() {
    TurnRing();
    TScreen::Logic();
    if (!Menu) return;
    const TMousePointer& mouse = *Game->Mouse;
    if (mouse.h1 != 0 && mouse.x >= RingLeft && mouse.x <= RingRight && mouse.y >= RingTop &&
        mouse.y <= RingBottom) {
        RotDirect = 1 - RotDirect;
    }
    if (Menu->Clicked("changeplayer")) {
        ShowPlayerManager();
    } else if (Menu->Clicked("playgame")) {
        GameStart();
        Game->FadeToScreen(LevelSelectScreen);
    } else if (Menu->Clicked("options")) {
        Game->FadeToScreen(OptionsScreen);
    } else if (Menu->Clicked("instructions")) {
        Game->FadeToScreen(InstructionsScreen);
    } else if (Menu->Clicked("highscores")) {
        Game->FadeToScreen(HighScoresScreen);
    } else if (Menu->Clicked("exitgame")) {
        Game->FadeToScreen(Game->ExitScreen.get());
    } else if (Menu->Clicked("moregames")) {
        Game->Dialogs->Open(CreateDialogLaunchWeb(game_texts::WebQuestion),
                            [this](TDialog&, int result) {
                                if (result == 1) LaunchWeb();
                            });
        Game->FixedRateLogic.Init();
    }
}

std::unique_ptr<TDialogYesNo> TTitleScreen::CreateDialogLaunchWeb(const std::string& text) {
    return CreateWebQuestionDialog(Resources, text);
}

void TTitleScreen::LaunchWeb() {
    // A browser cannot come up over a full-screen game.
    if (Game->FullScreen) Game->ToggleFullScreen();
    if (!media::OpenURL(game_texts::WebAddress)) {
        Game->Dialogs->Open(CreateMessageDialog(Resources, game_texts::NoWebBrowser));
    }
    Game->FixedRateLogic.Init();
}

void TTitleScreen::ShowPlayerManager() {
    if (Player == nullptr) return;
    Game->Dialogs->Open(CreatePlayerManager(Resources, Player->SaveData),
                        [this](TDialog&, int) { SetupWelcome(); });
    Game->FixedRateLogic.Init();
}

void TTitleScreen::Draw() {
    media::SetBlend(media::ALPHABLEND);
    if (Image) media::DrawImageFrame(Image, 0, 0, 0);
    if (GBRing) {
        media::SetDrawRotation(GBRingRot);
        media::SetColor(0, 0, 0);
        media::SetAlpha(0.5f);
        media::DrawImageFrame(GBRing, 243, 304, 0);
        media::SetColor(255, 255, 255);
        media::SetAlpha(1);
        media::DrawImageFrame(GBRing, 239, 300, 0);
        media::SetDrawRotation(0);
    }
    if (Resources.FontMedium) {
        TShadow::Create(1, 1, 0.6f).ApplyToText();
        Resources.FontMedium->DrawAlignedWithShadow(game_texts::Version, 308, 360, 1, 1, 1);
        Resources.FontMedium->DrawAlignedWithShadow(game_texts::CopyrightLine, 400, 536, 1, 1, 1);
    }
    // A dialog hides the greeting and the buttons it would otherwise share the screen with.
    if (Game->DialogOpen()) return;
    DrawWelcome();
    if (Menu) Menu->Draw(0, 0);
}

void TTitleScreen::DrawWelcome() const {
    if (Welcome) Welcome->Draw(0, 0, 1);
}

void TTitleScreen::Kill() {
    TScreen::Kill();
    GBRing.reset();
    EnterName.reset();
    Welcome.reset();
}

void TTitleScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("Welcome", Welcome ? Welcome->Text : std::string());
    state.Set("GBRingRot", static_cast<double>(GBRingRot));
    state.Set("RotDirect", RotDirect);
}
