#pragma once
// A blocking fade of one picture over an optional drifting background, timed in real
// milliseconds; used before the main loop runs (for example on a splash picture).

#include <functional>

#include "media/Media.h"

class TFade {
public:
    media::Channel Channel;
    media::Image Image;
    int X = 0, Y = 0;
    float Length = 0;
    float StartTime = 0, Elapsed = 0, Ratio = 0, LastTime = 0;
    media::Image Background;
    float BackgroundX = 0, BackgroundY = 0;
    float BackgroundZoom = 1;
    float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0;
    float BackgroundFadeTime = 0;
    float BackgroundAlpha = 0;
    int Out = 0;  // 0 fade in, 1 fade out, -1 hold
    // The millisecond clock; tests replace it.
    std::function<int()> Clock = media::MilliSecs;

    void Init(float ms, const media::Image& image, const media::Channel& channel);
    void Reset();
    void CentreImage();
    // 1 when the fade completed, -1 when the player cut it short.
    int FadeDo(int out);
    // Holds the picture at full visibility; 0, or -1 when cut short.
    int WaitForTime(float ms);
    void MoveBackground(float now, float elapsed);
    void Draw();
    void Full();
    void Zero();

private:
    float Now() const { return static_cast<float>(Clock()); }
};
