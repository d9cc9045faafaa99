#pragma once
// A positioned piece of text: aligned, optionally word-wrapped and scaled.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TFont.h"

class TLabel : public TFont {
public:
    int CentreVertically = 0;
    int LineGap = 0;
    float Scale = 1;
    float X = 0, Y = 0;
    int RoundCoords = 1;
    int Visible = 1;
    float W = 0;
    int Alignment = 0;
    std::string Text;
    std::vector<std::string> TextArray;
    int TotalLines = 0;
    int WordWrap = 0;

    // A white label in the current TrueType font.
    static std::shared_ptr<TLabel> CreateSpecial(const std::string& text, float x, float y,
                                                 int alignment, int wordWrap);
    float CalcHeight() override;
    float CalcWidth();
    void AutoScale(float maxWidth);
    void PreCalcWordWrap();
    void SetLineGap(int gap);
    int Draw(float x, float y, int applyColor);
    void DrawTextLine(const std::string& line, float x, float y, int applyColor);
};
