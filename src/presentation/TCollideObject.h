#pragma once
// A value to stand as the identifier of something written into a collision layer.

class TCollideObject {
public:
    int Value = 0;
};
