#pragma once
// The menu every dialog's buttons sit in: hover and click sounds, 10 pixels apart, with a
// shadow.

#include <memory>

class TMenu;

[[nodiscard]] std::shared_ptr<TMenu> CreateDialogMenu();
