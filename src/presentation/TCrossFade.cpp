#include "presentation/TCrossFade.h"

std::shared_ptr<TCrossFade> TCrossFade::Create(const media::Image& image1,
                                               const media::Image& image2, float ms) {
    auto fade = std::make_shared<TCrossFade>();
    fade->Init(image1, image2, ms);
    return fade;
}

void TCrossFade::Init(const media::Image& image1, const media::Image& image2, float ms) {
    Image1 = image1;
    Image2 = image2;
    Anim = TAnimation::Create(ms, 0, 0, 0);
    Anim->Start();
}

void TCrossFade::SetImage1Coords(float x, float y) {
    X1 = x;
    Y1 = y;
}

void TCrossFade::SetImage2Coords(float x, float y) {
    X2 = x;
    Y2 = y;
}

int TCrossFade::Manage() {
    return Anim ? Anim->Manage() : 0;
}

void TCrossFade::Draw() const {
    media::SetBlend(media::SOLIDBLEND);
    if (Image1) media::DrawImageFrame(Image1, X1, Y1, 0);
    media::SetBlend(media::ALPHABLEND);
    // A finished (inactive) timer has fully revealed the second picture.
    media::SetAlpha(Anim && Anim->Active ? Anim->GetRatioInv() : 1.0f);
    if (Image2) media::DrawImageFrame(Image2, X2, Y2, 0);
    media::SetAlpha(1);
}
