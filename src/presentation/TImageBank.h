#pragma once
// Every image of the game, loaded once from the graphics folder and found again by name.

#include <map>
#include <memory>
#include <string>

#include "presentation/TGameImage.h"

class TImageBank {
public:
    std::map<std::string, std::shared_ptr<TGameImage>> Images;  // upper-cased keys
    std::string Path;
    std::string Ext = ".png";

    void SetPath(const std::string& path);
    // A file without extension gets `Ext`; a non-empty key replaces the file's own name.
    std::shared_ptr<TGameImage> Load(const std::string& file, const std::string& key, int flags,
                                     int midHandle);
    std::shared_ptr<TGameImage> LoadAnim(const std::string& file, int cellWidth, int cellHeight,
                                         int firstCell, int cellCount, int flags, int midHandle);
    // A missing name is fatal.
    std::shared_ptr<TGameImage> Find(const std::string& name) const;
    // Releases every image, before the display closes.
    void Clear();
};
