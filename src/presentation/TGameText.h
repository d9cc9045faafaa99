#pragma once
// The game's texts by key, read from a text file in the text folder.

#include <memory>
#include <string>

#include "presentation/TTextTable.h"

class TGameText : public TTextTable {
public:
    // Missing files and blocks without their header are fatal.
    static std::shared_ptr<TGameText> Create(const std::string& file);
    void Read(const std::string& file);
};
