#pragma once
// The shadow and alpha shared by all text drawing.

extern float TextShadowX;
extern float TextShadowY;
extern float TextShadowAlpha;
// The alpha of the text itself: restored after a shadow pass and multiplied into the shadow.
extern float TextAlpha;
