#pragma once
// A hint that appears under (or above) the pointer once it has rested on something for a
// while, fading in, and fades out when the pointer leaves. The owner reports every logic step
// whether the pointer is over the thing the tip explains. The text is drawn in a bitmap font
// on a backing plate.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TFont.h"
#include "presentation/TGameImage.h"
#include "presentation/TGameSound.h"

class TToolTip {
public:
    int Visible = 0;
    float x = 0, y = 0;
    std::shared_ptr<TGameImage> image;  // the plate, top-left handled
    TFont font;
    int RoundedCoords = 1;
    int TextYOffset = 0;
    std::string Text;
    std::vector<std::string> TextWrapped;
    int TextDrawWidth = 200;
    int DrawUnderMouseCursor = 1;
    int GapFromMouse = 5;
    int XOffset = 0;
    int SetCoordsOnceOnly = 1;
    float CollideCounter = 0;
    float CollideCounterMax = 50;  // logic steps of rest before the tip shows
    int Fade = 1;
    float FadeInSpeed = 0.02f;
    float FadeOutSpeed = 0.04f;
    float FadeLevel = 0;
    int AlwaysShowAboveMouse = 0;
    std::shared_ptr<TGameSound> ToolTipSound;

    // Ignored while the tip is on screen, so a shown text never changes under the reader.
    void SetText(const std::string& text);
    void SetCollideCounterMax(float ms);
    void Collide(bool over);
    void Draw();
    void Kill();

private:
    int Shown = 0;  // the pointer has rested long enough
    void Place();
};
