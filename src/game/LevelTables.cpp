#include "game/LevelTables.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

std::array<int, MachineFull + 1> BuildGlobe() {
    // (width, run length), bottom of the globe first.
    std::vector<std::pair<int, int>> runs;
    for (int w = 45; w <= 64; ++w) runs.push_back({w, 1});
    const std::pair<int, int> middle[] = {
        {65, 2}, {66, 1}, {67, 1}, {68, 1}, {69, 2}, {70, 1}, {71, 2}, {72, 1}, {73, 2},  {74, 2},
        {75, 2}, {76, 2}, {77, 3}, {78, 3}, {79, 3}, {80, 3}, {81, 4}, {82, 5}, {83, 26}, {82, 5},
        {81, 4}, {80, 3}, {79, 3}, {78, 3}, {77, 3}, {76, 2}, {75, 2}, {74, 2}, {73, 2},  {72, 1},
        {71, 2}, {70, 1}, {69, 2}, {68, 1}, {67, 1}, {66, 1}, {65, 2}};
    runs.insert(runs.end(), std::begin(middle), std::end(middle));
    for (int w = 64; w >= 46; --w) runs.push_back({w, 1});
    runs.push_back({45, 3});

    std::array<int, MachineFull + 1> table{};
    std::size_t i = 0;
    for (const auto& [width, count] : runs) {
        for (int k = 0; k < count && i < table.size(); ++k) table[i++] = width;
    }
    return table;
}

}  // namespace

const std::array<int, MachineFull + 1>& GlobeHalfWidth() {
    static const std::array<int, MachineFull + 1> table = BuildGlobe();
    return table;
}
