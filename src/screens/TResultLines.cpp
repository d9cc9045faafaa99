#include "screens/TResultLines.h"

#include "media/Media.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "system/ScreenSize.h"

namespace {

constexpr float StaggerMs = 30;
constexpr float SlideMs = 300;
constexpr float HoldMs = 500;
// The phase in which a line rests in its column and flashes.
constexpr int HoldPhase = 2;

}  // namespace

void TResultLines::SetRows(std::vector<Row> rows, const std::string& measuredValue, int startY) {
    Rows = std::move(rows);
    const auto& font = Resources.FontLarge;
    const int labelWidth =
        font && !Rows.empty() ? static_cast<int>(font->StringWidth(Rows[0].Label)) : 0;
    const int valueWidth = font ? static_cast<int>(font->StringWidth(measuredValue)) : 0;
    w = labelWidth + colgap + valueWidth;
    h = lines * gap;
    col1 = (ScreenWidth - w) / 2;
    col2 = col1 + labelWidth + colgap;
    StartY = startY;
    StartSlide();
}

void TResultLines::StartSlide() {
    Lines.clear();
    for (int i = 0; i < lines; ++i) {
        const auto y = static_cast<float>(StartY + i * gap);
        const auto left = static_cast<float>(-w);
        const auto rest = static_cast<float>(col1);
        const auto line = Add("", left, y, left, y, StaggerMs * static_cast<float>(i));
        line->AddPhaseSpecial(left, y, rest, y, SlideMs);
        line->AddPhaseSpecial(rest, y, rest, y, HoldMs);
    }
    Start();
}

void TResultLines::Draw() const {
    const auto& font = Resources.FontLarge;
    if (!font) return;
    media::SetBlend(media::ALPHABLEND);
    TShadow::Create(2, 2, 0.5f).ApplyToText();
    for (size_t i = 0; i < Lines.size() && i < Rows.size(); ++i) {
        const TSlideLine& line = *Lines[i];
        const float x = line.GetX();
        const auto y = static_cast<float>(StartY + static_cast<int>(i) * gap);
        const bool flashing = line.Active && line.CurrentPhase == HoldPhase;
        // Falls from 1 to 0 over the hold: both columns arrive white and return to colour.
        const float r = flashing ? line.GetRatio() : 0.0f;
        if (flashing) {
            media::SetColor(255, 255, static_cast<int>(255 * r));
        } else {
            media::SetColor(255, 255, 0);
        }
        font->DrawAlignedWithShadow(Rows[i].Label, x, y, 0, 1, 1);
        if (flashing) {
            media::SetColor(static_cast<int>(255 * r), 255, 255);
        } else {
            media::SetColor(0, 255, 255);
        }
        font->DrawAlignedWithShadow(Rows[i].Value, x + static_cast<float>(col2 - col1), y, 0, 1, 1);
    }
    media::SetColor(255, 255, 255);
}
