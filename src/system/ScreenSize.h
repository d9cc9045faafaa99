#pragma once
// The fixed logical screen every display mode shows.

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
