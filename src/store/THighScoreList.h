#pragma once
// The machine's table of best scores, best first, kept in "<path>.dat".
//
// File layout (little-endian, no header, no count): for every entry in rank order the name
// (shifted bytes closed by a 0 byte), the score as int32 and the level as int32.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/THighScore.h"

class THighScoreList {
public:
    // Rows the game's table holds; a loaded table is always made this long.
    static constexpr std::size_t TableSize = 10;
    // Levels a stored row may name.
    static constexpr int MaxLevel = 15;

    std::string filepath;
    int MaxNameLength = 10;
    // The row the last name entry added (1 for the top row), for the table screen to mark;
    // 0 when there is none. Not saved.
    int NewHighScoreIndex = 0;

    virtual ~THighScoreList() = default;

    [[nodiscard]] static THighScoreList Create(const std::string& path, int maxNameLength);

    virtual void Add(const std::string& name, int score, int level);
    // Places the entry before the first one whose score is lower than or equal to it (the
    // newest of equal scores ranks highest) and returns its 1-based position. Not trimmed.
    virtual int Insert(const std::string& name, int score, int level);
    // A missing file gives the default table, which is written at once. A file that cannot be
    // read is reported, the default table is shown and the file is never overwritten.
    virtual void Load();
    // A file that cannot be written is a fatal error ("Failed to save file <path>").
    virtual void Save();
    virtual void CreateDefault();
    virtual void Zero(int count);

    const std::vector<THighScore>& Entries() const { return List; }
    std::size_t Count() const { return List.size(); }
    void Clear() { List.clear(); }
    void RemoveLast();

    [[nodiscard]] std::string Bytes() const;
    // Rebuilds the table from a file's bytes: a partial last record is dropped, names keep only
    // characters 32..126 and at most MaxNameLength of them, scores below 0 become 0 and levels
    // are kept within 0..MaxLevel. The result always holds TableSize rows in rank order, rows
    // the file lacks taken from the default table.
    void ReadBytes(std::string_view bytes);

private:
    void AppendDefaultRows(std::size_t from);

    std::vector<THighScore> List;
    // The file that the last Load found but could not read; never overwritten.
    std::string UnreadablePath;
};
