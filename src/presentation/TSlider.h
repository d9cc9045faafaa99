#pragma once
// A 0 to 100 slider: a track picture and a knob that follows the pointer while a mouse button
// is held over it. Both pictures are handled at their top-left corner.

#include <memory>
#include <string>

#include "presentation/TGameImage.h"
#include "presentation/TSprite.h"

class TSlider : public TSprite {
public:
    std::string Ext = ".png";
    std::shared_ptr<TGameImage> DotImage;
    int DotX = 0, DotY = 0;
    int MouseOver = 0;
    int Value = 0;
    int Border = 0;   // margin at each end of the track the knob's centre does not pass
    int BorderY = 0;  // extra reach of the hover area above and below the track

    // Pictures from the host's image folder; the key names the slider; starts at 50.
    static std::shared_ptr<TSlider> CreateSpecial(const std::string& trackName,
                                                  const std::string& knobName, float x, float y,
                                                  int border, const std::string& key, int borderY);
    // Clamped to 0..100; the knob moves with it.
    void SetValue(int value);
    // 1 while the pointer is over the slider (the value follows it while a button is held).
    int Manage();
    void Draw() override;
};
