#pragma once
// Three result lines of the end-of-level screens: a label and a value in the large font, the
// columns sized from the first label and one chosen value and centred as a block. Each line
// waits a little longer than the one above, slides in from the left and flashes white as it
// comes to rest.

#include <string>
#include <vector>

#include "presentation/TSlideLineList.h"

class TResources;

class TResultLines : public TSlideLineList {
public:
    struct Row {
        std::string Label;
        std::string Value;
    };

    // Draws in the large font of `resources`, which must outlive the lines.
    explicit TResultLines(const TResources& resources) : Resources(resources) {}

    std::vector<Row> Rows;
    int gap = 45;
    int lines = 3;
    int h = 0;
    int StartY = 0;
    int w = 0;
    int col1 = 0;
    int col2 = 0;
    int colgap = 50;

    // Measures the columns from the first label and `measuredValue` and starts the slide.
    void SetRows(std::vector<Row> rows, const std::string& measuredValue, int startY);
    void Draw() const;

private:
    // Builds and starts the moving lines for the current StartY and columns.
    void StartSlide();

    const TResources& Resources;
};
