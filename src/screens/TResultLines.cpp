#include "screens/TResultLines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/Media.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TResources.h"
#include "presentation/TShadow.h"
#include "presentation/Timing.h"
#include "system/ScreenSize.h"

namespace {

constexpr float StaggerMs = 30;
constexpr float SlideMs = 300;
constexpr float HoldMs = 500;

}  // namespace

float TResultLines::TextWidth(const std::string& text) const {
    const auto& font = Resources.FontLarge;
    return font ? static_cast<float>(font->StringWidth(text)) : 0.0f;
}

void TResultLines::Set(std::vector<Line> lines, int startY) {
    Lines = std::move(lines);
    StartY = startY;
    float labelWidth = 0, valueWidth = 0;
    for (const Line& line : Lines) {
        labelWidth = std::max(labelWidth, TextWidth(line.Label));
        valueWidth = std::max(valueWidth, TextWidth(line.Value));
    }
    w = static_cast<int>(labelWidth) + colgap + static_cast<int>(valueWidth);
    col1 = (ScreenWidth - w) / 2;
    col2 = col1 + static_cast<int>(labelWidth) + colgap;
    Time = 0;
}

void TResultLines::Logic() {
    if (!Arrived()) Time += PresentationContext().Delta;
}

float TResultLines::LineX(int i) const {
    const float start = StepsFromMs(StaggerMs * static_cast<float>(i));
    const float slide = StepsFromMs(SlideMs);
    const float done = slide > 0 ? std::clamp((Time - start) / slide, 0.0f, 1.0f) : 1.0f;
    // Eases out so that each line settles rather than stops dead.
    const float eased = std::sin(done * std::numbers::pi_v<float> / 2);
    return static_cast<float>(-w) + static_cast<float>(col1 + w) * eased;
}

float TResultLines::Flash(int i) const {
    const float arrive = StepsFromMs(StaggerMs * static_cast<float>(i) + SlideMs);
    const float hold = StepsFromMs(HoldMs);
    if (Time < arrive || Time >= arrive + hold || hold <= 0) return -1;
    return 1 - (Time - arrive) / hold;
}

bool TResultLines::Arrived() const {
    const float last = static_cast<float>(std::max<size_t>(Lines.size(), 1) - 1);
    return Time >= StepsFromMs(StaggerMs * last + SlideMs + HoldMs);
}

void TResultLines::Draw() const {
    const auto& font = Resources.FontLarge;
    if (!font) return;
    media::SetBlend(media::ALPHABLEND);
    TShadow::Create(2, 2, 0.5f).ApplyToText();
    for (size_t i = 0; i < Lines.size(); ++i) {
        const int index = static_cast<int>(i);
        const float x = LineX(index);
        const float y = static_cast<float>(StartY + index * gap);
        const float flash = Flash(index);
        if (flash >= 0) {
            media::SetColor(255, 255, static_cast<int>(255 * flash));
        } else {
            media::SetColor(255, 255, 0);
        }
        font->DrawAlignedWithShadow(Lines[i].Label, x, y, 0, 1, 1);
        if (flash >= 0) {
            media::SetColor(static_cast<int>(255 * flash), 255, 255);
        } else {
            media::SetColor(0, 255, 255);
        }
        font->DrawAlignedWithShadow(Lines[i].Value, x + static_cast<float>(col2 - col1), y, 0, 1,
                                    1);
    }
    media::SetColor(255, 255, 255);
}
