#pragma once
// A line between two points, optionally coloured.

#include <memory>
#include <optional>

#include "presentation/TColor.h"
#include "presentation/TVector.h"

class TLine {
public:
    double sx = 0, sy = 0, ex = 0, ey = 0;
    double length = 0;
    std::optional<TColor> Color;

    static std::shared_ptr<TLine> Create(double sx, double sy, double ex, double ey);
    static std::shared_ptr<TLine> CreateFromVector(double sx, double sy, const TVector& vector);
    void SetFromVector(const TVector& vector, double startX, double startY);
    double CalcLength();
    double CalcSlope() const;
    TVector GetVector() const;
    void Draw(int lastPixel) const;
};
