#pragma once
// The game's two bitmap fonts, made at start-up.

#include <memory>

#include "presentation/TBitmapFont.h"

extern std::shared_ptr<TBitmapFont> FontLarge;
extern std::shared_ptr<TBitmapFont> FontMedium;
