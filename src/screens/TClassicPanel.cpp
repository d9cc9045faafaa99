#include "screens/TClassicPanel.h"

#include <string>

#include "game/Cells.h"
#include "game/TClassicRecord.h"
#include "media/Media.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "system/LocalNumber.h"
#include "system/ScreenSize.h"
#include "system/Translate.h"

namespace {

constexpr float HudShadow = 3, HudShadowAlpha = 0.4f;
// The left panel, drawn over the machine and the token sockets of the level board's picture.
constexpr float PanelLeft = 15, PanelTop = 19, PanelWidth = 198, PanelHeight = 401;
constexpr int PanelBands = 40;
constexpr float PanelCentreX = 114;
// The right end of the score and moves values, inside their box.
constexpr float ValueRight = 190;
constexpr float FrameWidth = 4;

}  // namespace

void TClassicPanel::CellFrame(int x, int y, int red, int green, int blue) {
    const float left = static_cast<float>(BoardLeft + CellSize * x);
    const float top = static_cast<float>(BoardTop + CellSize * y);
    const float size = static_cast<float>(CellSize);
    media::SetColor(red, green, blue);
    media::DrawRect(left, top, size, FrameWidth);
    media::DrawRect(left, top + size - FrameWidth, size, FrameWidth);
    media::DrawRect(left, top + FrameWidth, FrameWidth, size - 2 * FrameWidth);
    media::DrawRect(left + size - FrameWidth, top + FrameWidth, FrameWidth, size - 2 * FrameWidth);
    media::SetColor(255, 255, 255);
}

void TClassicPanel::Draw(const TClassicRecord& record, const TResources& resources) {
    // The level board's panel shade, top to bottom, in bands.
    media::SetBlend(media::SOLIDBLEND);
    const float band = PanelHeight / PanelBands;
    for (int i = 0; i < PanelBands; ++i) {
        const float t = static_cast<float>(i) / PanelBands;
        media::SetColor(static_cast<int>(48 - 17 * t), static_cast<int>(34 - 14 * t),
                        static_cast<int>(94 - 26 * t));
        media::DrawRect(PanelLeft, PanelTop + band * static_cast<float>(i), PanelWidth, band + 1);
    }
    media::SetBlend(media::ALPHABLEND);
    // The window of the next three pieces.
    media::SetColor(12, 6, 30);
    media::SetAlpha(0.8f);
    media::DrawRect(PanelCentreX - 50, 358, 100, 40);
    media::SetAlpha(1);
    media::SetColor(255, 255, 255);

    const std::shared_ptr<TBitmapFont>& font = resources.FontMedium;
    if (!font) return;
    TPresentationContext& context = PresentationContext();
    context.TextShadowX = HudShadow;
    context.TextShadowY = HudShadow;
    context.TextShadowAlpha = HudShadowAlpha;
    const TClassicGame& game = record.Game;
    font->DrawAlignedWithShadow(game.Daily.empty() ? Tr("Classic") : Tr("Daily Board"),
                                PanelCentreX, 45, 1, 1, 1);
    if (!game.Daily.empty()) font->DrawAlignedWithShadow(game.Daily, PanelCentreX, 275, 1, 1, 1);
    if (!record.BestDate.empty() && record.BestDate == game.Daily) {
        font->DrawAlignedWithShadow(std::string(Tr("Best :")) + " " + LocalNumber(record.BestScore),
                                    PanelCentreX, 305, 1, 1, 1);
    }
    font->DrawAlignedWithShadow(Tr("Next"), PanelCentreX, 340, 1, 1, 1);
    // The values end at the box's right edge, so a longer label in another language keeps clear.
    font->DrawAlignedWithShadow(Tr("Score :"), 37, 440, 0, 1, 1);
    font->DrawAlignedWithShadow(LocalNumber(game.Now.Score), ValueRight, 440, 2, 1, 1);
    font->DrawAlignedWithShadow(Tr("Moves :"), 37, 477, 0, 1, 1);
    font->DrawAlignedWithShadow(std::to_string(game.Now.Moves), ValueRight, 477, 2, 1, 1);
}

void TClassicPanel::DrawEnd(const TClassicRecord& record, const TResources& resources) {
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::SetAlpha(0.6f);
    media::DrawRect(0, 0, ScreenWidth, ScreenHeight);
    media::SetAlpha(1);
    media::SetColor(255, 255, 255);
    const std::shared_ptr<TBitmapFont>& large = resources.FontLarge;
    if (large) {
        TShadow::Create(3, 3, 0.4f).ApplyToText();
        large->DrawAlignedWithShadow(Tr("The board is full"), ScreenWidth / 2, 150, 1, 1, 1);
        large->DrawAlignedWithShadow(
            std::string(Tr("Score :")) + " " + LocalNumber(record.Game.Now.Score), ScreenWidth / 2,
            210, 1, 1, 1);
        if (!record.Game.Daily.empty()) {
            large->DrawAlignedWithShadow(
                std::string(Tr("Best of the day :")) + " " + LocalNumber(record.BestScore),
                ScreenWidth / 2, 260, 1, 1, 1);
        }
    }
}
