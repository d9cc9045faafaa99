#pragma once
// The three power tokens above the machine, lit by what the machine can pay for, and the
// sparkle that follows the mouse while a power is armed.

#include <memory>

#include "game/TPowers.h"
#include "presentation/TGameImage.h"
#include "presentation/TSineCounter.h"

class TImageBank;

class TPowerTokens {
public:
    std::shared_ptr<TGameImage> imgTokenVortex;
    std::shared_ptr<TGameImage> imgTokenPalette;
    std::shared_ptr<TGameImage> imgTokenBomb;
    std::shared_ptr<TGameImage> Sparkle;
    // Pulses the sparkle.
    TSineCounter Glow;
    // Rotation of the sparkle in degrees, 0 to 360.
    float Angle = 0;

    void Load(const TImageBank& images);
    void Kill();
    // Runs while a power is armed.
    void Logic(float delta);
    void Draw(const TPowers& powers, int mouseX, int mouseY) const;
};
