#pragma once
// Every sound effect of the game, loaded once from the sound folder and found by name.

#include <map>
#include <memory>
#include <string>

#include "presentation/TGameSound.h"

class TSoundBank {
public:
    std::map<std::string, std::shared_ptr<TGameSound>> Sounds;  // upper-cased keys
    std::string Path;
    std::string Ext = ".wav";

    void SetPath(const std::string& path);
    // A file without extension gets `Ext`; a non-empty key replaces the file's own name.
    std::shared_ptr<TGameSound> Load(const std::string& file, float pitch, float volume,
                                     const std::string& key, int flags);
    // A missing name is fatal.
    std::shared_ptr<TGameSound> Find(const std::string& name) const;
    // Null when missing.
    std::shared_ptr<TGameSound> FindSound(const std::string& name) const;
    // Releases every sample, before the sound device closes.
    void Clear();
};
