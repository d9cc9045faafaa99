#include "game/TTutorialPanel.h"

#include <string>
#include <vector>

#include "game/TLevel.h"
#include "game/TTutorial.h"
#include "host/JsonObject.h"
#include "presentation/TextLog.h"
#include "system/Translate.h"

namespace {

constexpr float TextLeft = 14;
constexpr float FirstLineTop = 14;
constexpr float LineSpacing = 20;
constexpr float HintLeft = 108;
constexpr float HintTop = 75;

std::string LinesJson(const TTutorialBox& box) {
    std::string text = "[";
    for (size_t i = 0; i < box.Lines.size(); ++i) {
        if (i != 0) text += ", ";
        text += JsonObject::Quote(box.Shown ? box.Lines[i] : "");
    }
    return text + "]";
}

}  // namespace

void TTutorialPanel::Load(const TImageBank& images) {
    imgHint = images.Find("hint");
    imgHintp = images.Find("hintp");
    Drawn = TTutorialBox();
}

void TTutorialPanel::Kill() {
    imgHint.reset();
    imgHintp.reset();
    Drawn = TTutorialBox();
}

void TTutorialPanel::Draw(const TTutorialBox& box, const media::Font& font,
                          const media::Font& smallFont) {
    Drawn = box;
    if (!box.Shown || !imgHint || !imgHintp) return;
    const float x = static_cast<float>(box.X);
    const float y = static_cast<float>(box.Y);
    media::DrawImageFrame(imgHint->image, x, y, 0);
    if (box.HasPointer) {
        media::SetDrawScale(static_cast<float>(box.PointerScaleX),
                            static_cast<float>(box.PointerScaleY));
        media::DrawImageFrame(imgHintp->image, static_cast<float>(box.PointerX),
                              static_cast<float>(box.PointerY), 0);
        media::SetDrawScale(1, 1);
    }
    const media::Font previous = media::GetDrawFont();
    media::SetColor(0, 0, 0);
    media::SetDrawFont(font);
    const TTextBoundsScope inBox(
        {x, y, static_cast<float>(imgHint->w), static_cast<float>(imgHint->h)});
    const auto line = [](const std::string& text, float left, float top) {
        media::DrawTextAt(text, left, top);
        LogDrawnText(text,
                     {left, top, static_cast<float>(media::TextWidthOf(text)),
                      static_cast<float>(media::TextHeightOf(text))},
                     0);
    };
    for (size_t i = 0; i < box.Lines.size(); ++i) {
        line(box.Lines[i], x + TextLeft, y + FirstLineTop + LineSpacing * static_cast<float>(i));
    }
    if (box.NextHint) {
        media::SetDrawFont(smallFont);
        line(Tr(TTutorial::NextHintText), x + HintLeft, y + HintTop);
    }
    media::SetDrawFont(previous);
    media::SetColor(255, 255, 255);
}

void TTutorialPanel::AddState(JsonObject& state, const TLevel& level) const {
    const TPlayState& play = level.Play;
    state.Set("TutorialGame", play.TutorialGame ? 1 : 0);
    state.Set("TutStep", play.TutStep);
    state.Set("TutVortex", play.TutVortex ? 1 : 0);
    state.Set("TutPalette", play.TutPalette ? 1 : 0);
    state.Set("TutBomb", play.TutBomb ? 1 : 0);
    JsonObject box;
    box.Set("Shown", Drawn.Shown ? 1 : 0);
    box.Set("X", Drawn.X);
    box.Set("Y", Drawn.Y);
    box.Set("Pointer", Drawn.Shown && Drawn.HasPointer
                           ? std::vector<int>{Drawn.PointerX, Drawn.PointerY, Drawn.PointerScaleX,
                                              Drawn.PointerScaleY}
                           : std::vector<int>{});
    box.SetRaw("Lines", LinesJson(Drawn));
    box.Set("NextHint", Drawn.Shown && Drawn.NextHint ? Tr(TTutorial::NextHintText) : "");
    state.Set("TutBox", box);

    JsonObject cells;
    cells.Set("Left", BoardLeft);
    cells.Set("Top", BoardTop);
    cells.Set("Size", CellSize);
    state.Set("Cells", cells);
    std::string tokens = "[";
    for (int power = PowerVortex; power <= PowerBomb; ++power) {
        const TPowers::TTokenRect r = TPowers::TokenRect(power);
        if (power != PowerVortex) tokens += ", ";
        // Appended piece by piece: "[" + a string trips GCC 12's -Wrestrict at -O2.
        const int edges[4] = {r.left, r.top, r.right, r.bottom};
        for (int i = 0; i < 4; ++i) {
            tokens += i == 0 ? "[" : ", ";
            tokens += std::to_string(edges[i]);
        }
        tokens += "]";
    }
    state.SetRaw("TokenRects", tokens + "]");
}
