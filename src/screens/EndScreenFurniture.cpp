#include "screens/EndScreenFurniture.h"

#include "host/TScreen.h"
#include "presentation/TMenu.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TSprite.h"
#include "system/ScreenSize.h"

namespace {

constexpr float HeaderY = 60;
constexpr float OKY = 525;

}  // namespace

void LoadEndScreenFurniture(TScreen& screen, const std::string& background,
                            const std::string& header) {
    screen.ImageLoad(background, -1);
    screen.HeaderLoad(header, ScreenWidth / 2, HeaderY);
    screen.Header->SetShadow(1, 3, 3, 0.4f);
    screen.Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    screen.Menu->SetShadow(1, 3, 3, 0.4f);
    screen.Menu->AddQuick("OK", "")->OKButton = 1;
    screen.Menu->SetY(OKY);
    PresentationContext().FadeMusic = false;
}
