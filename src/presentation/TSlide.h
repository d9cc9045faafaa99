#pragma once
// One full-screen picture of a slide show with its in, hold and out effects.

#include <functional>
#include <memory>
#include <string>

#include "presentation/TGameImage.h"
#include "presentation/TTransitionEffect.h"

class TSlide {
public:
    std::string name;
    std::shared_ptr<TGameImage> Image;
    std::shared_ptr<TTransitionEffect> InEffect, HoldEffect, OutEffect, CurrentEffect;
    float Counter = 0;
    float x = 0, y = 0;
    float ox = 0, oy = 0;
    float scale = 1;
    int Centred = 1;
    std::shared_ptr<TSlide> LastSlide;
    // Returning 0 stops the built-in scrolling and zooming for the step.
    std::function<int(TSlide&)> UserManage;
    std::function<void(TSlide&)> UserDraw;

    static std::shared_ptr<TSlide> Create(const std::string& imageFile, int flags, int centred,
                                          std::shared_ptr<TTransitionEffect> inEffect,
                                          std::shared_ptr<TTransitionEffect> holdEffect,
                                          std::shared_ptr<TTransitionEffect> outEffect,
                                          const std::string& name);
    void StoreOriginalCoords();
    void CentreCoords();
    void Kill();
    // 1 when all its effects are done.
    int Manage();
    void Draw();
    void DrawMask(float size) const;

private:
    void MoveBy(const TTransitionEffect& effect);
};
