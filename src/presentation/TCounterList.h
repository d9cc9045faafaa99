#pragma once
// A list of countdowns managed together.

#include <memory>
#include <vector>

#include "presentation/TCounter.h"

class TCounterList {
public:
    std::vector<std::shared_ptr<TCounter>> Counters;

    std::shared_ptr<TCounter> AddNew(float ms);
    // With removeFinished, counters that end in this step leave the list.
    void Manage(int removeFinished);
};
