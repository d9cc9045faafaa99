#pragma once
// What the screens after a level have in common: a background, a header picture with a drop
// shadow, and a menu with one OK button (answering to Enter and Space) centred near the foot.

#include <string>

class TScreen;

void LoadEndScreenFurniture(TScreen& screen, const std::string& background,
                            const std::string& header);
