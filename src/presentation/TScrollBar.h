#pragma once
// A scroll bar: a thumb dragged along a track of Size pixels and two arrow buttons that step
// the value. The value runs from 0 to ValueMax; the thumb's offset along the track shows it.

#include <memory>
#include <string>

#include "presentation/TGameImage.h"
#include "presentation/TMenu.h"

class TScrollBar {
public:
    std::shared_ptr<TGameImage> Slider;  // the thumb, top-left handled
    std::shared_ptr<TMenu> Menu;         // the two arrows
    int Vertical = 1;
    int Value = 0;
    double ValuePrecise = 0;
    double ValueStep = 1;
    int Size = 0;
    double ValueMax = 0;  // never below 0
    int SliderPosition = 0;
    int SliderSelected = 0;
    int SliderOffset = 0;
    float X = 0, Y = 0;
    std::string UpName, DownName;
    int FixedGlowOnMO = 0;
    float SliderGlow = 0;
    float GlowMax = 0.5f;
    float GlowSpeed = 0.02f;
    float Scale = 1;

    // thumbPath is a full picture path.
    static std::unique_ptr<TScrollBar> Create(const std::string& thumbPath, int size,
                                              double valueMax, float x, float y, int vertical);
    // Arrow buttons from the menu folder (with their "MO" hover pictures), pressed-looking for
    // `milliseconds`, repeating while held (400 ms, then every 100 ms).
    void SetArrows(const std::string& upName, const std::string& downName, int milliseconds);
    void SetValueMax(double valueMax);
    // Track room: the track's length less the thumb's.
    [[nodiscard]] int Room() const;
    void SliderSetPosition(double value);
    void ValueCalc();
    void ValueRound();
    void DisableButtons();
    // 1 when the value changed this step.
    int Manage();
    void Draw() const;
    void Kill();

private:
    [[nodiscard]] bool PointerOverThumb() const;
    void Step(double by);
};
