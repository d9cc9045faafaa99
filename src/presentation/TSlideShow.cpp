#include "presentation/TSlideShow.h"

#include "system/ScreenSize.h"

std::shared_ptr<TSlideShow> TSlideShow::Create() {
    return std::make_shared<TSlideShow>();
}

std::shared_ptr<TSlide> TSlideShow::AddSlide(const std::string& imageFile, int flags, int centred,
                                             std::shared_ptr<TTransitionEffect> inEffect,
                                             std::shared_ptr<TTransitionEffect> holdEffect,
                                             std::shared_ptr<TTransitionEffect> outEffect,
                                             const std::string& name) {
    Slides.push_back(TSlide::Create(imageFile, flags, centred, std::move(inEffect),
                                    std::move(holdEffect), std::move(outEffect), name));
    return Slides.back();
}

std::shared_ptr<TSlide> TSlideShow::GetCurrentSlide() const {
    if (CurrentSlide < 0 || CurrentSlide >= static_cast<int>(Slides.size())) return nullptr;
    return Slides[static_cast<size_t>(CurrentSlide)];
}

void TSlideShow::PreCache() const {
    for (const auto& slide : Slides) {
        if (slide->Image) slide->Image->Precache();
    }
}

int TSlideShow::Manage() {
    if (Finished) return 0;
    const auto slide = GetCurrentSlide();
    if (!slide) {
        Finished = 1;
        return 1;
    }
    if (slide->Manage() != 1) return 0;
    if (CurrentSlide + 1 >= static_cast<int>(Slides.size())) {
        Finished = 1;
        return 1;
    }
    ++CurrentSlide;
    Slides[static_cast<size_t>(CurrentSlide)]->LastSlide = slide;
    return 2;
}

int TSlideShow::Draw() {
    if (Finished) return 0;
    if (const auto slide = GetCurrentSlide()) slide->Draw();
    media::SetBlend(media::SOLIDBLEND);
    if (LetterBoxHeight > 0) {
        const int bar = (ScreenHeight - LetterBoxHeight) / 2;
        media::SetColor(0, 0, 0);
        media::DrawRect(0, 0, ScreenWidth, static_cast<float>(bar));
        media::DrawRect(0, static_cast<float>(ScreenHeight - bar), ScreenWidth,
                        static_cast<float>(bar));
    }
    media::SetColor(255, 255, 255);
    return 1;
}

void TSlideShow::Kill() {
    for (const auto& slide : Slides) slide->Kill();
    Slides.clear();
}
