#pragma once
// Reads and writes the best-results table (TBestResults) as "stats.dat" in the shared data
// folder.
//
// File layout (little-endian, no header): 15 best-score records, then 15 best-time records,
// levels 1 to 15; each record is the player's name (shifted bytes closed by a 0 byte) and the
// value as int32. A file of default entries is 495 bytes.

#include <string>
#include <string_view>

#include "store/TBestResults.h"

class TSaveBest {
public:
    static constexpr const char* FileName = "stats.dat";

    TBestResults Results;

    virtual ~TSaveBest() = default;

    // Creating one loads the file at once. folder ends in "/".
    [[nodiscard]] static TSaveBest Create(const std::string& folder);

    // A file that cannot be written is a fatal error naming it.
    virtual void Save();
    // A missing file gives the defaults, which are written at once. A file that cannot be read
    // is reported, the defaults are used and the file is never overwritten.
    virtual void Load();
    virtual void DefaultBest();

    std::string FilePath() const { return Folder + FileName; }

    // The file's bytes for the current table.
    [[nodiscard]] std::string Bytes() const;
    // Fills the table from a file's bytes. Records a short or damaged file lacks keep their
    // defaults; names keep only characters 32..126 (at most a name entry's length); values
    // below 0 become 0.
    void ReadBytes(std::string_view bytes);

private:
    std::string Folder;
    // The file that the last Load found but could not read; never overwritten.
    std::string UnreadablePath;
};
