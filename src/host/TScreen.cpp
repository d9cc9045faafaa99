#include "host/TScreen.h"

#include "host/JsonObject.h"
#include "host/TGame.h"
#include "presentation/TMousePointer.h"
#include "system/CheckedLoaders.h"

void TScreen::ImageLoad(const std::string& file, int flags) {
    Image = LoadImageChecked(Game->ImagePath + file, flags);
    if (Image) media::SetImageHandle(Image, 0, 0);
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
    StopKill = 0;
    StopInit = 0;
}

void TScreen::Start() {
    Game->Mouse->On();
    Game->IgnoreEscapeKey = 0;
    CoreStart();
}

void TScreen::CoreStart() {
    Game->CurrentTScreen = this;
    ClearAllInput();
    Game->FixedRateLogic.Init();
}

void TScreen::Kill() {
    Image.reset();
}

void TScreen::Logic() {}

void TScreen::Draw() {
    if (!Image) {
        media::Cls();
        return;
    }
    media::SetBlend(media::SOLIDBLEND);
    media::DrawImageFrame(Image, 0, 0, 0);
    media::SetBlend(media::ALPHABLEND);
}

int TScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen.get();
    return 0;
}

void TScreen::AddState(JsonObject& state) const {
    state.Set("name", name);
}
