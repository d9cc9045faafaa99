#pragma once
// How the game shows a time counted in logic ticks: minutes, ":" and two-digit seconds
// ("4:07", "12:30"), whole seconds only.

#include <string>

// msPerTick is the host's milliseconds per logic tick. Negative or broken times show as 0:00.
std::string TicksAsTime(double ticks, double msPerTick);
