#pragma once
// A filled circle in a colour.

#include <memory>
#include <optional>

#include "presentation/TColor.h"

class TCircle {
public:
    std::optional<TColor> Color;
    float r = 0, x = 0, y = 0;

    static std::shared_ptr<TCircle> Create(int x, int y, int r, const std::optional<TColor>& color);
    void Draw() const;
};
