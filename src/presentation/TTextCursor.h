#pragma once
// Writes lines of text one under the other in the current TrueType font, the way a page of
// credits or instructions is laid out.

#include <string>

class TTextCursor {
public:
    int x = 0, y = 0;
    int linegap = 0;
    int Shadow = 0;

    void Init(int px, int py, int gap);
    // Left-aligned at the cursor, unrounded.
    void Output(const std::string& text) const;
    void NewLine();
    void OutputNL(const std::string& text);
};
