#include "presentation/Fonts.h"

std::shared_ptr<TBitmapFont> FontLarge;
std::shared_ptr<TBitmapFont> FontMedium;
