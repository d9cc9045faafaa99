#pragma once
// Buttons and dialogs as state dumps show them, so a script can find a button by name: each
// button under its name, with its picture, its rectangle on the screen (x, y, w, h) and whether
// it is enabled and under the pointer.

#include <vector>

#include "host/JsonObject.h"
#include "presentation/WidgetState.h"

[[nodiscard]] JsonObject ButtonsJson(const std::vector<TButtonState>& buttons);
[[nodiscard]] JsonObject DialogJson(const TDialogState& dialog);
