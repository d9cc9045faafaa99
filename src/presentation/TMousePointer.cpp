#include "presentation/TMousePointer.h"

#include "presentation/TPresentationContext.h"
#include "system/CheckedLoaders.h"
#include "system/InputHelpers.h"

void TMousePointer::Load(const std::string& name) {
    Image = LoadImageChecked(PresentationContext().ImagePath + name + Ext, -1);
    if (!Image) return;
    media::SetImageHandle(Image, static_cast<float>(offsetx), static_cast<float>(offsety));
    CalcSize();
}

void TMousePointer::CalcSize() {
    w = Image ? media::ImageWidth(Image) : 0;
    h = Image ? media::ImageHeight(Image) : 0;
}

void TMousePointer::CalcButtonTotals() {
    mb = b1 + b2 + b3;
    mh = h1 + h2 + h3;
}

int TMousePointer::GetMh(int clear) {
    const int hits = mh;
    if (clear) ClearMouseHit();
    return hits;
}

void TMousePointer::ClearMouseHit() {
    h1 = h2 = h3 = mh = 0;
}

void TMousePointer::ClearButtons() {
    b1 = b2 = b3 = mb = 0;
    ClearMouseHit();
}

void TMousePointer::ButtonDown(int button) {
    // Only one click counts per logic step: a new press replaces any unread ones.
    ClearMouseHit();
    if (button == 1) b1 = 1, ++h1;
    if (button == 2) b2 = 1, ++h2;
    if (button == 3) b3 = 1, ++h3;
    CalcButtonTotals();
}

void TMousePointer::ButtonUp(int button) {
    if (button == 1) b1 = 0;
    if (button == 2) b2 = 0;
    if (button == 3) b3 = 0;
    CalcButtonTotals();
}

void TMousePointer::Draw() {
    // The event pump keeps x and y in canvas pixels in a window too, so the drawn pointer
    // already follows the system cursor.
    if (!Active || Hidden) return;
    media::SetBlend(media::ALPHABLEND);
    media::SetDrawRotation(static_cast<float>(Rotation));
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (Image2) {
        media::SetDrawScale(Image2Scale, Image2Scale);
        media::DrawImageFrame(Image2, fx + Image2xoff, fy + Image2yoff, Image2Frame);
        media::SetDrawScale(1, 1);
    }
    if (Image) {
        media::DrawImageFrame(Image, fx, fy, ImageFrame);
    } else {
        media::Plot(fx, fy);
    }
    media::SetDrawRotation(0);
    if (UserDraw) UserDraw(x, y);
}

void ClearAllInput() {
    FlushInput();
    if (TMousePointer* mouse = PresentationContext().Mouse) mouse->ClearButtons();
}
