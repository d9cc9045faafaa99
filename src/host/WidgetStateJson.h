#pragma once
// Buttons and dialogs as state dumps show them, so a script can find a button by name: each
// button under its name, with its picture, its rectangle on the screen (x, y, w, h) and whether
// it is enabled and under the pointer.

#include <string>
#include <vector>

#include "host/JsonObject.h"
#include "presentation/TextLog.h"
#include "presentation/WidgetState.h"

[[nodiscard]] JsonObject ButtonsJson(const std::vector<TButtonState>& buttons);
[[nodiscard]] JsonObject DialogJson(const TDialogState& dialog);
// The texts of one layer of the frame (0 the screen, N the Nth dialog), as drawn.
[[nodiscard]] std::vector<std::string> TextsOfLayer(const std::vector<TDrawnText>& texts,
                                                    int layer);
// Every text of the frame with its layer, the rectangle its glyphs cover, the box it must stay
// in and the number of its characters the font lacks.
[[nodiscard]] std::vector<JsonObject> TextLayoutJson(const std::vector<TDrawnText>& texts);
