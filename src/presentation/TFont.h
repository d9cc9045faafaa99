#pragma once
// A font of either kind (bitmap or TrueType) with its colour, inverse colour and shadow.

#include <memory>
#include <optional>
#include <string>

#include "media/Media.h"
#include "presentation/TBitmapFont.h"
#include "presentation/TColor.h"
#include "presentation/TShadow.h"

class TFont {
public:
    std::shared_ptr<TBitmapFont> BitmapFont;
    std::optional<TColor> Color;
    int FixedWidth = 0;
    media::Font ImageFont;
    std::optional<TColor> InverseColor;
    std::string Name;
    std::optional<TShadow> Shadow;
    float H = 0;
    double OldScale = 1;

    virtual ~TFont() = default;

    void Init(const media::Font& imageFont, const std::optional<TColor>& color,
              const std::optional<TShadow>& shadow, int fixedWidth,
              std::shared_ptr<TBitmapFont> bitmapFont, const std::optional<TColor>& inverseColor,
              const std::string& name);
    void Apply() const;
    void ApplyCustomColor(const TColor& color) const;
    void ApplyInverse() const;
    void ApplyScale(double scale);
    void RestoreScale();
    virtual float CalcHeight();
    void Kill();
};
