#pragma once
// A drop-shadow setting for text: offset and alpha.

class TShadow {
public:
    float X = 1.0f, Y = 1.0f;
    float Alpha = 0.5f;

    static TShadow Create(float x, float y, float alpha);
    void Init(float x, float y, float alpha);
    // Makes this the shadow of all text drawn from now on.
    void ApplyToText() const;
};
