#include "presentation/TCounter.h"

#include "presentation/TPresentationContext.h"
#include "presentation/Timing.h"

std::shared_ptr<TCounter> TCounter::Create(float ms, int activate) {
    auto counter = std::make_shared<TCounter>();
    counter->CounterLength = static_cast<int>(StepsFromMs(ms));
    if (activate) counter->Activate();
    return counter;
}

void TCounter::Activate() {
    Counter = static_cast<float>(CounterLength);
    Active = 1;
}

void TCounter::Stop() {
    Counter = 0;
    Active = 0;
}

int TCounter::Manage() {
    if (Counter <= 0) return 0;
    Counter -= PresentationContext().Delta;
    if (Counter > 0) return 0;
    Stop();
    return 1;
}
