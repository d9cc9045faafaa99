#include "screens/TLevelStatsScreen.h"

#include <string>
#include <vector>

#include "host/JsonObject.h"
#include "host/TDataPaths.h"
#include "host/TFixedRateLogic.h"
#include "host/TPlayerSession.h"
#include "host/TScreenSwitcher.h"
#include "presentation/TDialogStack.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "screens/GameDialogs.h"
#include "screens/TimeText.h"
#include "store/TSaveBest.h"
#include "system/LocalNumber.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr int RowGap = 25;
constexpr int FirstRowBelowStart = 13;
constexpr int HeadsAboveStart = 32;
constexpr float LevelHeadX = 50;
constexpr float ScoreHeadX = 280;
constexpr float TimeHeadX = 602;
constexpr float RowScale = 0.8f;

std::string BestTime(const TBestResults& best, int level, float stepMs) {
    return TicksAsTime(best.BestLevelTimes[level], stepMs);
}

}  // namespace

void TLevelStatsScreen::Load() {
    ImageLoad("background.png", -1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    Menu->SetShadow(1, 3, 3, 0.4f);
    auto ok = Menu->AddQuick("OK", "");
    ok->OKButton = 1;
    ok->MoveTo(619, 525);
    Menu->AddQuick("clear", "")->MoveTo(60, 525);
    Host.Presentation.FadeMusic = false;
    Host.Session.Best.emplace(TSaveBest::Create(Host.Paths.SubPath));
}

void TLevelStatsScreen::Start() {
    TScreen::Start();
    Host.Screens.FadeIn(1);
}

void TLevelStatsScreen::ClearLevelStats() {
    std::optional<TSaveBest>& best = Host.Session.Best;
    if (!best) return;
    best->DefaultBest();
    best->Save();
}

void TLevelStatsScreen::Logic() {
    TScreen::Logic();
    if (!Menu || Host.Screens.Fading()) return;
    if (Menu->Clicked("OK")) {
        if (HighScoresScreen != nullptr) Host.Screens.FadeTo(HighScoresScreen);
    } else if (Menu->Clicked("clear")) {
        Host.Dialogs.Open(
            CreateQuestionDialog(Host, Resources,
                                 Tr("Are You Sure You Want To Clear The Level Stats?")),
            [this](TDialog&, int result) {
                if (result == 1) ClearLevelStats();
                if (Menu) Menu->ClearStates();
            });
    }
}

int TLevelStatsScreen::SetEscDestination(TScreen*& destination) {
    if (HighScoresScreen != nullptr) destination = HighScoresScreen;
    return 0;
}

void TLevelStatsScreen::Draw() {
    DrawBackground();
    const auto& font = Resources.FontMedium;
    if (!font) return;
    TShadow::Create(3, 3, 0.4f).ApplyToText();
    media::SetColor(255, 255, 255);
    font->DrawAlignedWithShadow(Tr("Level Statistics"), ScreenWidth / 2, 30, 1, 1, 1);

    const auto headY = static_cast<float>(StartY - HeadsAboveStart);
    media::SetColor(0, 255, 0);
    font->DrawAlignedWithShadow(Tr("Level"), LevelHeadX, headY, 0, 1, 1);
    font->DrawAlignedWithShadow(Tr("----- Best Score -----"), ScoreHeadX, headY, 1, 1, 1);
    font->DrawAlignedWithShadow(Tr("----- Best Time -----"), TimeHeadX, headY, 1, 1, 1);

    if (Host.Session.Best) DrawRows(*font, Host.Session.Best->Results);
    media::SetColor(255, 255, 255);
    if (Menu) Menu->Draw(0, 0);
}

void TLevelStatsScreen::DrawRows(TBitmapFont& font, const TBestResults& best) const {
    media::SetColor(255, 255, 0);
    media::SetDrawScale(RowScale, RowScale);
    auto y = static_cast<float>(StartY + FirstRowBelowStart);
    for (int level = 0; level < LevelCount; ++level) {
        font.DrawAlignedWithShadow(std::to_string(level + 1), static_cast<float>(col1), y, 1, 0, 0);
        font.DrawAlignedWithShadow(best.BestLevelScoreNames[level], static_cast<float>(col2), y, 0,
                                   0, 0);
        font.DrawAlignedWithShadow(LocalNumber(best.BestLevelScores[level]),
                                   static_cast<float>(col3), y, 0, 0, 0);
        font.DrawAlignedWithShadow(best.BestLevelTimeNames[level], static_cast<float>(col4), y, 0,
                                   0, 0);
        font.DrawAlignedWithShadow(BestTime(best, level, Host.Timing.MS), static_cast<float>(col5),
                                   y, 0, 0, 0);
        y += RowGap;
    }
    media::SetDrawScale(1, 1);
}

void TLevelStatsScreen::AddState(JsonObject& state) const {
    TScreen::AddState(state);
    if (!Host.Session.Best) return;
    const TBestResults& best = Host.Session.Best->Results;
    std::vector<JsonObject> rows;
    for (int level = 0; level < LevelCount; ++level) {
        JsonObject row;
        row.Set("level", level + 1);
        row.Set("scoreName", best.BestLevelScoreNames[level]);
        row.Set("score", best.BestLevelScores[level]);
        row.Set("timeName", best.BestLevelTimeNames[level]);
        row.Set("time", BestTime(best, level, Host.Timing.MS));
        rows.push_back(row);
    }
    state.Set("Rows", rows);
}
