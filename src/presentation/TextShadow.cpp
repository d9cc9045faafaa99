#include "presentation/TextShadow.h"

float TextShadowX = 1.0f;
float TextShadowY = 1.0f;
float TextShadowAlpha = 0.5f;
float TextAlpha = 1.0f;
