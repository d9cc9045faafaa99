#pragma once
// The progress bar of the loading screen: a picture revealed from the left one step at a time,
// over a drawn box (mode 0), over an empty-bar picture (mode 1) or alone (mode 2), and an
// optional finished look.

#include "media/Media.h"

class TLoadingBar {
public:
    int Mode = 0;
    media::Image Image, EmptyImage, FinalImage;
    int x = 0, y = 0, w = 0, h = 0;
    // Filled width in pixels.
    float Position = 0;
    float Steps = 0;
    float StepSize = 0;
    int CurrentStep = 0;
    int Finished = 0;
    int BgR = 50, BgG = 50, BgB = 50;
    int BorderR = 0, BorderG = 0, BorderB = 0;
    int DrawEmptyUnderFinal = 0;

    // The empty and final pictures are optional; all three are handled at the top-left.
    void Init(const media::Image& image, const media::Image& emptyImage,
              const media::Image& finalImage);
    // Centred across the screen, its top at py.
    void Centre(int py);
    void SetSteps(int count);
    void Progress();
    // 0 (drawing nothing) in mode 1 without a bar picture.
    int Draw() const;
};
