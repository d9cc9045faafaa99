#pragma once
// A colour with alpha, applied to the canvas for drawing and put back to white afterwards.

#include <memory>

class TColor {
public:
    int R = 0, G = 0, B = 0;
    float Alpha = 1.0f;

    static std::shared_ptr<TColor> Create(int r, int g, int b, float alpha);
    void Set(int r, int g, int b, float alpha);
    void Copy(const TColor& other);
    void Get(int& r, int& g, int& b) const;
    void GetFull(int& r, int& g, int& b, float& alpha) const;
    void Apply() const;
    void ApplyNoAlpha() const;
    static void Restore();
};
