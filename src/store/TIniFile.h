#pragma once
// The settings file held in memory: key=value lines in a fixed order. Load overlays the file's
// values on the keys the list already has and writes the file straight back, so the file on
// disk always holds exactly the list's keys.

#include <string>
#include <vector>

#include "store/TIniLine.h"

class TIniFile {
public:
    // Full path of the file without ".ini".
    std::string FileName;
    std::vector<TIniLine> Lines;

    void Add(const std::string& name, const std::string& value);
    // Rewrites the file (CR LF line ends). A file that cannot be written is a fatal error.
    void Save() const;
    // Keys the list does not know are ignored; a repeated key's last line wins. A missing or
    // unreadable file leaves the values as they are. Always saves afterwards.
    void Load();
    // The value of the key (any case), or "" when the list has no such key.
    [[nodiscard]] std::string Get(const std::string& name) const;
    [[nodiscard]] std::string Path() const { return FileName + ".ini"; }
    // The file's bytes as Save writes them.
    [[nodiscard]] std::string Text() const;
};
