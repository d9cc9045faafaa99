#include "presentation/TLoadingBar.h"

#include "system/ScreenSize.h"

namespace {

void TopLeft(const media::Image& image) {
    if (image) media::SetImageHandle(image, 0, 0);
}

}  // namespace

void TLoadingBar::Init(const media::Image& image, const media::Image& emptyImage,
                       const media::Image& finalImage) {
    Image = image;
    EmptyImage = emptyImage;
    FinalImage = finalImage;
    TopLeft(Image);
    TopLeft(EmptyImage);
    TopLeft(FinalImage);
    x = 0;
    y = 0;
    w = Image ? media::ImageWidth(Image) : 0;
    h = Image ? media::ImageHeight(Image) : 0;
    Position = 0;
    CurrentStep = 0;
    Finished = 0;
}

void TLoadingBar::Centre(int py) {
    x = (ScreenWidth - w) / 2;
    y = py;
}

void TLoadingBar::SetSteps(int count) {
    Steps = static_cast<float>(count);
    StepSize = count > 0 ? static_cast<float>(w) / Steps : 0;
}

void TLoadingBar::Progress() {
    // Steps past the end would draw beyond the bar's picture.
    if (Finished) return;
    ++CurrentStep;
    Position = static_cast<float>(CurrentStep) * StepSize;
    if (static_cast<float>(CurrentStep) >= Steps) Finished = 1;
}

int TLoadingBar::Draw() const {
    if (Mode == 1 && !Image) return 0;
    const auto px = static_cast<float>(x);
    const auto py = static_cast<float>(y);
    if (Finished && FinalImage) {
        media::SetBlend(media::ALPHABLEND);
        if (DrawEmptyUnderFinal && EmptyImage) media::DrawImageFrame(EmptyImage, px, py, 0);
        media::DrawImageFrame(FinalImage, px, py, 0);
        return 1;
    }
    if (Mode == 0) {
        media::SetBlend(media::SOLIDBLEND);
        media::SetColor(BgR, BgG, BgB);
        media::DrawRect(px, py, static_cast<float>(w), static_cast<float>(h));
        media::SetColor(BorderR, BorderG, BorderB);
        const float right = px + static_cast<float>(w) - 1;
        const float bottom = py + static_cast<float>(h) - 1;
        media::DrawLine(px, py, right, py);
        media::DrawLine(right, py, right, bottom);
        media::DrawLine(right, bottom, px, bottom);
        media::DrawLine(px, bottom, px, py);
        media::SetColor(255, 255, 255);
    } else {
        media::SetBlend(media::ALPHABLEND);
        if (Mode == 1 && EmptyImage) media::DrawImageFrame(EmptyImage, px, py, 0);
    }
    if (Image && Position > 0) {
        media::DrawImageArea(Image, px, py, 0, 0, Position, static_cast<float>(h), 0);
    }
    media::SetBlend(media::ALPHABLEND);
    return 1;
}
