#pragma once
// A named whole number read from a values file.

#include <memory>
#include <string>

class TValue {
public:
    std::string name;
    int value = 0;

    static std::shared_ptr<TValue> Create(const std::string& name, int value);
    void PrintValue() const;
};
