#pragma once
// The player's choices that the settings file has no key for (the language, calmer motion),
// kept in "preferences.ini" beside it so that the settings file keeps its fixed keys and bytes.
// Lines are KEY=VALUE; keys this build does not know are kept as they stand, so a newer
// version's choices survive a run of an older one.

#include <string>
#include <vector>

class TDataPaths;

class TPreferences {
public:
    explicit TPreferences(const TDataPaths& paths);

    // A language code such as "de" or "zh_CN"; empty follows the system.
    std::string Language;
    bool ReducedMotion = false;

    // A missing or unreadable file leaves the defaults; a damaged line is skipped.
    void Load();
    // Through the crash-safe writer; false (and a line in the error log) when it failed, and
    // the game goes on with the choice for this run.
    [[nodiscard]] bool Save() const;
    [[nodiscard]] std::string Path() const;
    // The file's bytes as Save writes them.
    [[nodiscard]] std::string Text() const;

private:
    const TDataPaths& Paths;
    std::vector<std::string> UnknownLines;
};
