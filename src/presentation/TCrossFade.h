#pragma once
// Blends one picture into another over a time.

#include <memory>

#include "media/Media.h"
#include "presentation/TAnimation.h"

class TCrossFade {
public:
    media::Image Image1, Image2;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::shared_ptr<TAnimation> Anim;

    static std::shared_ptr<TCrossFade> Create(const media::Image& image1,
                                              const media::Image& image2, float ms);
    void Init(const media::Image& image1, const media::Image& image2, float ms);
    void SetImage1Coords(float x, float y);
    void SetImage2Coords(float x, float y);
    int Manage();
    void Draw() const;
};
