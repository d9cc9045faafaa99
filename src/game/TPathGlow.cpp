#include "game/TPathGlow.h"

#include <cmath>

#include "game/Cells.h"
#include "presentation/TImageBank.h"

namespace {

constexpr int GlowFrame = 10;
// A soft amber light added over the reachable cells, pulsing up to a third of full strength.
constexpr int GlowRed = 140;
constexpr int GlowGreen = 100;
constexpr int GlowBlue = 0;
// The pulse's strength steps in sixty-fourths: a step adds about two levels of red, too little
// to see, and the reachable cells (often most of the board) are drawn again only when it steps,
// some twenty times a second rather than every frame.
constexpr float GlowLevels = 64;

}  // namespace

void TPathGlow::Load(const TImageBank& images) {
    imgZindles = images.Find("zindles");
    imgSelect = images.Find("select");
    imgDot = images.Find("dot");
    SelectRot = 0;
    Init();
}

void TPathGlow::Kill() {
    imgZindles.reset();
    imgSelect.reset();
    imgDot.reset();
}

void TPathGlow::Init() {
    Glow.Init(0, 180, 0.7f);
}

void TPathGlow::Manage(float delta) {
    Glow.Manage();
    SelectRot += delta;
}

void TPathGlow::Draw(const TSelection& selection) const {
    if (!imgZindles || !OnBoard(selection.SelectedX, selection.SelectedY)) return;
    media::SetBlend(media::LIGHTBLEND);
    media::SetAlpha(std::round((Glow.ratio / 2 + 0.2f) / 2.1f * GlowLevels) / GlowLevels);
    media::SetColor(GlowRed, GlowGreen, GlowBlue);
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (!selection.Dots[x][y]) continue;
            const float cx = CellCentreX(x);
            const float cy = CellCentreY(y);
            media::DrawImageFrame(imgZindles->image, cx, cy, GlowFrame);
            media::DrawImageFrame(imgDot->image, cx, cy, 0);
        }
    }
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
    media::SetBlend(media::ALPHABLEND);
    media::SetDrawRotation(SelectRot);
    media::DrawImageFrame(imgSelect->image, CellCentreX(selection.SelectedX),
                          CellCentreY(selection.SelectedY), 0);
    media::SetDrawRotation(0);
}
