#include "host/TScreen.h"

#include <algorithm>
#include <cmath>

#include "host/JsonObject.h"
#include "host/TDisplay.h"
#include "host/TFixedRateLogic.h"
#include "host/TMainLoop.h"
#include "host/WidgetStateJson.h"
#include "presentation/TMenu.h"
#include "presentation/TMousePointer.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TSprite.h"
#include "system/CheckedLoaders.h"

void TScreen::ImageLoad(const std::string& file, int flags) {
    Image = LoadImageChecked(Host.Presentation.ImagePath + file, flags);
    if (Image) media::SetImageHandle(Image, 0, 0);
}

void TScreen::HeaderLoad(const std::string& file, float x, float y) {
    Header =
        TSprite::Create(TGameImage::Create(Host.Presentation.ImagePath + file + Ext, -1, 1), x, y);
}

void TScreen::PreStart() {
    if (StopInit) {
        CoreStart();
    } else {
        Load();
        Start();
    }
}

void TScreen::ResetStops() {
    StopKill = false;
    StopInit = false;
}

void TScreen::Start() {
    Host.Display.Mouse().On();
    Host.Loop.IgnoreEscapeKey = 0;
    CoreStart();
}

void TScreen::CoreStart() {
    ClearAllInput();
    // Hover states match the pointer from the first frame, without sounds; the input is
    // cleared first so that nothing pressed on the last screen clicks a button here.
    if (Menu) Menu->ManageNoSound();
    Host.Timing.Init();
}

void TScreen::Kill() {
    Image.reset();
    Header.reset();
    if (Menu) Menu->Kill();
    Menu.reset();
}

int TScreen::StepsLeft(float steps) {
    return std::max(1, static_cast<int>(std::ceil(steps - 0.001f)));
}

void TScreen::Logic() {
    if (Menu) Menu->Manage();
}

void TScreen::DrawBackground() const {
    media::SetBlend(media::SOLIDBLEND);
    if (Image) {
        media::DrawImageFrame(Image, 0, 0, 0);
    } else {
        media::Cls();
    }
    media::SetBlend(media::ALPHABLEND);
}

void TScreen::Draw() {
    DrawBackground();
    if (Header) Header->Draw();
    if (Menu) Menu->Draw(0, 0);
}

int TScreen::SetEscDestination(TScreen*& /*destination*/) {
    return 0;
}

void TScreen::AddState(JsonObject& state) const {
    state.Set("name", name);
    // Where each button is, so that scripts click them by name rather than by pixel.
    if (Menu) state.Set("Buttons", ButtonsJson(DescribeMenu(*Menu)));
}
