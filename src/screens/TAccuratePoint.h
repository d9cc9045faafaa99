#pragma once
// A point on the screen with fractional coordinates.

struct TAccuratePoint {
    float x = 0, y = 0;
};
