#pragma once
// A 0 to 100 slider: a track picture and a knob that follows the pointer while a mouse button
// is held over it, or moves with Left and Right while the slider has the keys' highlight. Both
// pictures are handled at their top-left corner.

#include <memory>
#include <string>

#include "presentation/TGameImage.h"
#include "presentation/TKeyRepeat.h"
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
    // The keys' highlight is on the slider: the knob glows and Left and Right move it.
    int KeyFocus = 0;
    // How far one press (or one repeat of a held key) moves the knob.
    int KeyStep = 5;
    TKeyRepeat LeftRepeat = TKeyRepeat::Create(400, 100);
    TKeyRepeat RightRepeat = TKeyRepeat::Create(400, 100);

    // Pictures from the host's image folder; the key names the slider; starts at 50.
    static std::shared_ptr<TSlider> CreateSpecial(const std::string& trackName,
                                                  const std::string& knobName, float x, float y,
                                                  int border, const std::string& key, int borderY);
    // Clamped to 0..100; the knob moves with it.
    void SetValue(int value);
    // 1 while the pointer is over the slider (the value follows it while a button is held).
    int Manage();
    // With KeyFocus, Left and Right (pressed, or held) move the knob by KeyStep; 1 when it
    // moved.
    int ManageKeys();
    void Draw() override;
};
