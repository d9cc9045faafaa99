#include "presentation/TParticleGenerator.h"

#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

std::shared_ptr<TParticleGenerator> TParticleGenerator::Create(
    float x, float y, int qty, float intervalMs,
    std::function<void(TParticleGenerator&)> makeFunction, int data1, int data2, int emitNow) {
    auto generator = std::make_shared<TParticleGenerator>();
    generator->x = x;
    generator->y = y;
    generator->Qty = qty - 1;
    generator->Interval = StepsFromMsFloat(intervalMs);
    generator->IntervalCounter = generator->Interval;
    generator->MakeParticleFunction = std::move(makeFunction);
    generator->Data1 = data1;
    generator->Data2 = data2;
    if (emitNow) generator->Emit();
    return generator;
}

void TParticleGenerator::Emit() {
    if (MakeParticleFunction) MakeParticleFunction(*this);
}

int TParticleGenerator::Manage() {
    if (!Active) return -1;
    x += dx * PresentationContext().Delta;
    y += dy * PresentationContext().Delta;
    if (Qty <= 0) {
        Active = 0;
        return 1;
    }
    if (IntervalCounter > 0) IntervalCounter -= PresentationContext().Delta;
    while (IntervalCounter <= 0) {
        // A zero interval emits everything left at once instead of spinning here for ever.
        IntervalCounter = Interval > 0 ? IntervalCounter + Interval : 0;
        --Qty;
        Emit();
        if (Qty <= 0) {
            Active = 0;
            return 1;
        }
    }
    return 0;
}
