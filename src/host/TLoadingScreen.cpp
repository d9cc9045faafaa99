#include "host/TLoadingScreen.h"

#include <filesystem>

#include "host/JsonObject.h"
#include "host/TAudioBuses.h"
#include "host/TDisplay.h"
#include "host/TScreenSwitcher.h"
#include "host/WidgetStateJson.h"
#include "media/Platform.h"
#include "presentation/TButton.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"
#include "system/ScreenSize.h"

namespace {

// "loadingbar.png" with "empty." inserted: "loadingbar.empty.png".
std::string VariantName(const std::string& file, const std::string& variant) {
    const auto dot = file.rfind('.');
    if (dot == std::string::npos) return file + "." + variant;
    return file.substr(0, dot + 1) + variant + file.substr(dot);
}

media::Image LoadIfPresent(const std::string& path) {
    const std::string found = media::ResolvePath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(found, error)) return {};
    return LoadImageChecked(found, -1);
}

}  // namespace

void TLoadingScreen::SpecialLoad(const std::string& background, const std::string& barImage,
                                 const std::string& loadingText) {
    name = "loading";
    ImageLoad(background, -1);
    const std::string& folder = Host.Presentation.ImagePath;
    if (!barImage.empty()) {
        LoadingBar.Init(LoadImageChecked(folder + barImage, -1),
                        LoadIfPresent(folder + VariantName(barImage, "empty")),
                        LoadIfPresent(folder + VariantName(barImage, "final")));
    }
    LoadingTextImage = LoadImageChecked(InPlayersLanguage(folder + loadingText), -1);
    if (LoadingTextImage) media::MidHandleImage(LoadingTextImage);
    LoadingX = ScreenWidth / 2;
    LoadingY = ScreenHeight / 2;
    Finished = 0;
    Host.Audio.MusicNone();
}

void TLoadingScreen::Load() {
    LoadFunction();
}

void TLoadingScreen::Start() {
    TScreen::Start();
    Loaded();
}

void TLoadingScreen::MoveBar() {
    Progress();
    // A frame per step would hold the load up by a display refresh each; a few frames a second
    // keep the bar moving without slowing what it shows.
    constexpr int ShowEveryMs = 40;
    if (media::MilliSecs() - ShownAt >= ShowEveryMs) Show();
}

void TLoadingScreen::Show() {
    Draw();
    media::Flip(Host.Presentation.FlipSyncMode);
    ShownAt = media::MilliSecs();
}

void TLoadingScreen::SetSteps(int count) {
    LoadingBar.SetSteps(count);
}

void TLoadingScreen::Progress() {
    const int wasFinished = Finished;
    LoadingBar.Progress();
    Finished = LoadingBar.Finished;
    // Clicks made while the bar ran must not press the button that appears now.
    if (Finished && !wasFinished) ClearAllInput();
}

void TLoadingScreen::DrawLoading() const {
    if (!LoadingTextImage) return;
    media::DrawImageFrame(LoadingTextImage, static_cast<float>(LoadingX),
                          static_cast<float>(LoadingY), 0);
}

void TLoadingScreen::SetClickHereButton(const std::string& buttonName,
                                        const std::string& mouseOverName,
                                        const std::string& mouseOverSound,
                                        const std::string& clickSound, int py) {
    ClickHereButton = TButton::CreateSpecial(buttonName, mouseOverName, mouseOverSound, clickSound);
    ClickHereButton->CentreX(static_cast<float>(py));
    ClickHereButton->OKButton = 1;
}

void TLoadingScreen::Logic() {
    if (!ClickHereButton) {
        MoveOn();
        return;
    }
    if (!Finished || Host.Screens.Fading()) return;
    ClickHereButton->Manage();
    if (ClickHereButton->Clicked) {
        MoveOn();
        return;
    }
    // Anywhere else on the screen will do as well; it still sounds like a click.
    if (Host.Display.Mouse().GetMh(1) != 0) {
        ClickHereButton->PlayClick();
        MoveOn();
    }
}

void TLoadingScreen::MoveOn() {
    Host.Screens.FadeTo(Next);
}

void TLoadingScreen::Draw() {
    TScreen::Draw();
    if (!Finished) {
        LoadingBar.Draw();
        DrawLoading();
    } else if (ClickHereButton) {
        if (LoadingBar.FinalImage) LoadingBar.Draw();
        ClickHereButton->Draw();
    }
    CustomDrawFunction();
}

void TLoadingScreen::Kill() {
    TScreen::Kill();
    LoadingBar = TLoadingBar();
    LoadingTextImage.reset();
    if (ClickHereButton) ClickHereButton->Kill();
    ClickHereButton.reset();
    CustomKillFunction();
}

void TLoadingScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    state.Set("BarStep", LoadingBar.CurrentStep);
    state.Set("BarSteps", static_cast<int>(LoadingBar.Steps));
    state.Set("Finished", Finished);
    if (!ClickHereButton || !Finished) return;
    TButtonState button;
    button.Name = "CLICKHERE";
    if (ClickHereButton->image) button.Image = ClickHereButton->image->name;
    button.X = static_cast<int>(ClickHereButton->x);
    button.Y = static_cast<int>(ClickHereButton->y);
    button.W = ClickHereButton->w;
    button.H = ClickHereButton->h;
    button.Hover = ClickHereButton->MouseOver;
    state.Set("Buttons", ButtonsJson({button}));
}
