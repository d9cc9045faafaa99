#pragma once
// Lines of sliding text sharing one colour.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TSlideLine.h"

class TSlideLineList {
public:
    std::vector<std::shared_ptr<TSlideLine>> Lines;
    std::shared_ptr<TColor> Color = std::make_shared<TColor>();

    std::shared_ptr<TSlideLine> Add(const std::string& text, float startX, float startY, float endX,
                                    float endY, float ms);
    void Start();
    void Manage();
};
