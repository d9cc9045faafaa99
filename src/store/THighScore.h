#pragma once
// One row of the high-score table.

#include <string>

class THighScore {
public:
    std::string name;
    int score = 0;
    int level = 0;  // the level reached
};
