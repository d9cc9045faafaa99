#pragma once
// A sequence of slides played one after the other, optionally letter-boxed.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TSlide.h"

class TSlideShow {
public:
    std::vector<std::shared_ptr<TSlide>> Slides;
    int CurrentSlide = 0;
    int LetterBoxHeight = 0;
    int Finished = 0;

    static std::shared_ptr<TSlideShow> Create();
    std::shared_ptr<TSlide> AddSlide(const std::string& imageFile, int flags, int centred,
                                     std::shared_ptr<TTransitionEffect> inEffect,
                                     std::shared_ptr<TTransitionEffect> holdEffect,
                                     std::shared_ptr<TTransitionEffect> outEffect,
                                     const std::string& name);
    std::shared_ptr<TSlide> GetCurrentSlide() const;
    void PreCache() const;
    // 1 when the show has just finished, 2 when the next slide began, else 0.
    int Manage();
    int Draw();
    void Kill();
};
