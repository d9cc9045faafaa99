#pragma once
// A colour with alpha, applied to the canvas for drawing and put back to white afterwards.

#include <memory>

class TColor {
public:
    int R = 0, G = 0, B = 0;
    float Alpha = 1.0f;

    void Set(int r, int g, int b, float alpha);
    void Apply() const;
    void ApplyNoAlpha() const;
    static void Restore();
};
