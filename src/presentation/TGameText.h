#pragma once
// The game's texts by key, read from text files of "[TEXT]" blocks: a header line, a key line,
// then the text's lines up to the next header.

#include <map>
#include <memory>
#include <string>
#include <vector>

class TGameText {
public:
    std::map<std::string, std::vector<std::string>> Texts;  // upper-cased keys

    // Missing files and blocks without their header are fatal.
    static std::shared_ptr<TGameText> Create(const std::string& file);
    void Read(const std::string& file);
    // Reads text already in memory; false when a block does not start with the header.
    [[nodiscard]] bool ReadText(const std::string& text);
    std::vector<std::string> Find(const std::string& key) const;
    // The lines joined with CR LF; empty when missing.
    std::string FindString(const std::string& key) const;
};
