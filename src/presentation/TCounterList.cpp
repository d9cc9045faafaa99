#include "presentation/TCounterList.h"

#include <algorithm>

std::shared_ptr<TCounter> TCounterList::AddNew(float ms) {
    Counters.push_back(TCounter::Create(ms, 1));
    return Counters.back();
}

void TCounterList::Manage(int removeFinished) {
    std::erase_if(Counters, [removeFinished](const std::shared_ptr<TCounter>& counter) {
        return counter->Manage() == 1 && removeFinished;
    });
}
