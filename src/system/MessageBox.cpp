#include "system/MessageBox.h"

#include "media/Media.h"
#include "system/DrawHelpers.h"
#include "system/HostInput.h"
#include "system/InputHelpers.h"
#include "system/ScreenSize.h"
#include "system/TextLines.h"

namespace {

// Black copy one pixel down and right, then the text in its colour.
void DrawCentredShadowed(const std::string& text, float y, int r, int g, int b) {
    const float x = ScreenWidth / 2.0f - media::TextWidthOf(text) / 2.0f;
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(0, 0, 0);
    media::DrawTextAt(text, x + 1, y + 1);
    media::SetColor(r, g, b);
    media::DrawTextAt(text, x, y);
}

}  // namespace

void ShowMessageBox(const std::string& text, int width, int height) {
    if (media::Headless() || !media::DisplayOpen()) {
        media::Notify(text, false);
        return;
    }

    ResetDrawState();
    // The error may strike in the middle of a scaled or rotated draw.
    media::SetDrawRotation(0);
    media::SetDrawScale(1, 1);
    media::SetDrawOrigin(0, 0);
    media::SetDrawFont({});
    const auto lines =
        WrapLines(SplitLines(text), static_cast<float>(width - 20),
                  [](const std::string& s) { return static_cast<float>(media::TextWidthOf(s)); });
    const int lineHeight = media::TextHeightOf("ABCXYZ");
    const std::string prompt = "<press any key>";
    const bool hostInput = !Input().Polled;
    UsePolledInput();
    FlushInput();

    while (!AnyKeyHit() && !AnyMouseHit()) {
        const int x = (ScreenWidth - width) / 2;
        const int y = (ScreenHeight - height) / 2;
        media::SetBlend(media::SOLIDBLEND);
        media::SetColor(0, 0, 0);
        media::DrawRect(x + 4, y + 4, width, height);
        media::SetColor(150, 150, 150);
        media::DrawRect(x, y, width, height);
        media::SetColor(220, 220, 200);
        media::DrawRect(x, y, width, 1);
        media::DrawRect(x, y + height - 1, width, 1);
        media::DrawRect(x, y, 1, height);
        media::DrawRect(x + width - 1, y, 1, height);

        float lineY = static_cast<float>(y + 10);
        for (const auto& line : lines) {
            DrawCentredShadowed(line, lineY, 0, 220, 220);
            lineY += lineHeight;
        }
        DrawCentredShadowed(prompt, y + height - media::TextHeightOf(prompt) - 10, 0, 220, 0);
        media::SetBlend(media::SOLIDBLEND);
        media::Flip(1);
        media::Delay(5);
    }

    media::SetColor(255, 255, 255);
    FlushInput();
    // Hand the input back to the host's event pump, or its tables would stop filling after
    // an error the game carries on from.
    if (hostInput) {
        UseHostInput();
        FlushInput();
    }
}
