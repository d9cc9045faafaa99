#pragma once
// Counts flashes in frames rendered one after another, by the general flash rule of the web's
// accessibility guidelines: a flash is a pair of opposing changes in relative luminance of a
// tenth of the maximum or more, where the darker side is below 0.8; more than three flashes
// within one second are too many when the pixels having them cover a quarter or more of a
// ten-degree field of view. That field is taken as 266 by 200 canvas pixels: the 341 by 256
// pixels the guidelines give for a 1024 by 768 screen, with the game's 800 by 600 canvas
// scaled up to fill one. The canvas is sampled every fourth pixel each way.

#include <vector>

#include "media/Media.h"

class FlashMeter {
public:
    static constexpr int Step = 4;
    static constexpr int FieldWidth = 266, FieldHeight = 200;

    explicit FlashMeter(int framesPerSecond);
    // One frame of the 800 by 600 canvas, in order.
    void Add(const media::Pixmap& frame);
    // The largest share (0 to 1) of any field covered by pixels flashing too often, over
    // every frame so far.
    [[nodiscard]] double WorstShare() const { return worst_; }
    // Flashes (pairs of opposing changes) the busiest sample had within one second, counted up
    // to four.
    [[nodiscard]] double MostFlashesPerSecond() const { return mostTransitions_ / 2.0; }

private:
    struct Sample {
        float low = 0, high = 0;  // extremes since the last change (the anchor once moving)
        int direction = 0;        // +1 rising, -1 falling, 0 not yet changed
        int recent[8] = {};       // frames of the last eight changes, a ring
        int count = 0;
    };
    int fps_;
    int frame_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<Sample> samples_;
    double worst_ = 0;
    int mostTransitions_ = 0;

    void Change(Sample& sample) const;
    // The sample's changes within the second up to this frame.
    [[nodiscard]] int Within(const Sample& sample) const;
    void MeasureArea(const std::vector<int>& flashing);
};
