#pragma once
// Buttons and dialogs as state dumps show them, so a script can find a button by name.

#include <vector>

#include "host/JsonObject.h"
#include "presentation/WidgetState.h"

[[nodiscard]] std::vector<JsonObject> ButtonsJson(const std::vector<TButtonState>& buttons);
[[nodiscard]] JsonObject DialogJson(const TDialogState& dialog);
