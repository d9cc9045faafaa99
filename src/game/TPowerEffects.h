#pragma once
// What the bomb and the palette look like at work: explosion frames along the bomb's row and
// column, and the brush with its blob of paint circling the chosen piece.

#include <array>
#include <memory>

#include "game/TBomb.h"
#include "game/TPalette.h"
#include "presentation/TGameImage.h"

class TImageBank;

class TPowerEffects {
public:
    // The brush's clockwise circle round the chosen piece, one offset per brush step,
    // starting to the right.
    using TCircle = std::array<std::array<int, 2>, TPalette::LastPaintStep + 1>;

    std::shared_ptr<TGameImage> imgExplode;
    std::shared_ptr<TGameImage> imgBrush;
    std::shared_ptr<TGameImage> imgPaint;
    TCircle CircleCoor{};

    void Load(const TImageBank& images);
    void Kill();
    void SetCircleArray();
    void Draw(const TBomb& bomb, const TPalette& palette) const;

private:
    void DrawExplosions(const TBomb& bomb) const;
    void DrawBrush(const TPalette& palette) const;
};
