#pragma once
// Where the game reads its data and keeps its files: the read-only Data folder beside the
// program and the shared folder under the data home (settings, profiles, scores, error log).

#include <string>

struct TPresentationContext;

class TDataPaths {
public:
    // The image, sound, menu and text folders are written into `presentation`, which reads them.
    explicit TDataPaths(TPresentationContext& presentation);

    // The folder that holds "Data/", ending with "/".
    std::string DataPrefix;
    // The shared folder the game writes to, ending with "/".
    std::string SubPath;
    std::string ProfilePath, MusicPath;

    // The data folders under DataPrefix, and the shared folder `path` (for example
    // "Bexholt/Quillox") under the data home, which the error log then uses too.
    void SetSubPath(const std::string& path);
    // Makes the shared and profile folders (a fatal report when that fails), removes the
    // leftovers of saves that were cut short and gives profiles saved under untrimmed names
    // their trimmed ones.
    void CreateFolders() const;

private:
    TPresentationContext& Presentation;
};
