#pragma once
// Texts by key, read from text of "[TEXT]" blocks: a header line, a key line, then the text's
// lines up to the next header. Works on text in memory, so it needs no files or display.

#include <map>
#include <string>
#include <vector>

class TTextTable {
public:
    static inline const std::string HeaderName = "TEXT";

    std::map<std::string, std::vector<std::string>> Texts;  // upper-cased keys

    // Replaces the table with the blocks of `text`; false when a block does not start with
    // the header.
    [[nodiscard]] bool ReadText(const std::string& text);
    std::vector<std::string> Find(const std::string& key) const;
    // The lines joined with CR LF; empty when missing.
    std::string FindString(const std::string& key) const;
};
