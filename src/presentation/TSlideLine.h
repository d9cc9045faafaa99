#pragma once
// A line of text that travels along straight paths, one per timed phase.

#include <array>
#include <memory>
#include <string>

#include "presentation/TAnimation.h"
#include "presentation/TColor.h"

class TSlideLine : public TAnimation {
public:
    std::array<float, MAX_PHASES> StartX{}, StartY{}, EndX{}, EndY{};
    float DX = 0, DY = 0;
    std::string text;
    std::shared_ptr<TColor> Color;

    void InitLine(const std::string& line, float startX, float startY, float endX, float endY,
                  float ms);
    void AddPhaseSpecial(float startX, float startY, float endX, float endY, float ms);
    void CalcDistance();
    float GetX() const;
    int Manage() override;
};
