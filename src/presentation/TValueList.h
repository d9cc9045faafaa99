#pragma once
// Named whole numbers read from a text file of "name=value" lines.

#include <memory>
#include <string>
#include <vector>

#include "presentation/TValue.h"

class TValueList {
public:
    std::vector<std::shared_ptr<TValue>> Values;

    // A missing file is fatal.
    static std::shared_ptr<TValueList> Create(const std::string& file);
    void Read(const std::string& file);
    // Reads values from text already in memory; lines without "=" are skipped.
    void ReadText(const std::string& text);
    void AddValue(const std::string& name, int value);
    void AddTValue(std::shared_ptr<TValue> value);
    // 0-based; null past the end.
    std::shared_ptr<TValue> GetValueByIndex(int index) const;
    // Exact, case-sensitive match; null when missing.
    std::shared_ptr<TValue> GetValueByName(const std::string& name) const;
    void PrintList() const;
};
