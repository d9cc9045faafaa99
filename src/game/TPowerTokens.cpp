#include "game/TPowerTokens.h"

#include <algorithm>

#include "presentation/TImageBank.h"

namespace {

constexpr float SparkleScale = 0.25f;
constexpr float SparkleTurn = 0.8f;

int TokenFrame(int state) {
    return std::clamp(state, 0, 2);
}

}  // namespace

void TPowerTokens::Load(const TImageBank& images) {
    imgTokenVortex = images.Find("TokenVortex");
    imgTokenPalette = images.Find("TokenPalette");
    imgTokenBomb = images.Find("TokenBomb");
    Sparkle = images.Find("moi");
    Glow.Init(20, 150, 1);
    Angle = 0;
}

void TPowerTokens::Kill() {
    imgTokenVortex.reset();
    imgTokenPalette.reset();
    imgTokenBomb.reset();
    Sparkle.reset();
}

void TPowerTokens::Logic(float delta) {
    Glow.Manage();
    Angle += SparkleTurn * delta;
    if (Angle >= 360) Angle -= 360;
}

void TPowerTokens::Draw(const TPowers& powers, int mouseX, int mouseY) const {
    if (!imgTokenVortex) return;
    media::DrawImageFrame(imgTokenVortex->image, 59, 88, TokenFrame(powers.VOFF));
    media::DrawImageFrame(imgTokenPalette->image, 114, 65, TokenFrame(powers.POFF));
    media::DrawImageFrame(imgTokenBomb->image, 169, 88, TokenFrame(powers.BOFF));
    if (powers.Active == 0) return;
    media::SetBlend(media::LIGHTBLEND);
    media::SetAlpha(Glow.ratio / 2);
    media::SetDrawRotation(Angle);
    media::SetColor(255, 255, 255);
    media::SetDrawScale(SparkleScale, SparkleScale);
    media::DrawImageFrame(Sparkle->image, static_cast<float>(mouseX), static_cast<float>(mouseY),
                          0);
    media::SetDrawScale(1, 1);
    media::SetDrawRotation(0);
    media::SetAlpha(1);
    media::SetBlend(media::ALPHABLEND);
}
