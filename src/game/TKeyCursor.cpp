#include "game/TKeyCursor.h"

#include <algorithm>

#include "game/TPowers.h"
#include "media/Media.h"
#include "system/InputHelpers.h"

namespace {

constexpr int KeyEnter = 13, KeySpace = 32;
constexpr int KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
constexpr int KeyVortex = '1', KeyPalette = '2', KeyBomb = '3';
constexpr float FrameWidth = 4;

}  // namespace

void TKeyCursor::Steer(TPassInput& input, bool pointerHidden) {
    Steering = pointerHidden;
    if (!Steering) {
        // The highlight picks up where the mouse left off.
        if (PointInBoard(input.MouseX, input.MouseY)) {
            X = CursorCellX(input.MouseX);
            Y = CursorCellY(input.MouseY);
        }
        return;
    }
    if (KeyHitChecked(KeyLeft)) --X;
    if (KeyHitChecked(KeyRight)) ++X;
    if (KeyHitChecked(KeyUp)) --Y;
    if (KeyHitChecked(KeyDown)) ++Y;
    X = std::clamp(X, 0, BoardSize - 1);
    Y = std::clamp(Y, 0, BoardSize - 1);
    input.MouseX = CellCentreX(X);
    input.MouseY = CellCentreY(Y);
    // Every key is read, so none is left over to act on a later step.
    const bool enter = KeyHitChecked(KeyEnter);
    const bool space = KeyHitChecked(KeySpace);
    const int keys[] = {KeyVortex, KeyPalette, KeyBomb};
    int token = 0;
    for (int power = PowerVortex; power <= PowerBomb; ++power) {
        if (KeyHitChecked(keys[power - PowerVortex])) token = power;
    }
    if (token != 0) {
        const TPowers::TTokenRect r = TPowers::TokenRect(token);
        input.MouseX = (r.left + r.right) / 2;
        input.MouseY = (r.top + r.bottom) / 2;
        input.MouseHit = true;
    } else if (enter || space) {
        input.MouseHit = true;
    }
}

void TKeyCursor::Draw() const {
    if (!Steering) return;
    const float left = static_cast<float>(BoardLeft + CellSize * X);
    const float top = static_cast<float>(BoardTop + CellSize * Y);
    const float size = static_cast<float>(CellSize);
    media::SetBlend(media::ALPHABLEND);
    media::SetColor(255, 214, 90);
    media::SetAlpha(0.9f);
    media::DrawRect(left, top, size, FrameWidth);
    media::DrawRect(left, top + size - FrameWidth, size, FrameWidth);
    media::DrawRect(left, top + FrameWidth, FrameWidth, size - 2 * FrameWidth);
    media::DrawRect(left + size - FrameWidth, top + FrameWidth, FrameWidth, size - 2 * FrameWidth);
    media::SetColor(255, 255, 255);
    media::SetAlpha(1);
}
