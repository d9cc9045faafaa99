#pragma once
// Emits particles at an interval through a function supplied by the effect code.

#include <functional>
#include <memory>

class TParticleGenerator {
public:
    int Active = 1;
    float x = 0, y = 0;
    float dx = 0, dy = 0;
    int Qty = 0;
    float Interval = 0;
    float IntervalCounter = 0;
    std::function<void(TParticleGenerator&)> MakeParticleFunction;
    int Data1 = 0, Data2 = 0;

    static std::shared_ptr<TParticleGenerator> Create(
        float x, float y, int qty, float intervalMs,
        std::function<void(TParticleGenerator&)> makeFunction, int data1, int data2, int emitNow);
    // -1 while inactive, 1 on the step the last particle is emitted, else 0.
    int Manage();

private:
    void Emit();
};
