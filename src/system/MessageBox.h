#pragma once
// A modal box drawn by the game itself, centred on the screen, that waits for any key or
// mouse button. Without a display (headless runs) the text goes to the system's notice
// instead and nothing waits. Input is polled while the box waits and handed back afterwards.

#include <string>

void ShowMessageBox(const std::string& text, int width, int height);
