#pragma once
// One node of the path search. Links are indices into the search's node store; -1 is none.

class TPath {
public:
    int X = 0;
    int Y = 0;
    int Parent = -1;
    // Cost from the start and estimate of the remaining cost.
    float Cost = 0;
    float Dist = 0;
    // Next node in the open list.
    int After = -1;
};
