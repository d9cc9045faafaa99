#pragma once
// The result lines of the end-of-level screens: a label column and a value column in the large
// font, centred as a block. Each line slides in from the left a little after the one above and
// flashes white as it comes to rest.

#include <string>
#include <vector>

class TResources;

class TResultLines {
public:
    // Draws in the large font of `resources`, which must outlive the lines.
    explicit TResultLines(const TResources& resources) : Resources(resources) {}

    struct Line {
        std::string Label;
        std::string Value;
    };

    std::vector<Line> Lines;
    int gap = 45;
    int StartY = 0;
    int w = 0;
    int col1 = 0, col2 = 0;
    int colgap = 50;
    // Logic steps since the lines were set.
    float Time = 0;

    // Measures the columns and starts the slide again.
    void Set(std::vector<Line> lines, int startY);
    void Logic();
    void Draw() const;
    // The label's x of line i now.
    [[nodiscard]] float LineX(int i) const;
    // 1 on arrival falling to 0 over the hold, -1 outside it.
    [[nodiscard]] float Flash(int i) const;
    [[nodiscard]] bool Arrived() const;

private:
    [[nodiscard]] float TextWidth(const std::string& text) const;

    const TResources& Resources;
};
