#pragma once
// The marks of a picked-up piece: a turning ring on it and a pulsing glow on every cell it can
// reach.

#include <memory>

#include "game/TSelection.h"
#include "presentation/TGameImage.h"
#include "presentation/TSineCounter.h"

class TImageBank;

class TPathGlow {
public:
    // Degrees; grows without wrapping.
    float SelectRot = 0;
    TSineCounter Glow;
    std::shared_ptr<TGameImage> imgZindles;
    std::shared_ptr<TGameImage> imgSelect;
    std::shared_ptr<TGameImage> imgDot;

    void Load(const TImageBank& images);
    void Kill();
    // Restarts the pulse; run when a piece is picked up.
    void Init();
    void Manage(float delta);
    // Only while a piece is selected.
    void Draw(const TSelection& selection) const;
};
