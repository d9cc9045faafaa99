#pragma once
// The game has 15 levels: the player's record, the best results and the rules all count them.

constexpr int LevelCount = 15;
// A level's score starts here and never rises above it.
constexpr int StartLevelScore = 1000;
