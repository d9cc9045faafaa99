#pragma once
// An angle that runs round a range at a steady speed, giving the sine of where it stands.

class TSineCounter {
public:
    float Counter = 0;
    float Speed = 1.0f;
    float StartPoint = 0;
    float EndPoint = 360.0f;
    float ratio = 0;

    void Init(float start, float end, float speed);
    void Manage();
    void SetCounter(float value);
};
