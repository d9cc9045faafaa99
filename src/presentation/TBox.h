#pragma once
// A filled rectangle in a colour.

#include <memory>
#include <optional>

#include "presentation/TColor.h"

class TBox {
public:
    int Active = 1;
    std::optional<TColor> Color;
    float X = 0, Y = 0, W = 0, H = 0;

    void Init(float x, float y, float w, float h, const std::optional<TColor>& color);
    // Nothing without a colour.
    void Draw() const;
};
