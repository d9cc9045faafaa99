#include "game/TFull.h"

#include <algorithm>

#include "host/TAudioBuses.h"
#include "presentation/TPresentationContext.h"
#include "presentation/TSoundBank.h"
#include "system/CheckedLoaders.h"

namespace {

constexpr float WellDoneSpeed = 3;
constexpr float BeamsTurn = 0.8f;
// The 16 beams are drawn turning at a third of the celebration's clock: at its full speed each
// point behind them went light and dark seven times a second, a flashing over most of the
// screen; at a third it is under three.
constexpr float BeamsDrawnTurn = 1.0f / 3.0f;
constexpr float BeamsScale = 6;
constexpr float BeamsAlpha = 0.5f;
constexpr float MachineX = 113;
constexpr float BeamsX = 116;
constexpr float MachineY = 228;
constexpr float WellDoneX = 400;
// The fanfare plays over music at a fifth of the sound volume.
constexpr int FanfareMusicShare = 5;

media::Image LoadCentred(const std::string& file) {
    media::Image image = LoadImageChecked(PresentationContext().ImagePath + file, -1);
    if (image) media::MidHandleImage(image);
    return image;
}

}  // namespace

void TFull::Load(const TSoundBank& sounds) {
    SunBeams = LoadCentred("win.png");
    FullMachine = LoadCentred("winm.png");
    WellDone = LoadCentred("welldone.png");
    Fanfare = sounds.Find("win");
    SunBeamsRot = 0;
    WellDoneY = WellDoneStartY;
    HandedOver = false;
}

void TFull::Kill() {
    // A celebration left through the in-game menu gives the music its volume back.
    Audio.MusicRestoreVolume();
    SunBeams.reset();
    FullMachine.reset();
    WellDone.reset();
    Fanfare.reset();
}

void TFull::Logic(float delta, TMachine& machine) {
    if (HandedOver) return;
    if (machine.FanfarePending) {
        machine.FanfarePending = false;
        if (Fanfare) Fanfare->PlayEffect();
        // The host keeps the player's own volume for the settings file and the options.
        const TPresentationContext& context = PresentationContext();
        if (context.MusicVolume != 0) {
            Audio.MusicLowerVolume(context.SoundVolume / FanfareMusicShare);
        }
    }
    WellDoneY = std::min(WellDoneY + WellDoneSpeed * delta, WellDoneRestY);
    SunBeamsRot += BeamsTurn * delta;
    if (SunBeamsRot <= FullTurn) return;
    Audio.MusicRestoreVolume();
    SunBeamsRot = 0;
    HandedOver = true;
    Finished();
}

void TFull::Draw() const {
    if (!SunBeams) return;
    // Calmer, the beams stand still.
    media::SetDrawRotation(PresentationContext().ReducedMotion ? 0 : SunBeamsRot * BeamsDrawnTurn);
    media::SetDrawScale(BeamsScale, BeamsScale);
    media::SetAlpha(BeamsAlpha);
    media::DrawImageFrame(SunBeams, BeamsX, MachineY, 0);
    media::SetAlpha(1);
    media::SetDrawScale(1, 1);
    media::SetDrawRotation(0);
    media::DrawImageFrame(FullMachine, MachineX, MachineY, 0);
    media::DrawImageFrame(WellDone, WellDoneX, WellDoneY, 0);
}
