#pragma once
// The host's mouse state and the pointer the game draws in place of the system one.

#include <functional>
#include <string>

#include "media/Media.h"

class TMousePointer {
public:
    int Active = 1;
    // The keyboard is in use: the pointer is not drawn and hovers over nothing until the mouse
    // moves or clicks again.
    int Hidden = 0;
    media::Image Image;
    int ImageFrame = 0;
    std::string Ext = ".png";
    int Rotation = 0;
    media::Image Image2;
    int Image2Frame = 0;
    int Image2xoff = 0, Image2yoff = 0;
    float Image2Scale = 1.0f;
    int x = 0, y = 0, z = 0, w = 0, h = 0;
    int b1 = 0, b2 = 0, b3 = 0, mb = 0;
    int h1 = 0, h2 = 0, h3 = 0, mh = 0;
    int offsetx = 0, offsety = 0;
    std::function<void(int, int)> UserDraw;

    void On() { Active = 1; }
    void Off() { Active = 0; }
    void Load(const std::string& name);
    void CalcSize();
    void CalcButtonTotals();
    int GetMb() const { return mb; }
    int GetMh(int clear);
    void ClearMouseHit();
    void ClearButtons();
    int Manage() const { return Active ? 1 : 0; }
    void Draw();

    // Button state changes from the host's event pump.
    void ButtonDown(int button);
    void ButtonUp(int button);
};

// Forgets every key, typed character and mouse button pressed so far, in the input tables and
// in the pointer of the installed context, so that nothing pressed before counts after.
void ClearAllInput();
