#include "presentation/DialogMenus.h"

#include "presentation/TMenu.h"

std::shared_ptr<TMenu> CreateDialogMenu() {
    auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    menu->SetShadow(1, 3, 3, 0.4f);
    return menu;
}
