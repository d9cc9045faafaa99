#pragma once
// What the game learns about the machine it runs on.

#include <string>

std::string GetOSVersionName();
